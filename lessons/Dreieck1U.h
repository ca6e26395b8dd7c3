// "Dreieckskonstruktionen": a triangle drawn at random is constructed step by
// step from three given parts, by one of the four congruence theorems (SSS,
// WSW, SWS, and SsW with one or two solutions). The computation of the random
// triangles, the instructions and each step's picture is in Dreieck1Bild.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Dreieck1Bild.h"

class QAction;

class TfrmDreieck1 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck1(QWidget* eltern = nullptr);

    // Controls.
    TPanel* pnlUeb1 = nullptr;
    QLabel* lblUeb = nullptr;
    TBevel* bevGrafik1 = nullptr;
    TPaintBox* pntGrafik = nullptr;
    QGroupBox* grpSchritt = nullptr;
    TUpDown* UpDown = nullptr;
    QLabel* lblSchritte = nullptr;
    TRadioGroup* grpLoesungen = nullptr;
    QGroupBox* grpWH = nullptr;
    QPushButton* btnWH = nullptr;
    TPanel* pnlStatus1 = nullptr;
    TPaintBox* pntStatus = nullptr;
    QAction* menSatz1 = nullptr;
    QAction* menSatz2 = nullptr;
    QAction* menSatz3 = nullptr;
    QAction* menSatz4 = nullptr;

    // Lesson state.
    int Satz = dreieck1::satzSSS;
    int Schritt = 0;
    int MaxSchritt = 5;
    int Loesungen = 1;
    dreieck1::TPunkt A, B, C;

    // Handlers.
    void menSchliessenClick();
    void menSatzClick(QObject* sender);
    void UpDownClick();
    void grpLoesungenClick();
    void btnWHClick();
    void pntGrafikPaint();
    void pntStatusPaint();

    // A new random triangle for the current theorem and solutions; never the
    // one shown before.
    void NeuesDreieck();

protected:
    void FormActivate() override;

private:
    void SchrittAufNull();
    void SetzeTitel(const QString& text, TFarbe farbe);
};
