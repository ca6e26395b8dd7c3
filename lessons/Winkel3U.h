// Vertical, adjacent and parallel angles: a slanted segment crosses one line
// (mode 1: vertical angles on the left, adjacent angles on the right) or two
// parallels (mode 2: equal angles on the left, angles adding up to 180° on
// the right). The pupil drags the segment's ends; coloured arcs mark the
// angles and panels show their sizes.
#pragma once

#include "app/Lektionsrahmen.h"

#include <QGroupBox>
#include <optional>
#include <vector>

class QAction;

// Where the slanted segment crosses the line(s), and its angle.
struct TKreuzung {
    float sX = 0.0f, sY = 0.0f;    // with the line y = height (mode 1)
    float s1X = 0.0f, s1Y = 3.0f;  // with the upper parallel y = 3
    float s2X = 0.0f, s2Y = -3.0f; // with the lower parallel y = -3
    float alpha = 0.0f;            // between the line's right half and the segment's upper half
    float beta = 180.0f;           // 180 - alpha
};

// Updates the crossings of the segment from (ux, uy) to (ox, oy). A horizontal
// segment meets no line; its crossings stay where they were.
void BerechneKreuzung(float ux, float uy, float ox, float oy, float hoehe, TKreuzung& k);

// One angle mark: arc about (cx, cy) counter-clockwise from `von` to `bis`.
struct TWinkelBogen {
    float cx, cy, von, bis;
    TFarbe farbe;
};

// What a panel shows: a value and the colour of its arc.
struct TPanelWert {
    float wert;
    TFarbe farbe;
};

// Everything a drawing marks: its arcs and what its two panels show (panels
// without a value keep their last caption).
struct TWinkelBild {
    std::vector<TWinkelBogen> boegen;
    std::optional<TPanelWert> panel1, panel2;
};

// The marks of the left and the right drawing for mode, variant and step.
TWinkelBild LinkesWinkelBild(int modus, int variante, int schritt, const TKreuzung& k);
TWinkelBild RechtesWinkelBild(int modus, int variante, int schritt, const TKreuzung& k);

// "49,40°"
QString PanelText(float wert);

// What a drawing shows, for a screen reader: the line(s), the crossing(s) and
// every marked angle with its place, colour and size as the panels show it.
QString Winkel3Beschreibung(int modus, const TKreuzung& k, const TWinkelBild& bild);

class TfrmWinkel3 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmWinkel3(QWidget* eltern = nullptr);

    // Common frame.
    TPanel* pnlUeb1;
    QLabel* lblUeb1;
    TPanel* pnlUeb2;
    QLabel* lblUeb2;
    TBevel* bevGrafik1;
    TPaintBox* pntGrafik1;
    TBevel* bevGrafik2;
    TPaintBox* pntGrafik2;
    TPanel* pnlStatus1;
    QLabel* lblStatus1;

    // Angle panels, variants and steps of both drawings.
    QGroupBox* grpW1;
    TPanel* pnlLW1;
    TPanel* pnlLW2;
    TRadioGroup* grpV1;
    QGroupBox* grpSchritt1;
    TUpDown* UpDown1;
    QLabel* lblSchritte1;
    QGroupBox* grpW2;
    TPanel* pnlRW1;
    TPanel* pnlRW2;
    TRadioGroup* grpV2;
    QGroupBox* grpSchritt2;
    TUpDown* UpDown2;
    QLabel* lblSchritte2;
    QAction* menArt1;
    QAction* menArt2;

    // State.
    int modus = 1;      // 1 one line, 2 two parallels
    int variante1 = 1;
    int variante2 = 1;
    int Schritt1 = 0;   // 0..3
    int Schritt2 = 0;   // 0..4
    float P1X = -7.0f, P1Y = -7.0f, P2X = 5.0f, P2Y = 7.0f;  // left segment, lower and upper end
    float Q1X = -7.0f, Q1Y = -7.0f, Q2X = 5.0f, Q2Y = 7.0f;  // right segment
    float hoehe1 = 0.0f, hoehe2 = 0.0f;                       // the line's y in mode 1
    TKreuzung kreuzung1, kreuzung2;
    float maus1X = 0.0f, maus1Y = 0.0f, maus2X = 0.0f, maus2Y = 0.0f;
    bool nahe1 = false, nahe2 = false;     // pointer near the lower / upper end
    bool ziehen1 = false, ziehen2 = false; // the lower / upper end is dragged

    // Where an end may be dragged, in the drawing's own pixels: per mode, the
    // upper end's band or the lower end's band.
    static QRect ZiehBereichImBild(int modus, bool obererPunkt);
    // The same band in screen pixels for the left (1) or right (2) drawing, taken
    // where the drawing stands now.
    QRect ZiehBereich(int zeichnung, int modus, bool obererPunkt) const;

    // Handlers.
    void menSchliessenClick();
    void menArtClick(QObject* sender);
    void grpV1Click();
    void grpV2Click();
    void UpDownClick(TUpDown* sender);
    void pntGrafik1Paint();
    void pntGrafik2Paint();
    void pntGrafik1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik1MouseMove(Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseMove(Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);

protected:
    void FormActivate() override;

private:
    // One drawing's segment, pointer and crossings, so both drawings share the mouse code.
    struct TSeite {
        TPaintBox* box;
        float *untenX, *untenY, *obenX, *obenY;
        float* hoehe;
        float *mausX, *mausY;
        TKreuzung* kreuzung;
        int nummer;
    };
    TSeite Seite(int zeichnung);
    void MausDown(const TSeite& s, int x, int y);
    void MausMove(const TSeite& s, int x, int y);
    void MausUp(const TSeite& s);

    // Shows drawing 1 or 2 anew after a change: its panels, then its picture.
    void Neuzeichnen(int zeichnung);
    void SetzeStrecken();
    void SchritteAufNull();
    void ZeichneFigur(TPaintBox* box, const TKreuzung& k, float ux, float uy, float ox, float oy, float hoehe,
                      const TWinkelBild& bild, TPanel* panel1, TPanel* panel2);
    static void ZeigeWerte(const TWinkelBild& bild, TPanel* panel1, TPanel* panel2);
};
