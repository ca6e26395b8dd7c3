// Vertical, adjacent and parallel angles: a slanted segment crosses one line
// (mode 1: vertical angles on the left, adjacent angles on the right) or two
// parallels (mode 2: equal angles on the left, angles adding up to 180° on
// the right). The pupil drags the segment's ends; coloured arcs mark the
// angles and panels show their sizes.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Winkel3Bild.h"

#include <QGroupBox>

class QAction;

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
    // The pointer's world position and whether it is near either end.
    void Zeiger(const TSeite& s, int x, int y);
    void MausDown(const TSeite& s, int x, int y);
    void MausMove(const TSeite& s, int x, int y);
    void MausUp(const TSeite& s);
    // Hands a drawing's events to its handlers.
    using TMausKnopf = void (TfrmWinkel3::*)(Qt::MouseButton, Qt::KeyboardModifiers, int, int);
    using TMausZug = void (TfrmWinkel3::*)(Qt::KeyboardModifiers, int, int);
    void VerbindeZeichnung(TPaintBox* box, void (TfrmWinkel3::*paint)(), TMausKnopf down, TMausZug move,
                           TMausKnopf up);

    // Shows drawing 1 or 2 anew after a change: its panels, then its picture.
    void Neuzeichnen(int zeichnung);
    void SetzeStrecken();
    void SchritteAufNull();
    // The marks of drawing 1 or 2 as its state has them now.
    TWinkelMarken Marken(int zeichnung) const;
    static void ZeigeWerte(const TWinkelMarken& marken, TPanel* panel1, TPanel* panel2);
};
