// "Einteilung der Dreiecke": the classification of triangles by side lengths
// (scalene, isosceles, equilateral) and by angles (acute, obtuse, right). Three
// drawing boxes side by side, each with its kind above it, its measures below
// it and a button that draws a new random triangle of its kind. The random
// triangles come from lessons/Dreieck0Erzeuger.h.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Dreieck0Erzeuger.h"

#include <QString>

class QAction;
class QPushButton;

namespace dreieck0 {

// The two classifications, as `Einteilung` holds them.
constexpr int einteilungSeiten = 1;
constexpr int einteilungWinkel = 2;

// A label centred on a world point.
struct TBeschriftung {
    QString text;
    float x = 0, y = 0;
};

// A vertex name written `abstand` beyond the vertex (px, py), on the ray from
// the reference point (qx, qy) through it.
struct TEckenName {
    QString text;
    float px = 0, py = 0, qx = 0, qy = 0, abstand = 0;
};

// An angle arc of radius 4 about (cx, cy), counter-clockwise from `von` to `bis`.
struct TDreieckBogen {
    float cx = 0, cy = 0, von = 0, bis = 0;
};

// Everything a drawing box shows: the sides, the vertex names "C", "B", "A",
// the side labels of a, b, c, and by angles the Greek names and the arcs.
struct TDreieckBild {
    TDreieck d;
    TEckenName ecken[3];
    TBeschriftung seiten[3];
    bool mitWinkeln = false;
    TBeschriftung winkelNamen[3];
    TDreieckBogen boegen[3];
};

// Everything a text box shows: the headline and three values in a row.
struct TTextBild {
    QString ueberschrift;
    TFarbe farbe = clNavy;
    bool griechisch = false; // the values carry Greek names (marked-up text)
    QString werte[3];
};

// The label of one side, chosen by the text's first character ("a" BC, "b" CA,
// "c" AB), `abstand` from the side's midpoint on its right-hand normal: outside
// the triangle, since A, B, C run counter-clockwise.
TBeschriftung SeitenBeschriftung(const QString& text, const TDreieck& d, float abstand);

// Box 1..3 in the given classification; `spitze` matters for the isosceles box.
TDreieckBild DreieckBild(int box, int einteilung, int spitze, const TDreieck& d);
TTextBild TextBild(int box, int einteilung, const TDreieckMasse& m);

// What a triangle box and its text box show, for a screen reader:
// "Ungleichseitiges Dreieck ABC: AB = 22, BC = 17, AC = 23".
QString DreieckBeschreibung(int box, int einteilung, const TDreieckMasse& m);
QString TextBeschreibung(int box, int einteilung, const TDreieckMasse& m);

} // namespace dreieck0

class TfrmDreieck0 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck0(QWidget* eltern = nullptr);

    // Controls.
    TPanel* pnlUeb = nullptr;
    QLabel* lblUeb = nullptr;
    TPanel *pnlUeb1 = nullptr, *pnlUeb2 = nullptr, *pnlUeb3 = nullptr;
    TBevel *bevGrafik1 = nullptr, *bevGrafik2 = nullptr, *bevGrafik3 = nullptr;
    TPaintBox *pntGrafik1 = nullptr, *pntGrafik2 = nullptr, *pntGrafik3 = nullptr;
    TPanel *pnlTxt1 = nullptr, *pnlTxt2 = nullptr, *pnlTxt3 = nullptr;
    TPaintBox *pntTxt1 = nullptr, *pntTxt2 = nullptr, *pntTxt3 = nullptr;
    QPushButton *btnGrafik1 = nullptr, *btnGrafik2 = nullptr, *btnGrafik3 = nullptr;
    QAction* menSeiten = nullptr;
    QAction* menWinkel = nullptr;

    // Lesson state; box k uses index k - 1.
    int Einteilung = dreieck0::einteilungSeiten;
    dreieck0::TDreieck SeitenDreieck[3]; // scalene, isosceles, equilateral
    dreieck0::TDreieck WinkelDreieck[3]; // acute, obtuse, right
    dreieck0::TDreieckMasse DreieckMasse[3];
    int Spitze = dreieck0::spitzeC; // apex of the isosceles triangle

    // Handlers.
    void menArtClick(QObject* sender);
    void btnGrafikClick(QObject* sender);
    void pntGrafik1Paint() { pntGrafikPaint(1); }
    void pntGrafik2Paint() { pntGrafikPaint(2); }
    void pntGrafik3Paint() { pntGrafikPaint(3); }
    void pntTxt1Paint() { pntTxtPaint(1); }
    void pntTxt2Paint() { pntTxtPaint(2); }
    void pntTxt3Paint() { pntTxtPaint(3); }

    // The triangle box k (1..3) shows in the current classification.
    const dreieck0::TDreieck& Dreieck(int box) const;

protected:
    void FormActivate() override;

private:
    // Titles, kind panels and three new triangles of a classification.
    void SetzeEinteilung(int einteilung);
    // A new random triangle for box k in the current classification.
    void NeuesDreieck(int box);
    void pntGrafikPaint(int box);
    void pntTxtPaint(int box);

    TPanel* ueb_[3];
    TPaintBox* grafik_[3];
    TPaintBox* txt_[3];
    QPushButton* knopf_[3];
};
