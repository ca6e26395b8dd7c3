// The dynamic triangle: the pupil drags the vertices and the special lines
// chosen with the check boxes follow, with their centres and the Euler line
// (mode "Schnittpunkte"); or C runs round the circle over the diameter AB,
// dragged or set with the scroll bar, and the angles show that the one at C
// stays a right angle (mode "Thaleskreis"). The pictures are computed in
// lessons/Dreieck3Bild.h.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Dreieck3Bild.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QScrollBar>

class QAction;

class TfrmDreieck3 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck3(QWidget* eltern = nullptr);

    // Frame.
    TPanel* pnlUeb1;
    QLabel* lblUeb;
    TBevel* bevGrafik1;
    TPaintBox* pntGrafik;
    TPanel* pnlStatus;

    // The line groups with their legends, the Euler line, the angle of C.
    QGroupBox* grpH;
    QGroupBox* grpS;
    QGroupBox* grpW;
    QGroupBox* grpSW;
    QGroupBox* grpEuler;
    TPaintBox* pntH;
    TPaintBox* pntS;
    TPaintBox* pntW;
    TPaintBox* pntSW;
    QCheckBox *chkHA, *chkHB, *chkHC;
    QCheckBox *chkSA, *chkSB, *chkSC;
    QCheckBox *chkWA, *chkWB, *chkWC;
    QCheckBox *chkSWA, *chkSWB, *chkSWC;
    QCheckBox* chkEuler;
    QGroupBox* grpWinkel;
    QScrollBar* scrWinkel;
    QLabel* lblWinkel;
    QAction* menPunkte;
    QAction* menKreis;

    // State.
    int art = 1; // 1 "Schnittpunkte", 2 "Thaleskreis"
    TWeltPunkt A, B, C;
    TWeltPunkt thalesC, beschriftungC;
    int winkelBMC = 60;
    bool ziehenA = false, ziehenB = false, ziehenC = false;
    bool ueberA = false, ueberB = false, ueberC = false;
    TLinienWahl wahl;
    QRect ziehBereich1, ziehBereich2; // screen rectangles the pointer is held in while the button is down

    // Where the pointer may go while the button is held, in the drawing's own
    // pixels, for mode 1 (vertices) and mode 2 (C on the circle).
    static QRect ZiehBereichImBild(int art);

    // Handlers.
    void menSchliessenClick();
    void menArtClick(QObject* sender);
    void chkHClick(QCheckBox* sender);
    void chkSClick(QCheckBox* sender);
    void chkWClick(QCheckBox* sender);
    void chkSWClick(QCheckBox* sender);
    void chkEulerClick();
    void scrWinkelChange();
    void pntGrafikPaint();
    void pntGrafikMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafikMouseMove(Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafikMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntHPaint();
    void pntSPaint();
    void pntWPaint();
    void pntSWPaint();

    // The instruction is the caption of the status panel.
    QString AktuelleAnweisung() const override { return pnlStatus->Caption(); }

protected:
    void FormActivate() override;

private:
    // The four groups of line boxes with their legends, named for a reader.
    void LinienGruppenAnlegen();
    // Controls, menu and drawing area to their handlers.
    void Verbinden();
    void Startdreieck();
    void ThalesAnfang();
    // A line box's flag follows its tick; the heights, perpendicular bisectors
    // and medians also decide over "einschalten".
    void LinieSchalten(QCheckBox* sender, bool eulerPruefen);
    // "einschalten" only while the Euler line is possible.
    void PruefeEuler();
    // The pointer position in world units of the drawing area.
    TWeltPunkt Zeiger(int x, int y) const;
    // The rectangle of mode 1's confinement in world units: where a vertex can
    // be dragged to, and so where a push may put it.
    TWeltRechteck ZiehFeld() const;
    // Each vertex being dragged that stands closer than the smallest distance
    // to another is put back, inside the drag field.
    void AbstandWiederherstellen();
};
