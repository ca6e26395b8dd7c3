// "Spiegeln": the pupil marks a figure of two to five points inside a dotted
// frame and reflects it step by step in the y axis with ruler and compass.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Symmetrie1Bild.h"

class TRadioGroup;

class TfrmSymmetrie1 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmSymmetrie1(QWidget* eltern = nullptr);

    // Controls.
    TPanel* pnlUeb1 = nullptr;
    QLabel* lblUeb = nullptr;
    TBevel* bevGrafik1 = nullptr;
    TPaintBox* pntGrafik = nullptr;
    TPanel* pnlStatus1 = nullptr;
    QLabel* lblStatus = nullptr;
    TRadioGroup* grpAnzahl = nullptr;
    QGroupBox* grpSchritt = nullptr;
    TUpDown* UpDown = nullptr;
    QLabel* lblSchritte = nullptr;
    QGroupBox* grpWH = nullptr;
    QPushButton* btnWH = nullptr;

    // Lesson state.
    int anzahlPunkte = 2;        // points of the figure, 2..5
    int markiert = 0;            // points marked so far
    TMarkierPunkt punkte[6];     // punkte[1..anzahlPunkte], in the order of marking
    bool alleMarkiert = false;
    int Schritt = 0;             // 0..4

    // The drawing's world window: x -20..20, y -10..10 on the paint box.
    static constexpr float rahmenX = symmetrie1::rahmenX; // marking frame: |x| < 19, |y| < 9
    static constexpr float rahmenY = symmetrie1::rahmenY;
    static constexpr int letzterSchritt = symmetrie1::letzterSchritt;

    // Handlers.
    void grpAnzahlClick();
    void pntGrafikMouseDown(Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, int x, int y);
    void UpDownClick(TUpDown* sender);
    void btnWHClick();
    void pntGrafikPaint();

protected:
    void FormActivate() override;

private:
    void setzeWeltfenster();
};
