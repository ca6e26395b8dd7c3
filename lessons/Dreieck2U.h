// "Besondere Eigenschaften": the heights, the perpendicular bisectors, the
// angle bisectors and the medians of a triangle with the centre in which each
// family meets, step by step. The menu chooses the topic, two check boxes
// switch the angle marks and the line labels, and the repeat button draws a
// new random triangle. What the steps show is computed in lessons/Dreieck2Bild.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Dreieck2Bild.h"

#include <QCheckBox>
#include <QGroupBox>

class QAction;

class TfrmDreieck2 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck2(QWidget* eltern = nullptr);

    // Controls.
    TPanel* pnlUeb1;
    QLabel* lblUeb;
    TBevel* bevGrafik1;
    TPaintBox* pntGrafik;
    QGroupBox* grpSchritt;
    TUpDown* UpDown;
    QLabel* lblSchritte;
    QGroupBox* grpWinkel;
    QCheckBox* chkWinkel;
    QGroupBox* grpBeschriftung;
    QCheckBox* chkBeschriftung;
    QGroupBox* grpWH;
    QPushButton* btnWH;
    TPanel* pnlStatus1;
    TPaintBox* pntStatus;
    QAction* menEigen1;
    QAction* menEigen2;
    QAction* menEigen3;
    QAction* menEigen4;

    // State.
    int Eigenschaft = dreieck2::hoehen; // 1 heights, 2 perpendicular bisectors, 3 angle bisectors, 4 medians
    int Schritt = 0;
    int MaxSchritt = dreieck2::schritteJeEigenschaft[dreieck2::hoehen];
    int SchritteJeEigenschaft[5] = {0, 4, 5, 5, 4};
    bool WinkelAn = true;
    bool BeschriftungAn = true;
    dreieck2::TPunkt A = dreieck2::startDreieck.A;
    dreieck2::TPunkt B = dreieck2::startDreieck.B;
    dreieck2::TPunkt C = dreieck2::startDreieck.C;

    dreieck2::TDreieck Dreieck() const { return {A, B, C}; }

    // Handlers.
    void menSchliessenClick();
    void menEigenClick(QObject* sender);
    void UpDownClick();
    void chkWinkelClick();
    void chkBeschriftungClick();
    void btnWHClick();
    void pntGrafikPaint();
    void pntStatusPaint();

protected:
    void FormActivate() override;

private:
    void ZeigeEigenschaft();
    static void SchalterAn(QCheckBox* chk);
};
