// "Einteilung der Dreiecke": the classification of triangles by side lengths
// (scalene, isosceles, equilateral) and by angles (acute, obtuse, right). Three
// drawing boxes side by side, each with its kind above it, its measures below
// it and a button that draws a new random triangle of its kind. The random
// triangles come from lessons/Dreieck0Erzeuger.h, what the boxes show from
// lessons/Dreieck0Bild.h.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Dreieck0Bild.h"
#include "lessons/Dreieck0Erzeuger.h"

class QAction;
class QPushButton;

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
