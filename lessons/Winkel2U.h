// Adding and subtracting angles: angle 1 is taken off with the compass and
// marked off on the arc about angle 2's vertex, step by step, until the sum
// or the difference stands on angle 2's vertex.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Winkel2Bild.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

class TfrmWinkel2 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmWinkel2(QWidget* eltern = nullptr);

    // Common frame.
    TPanel* pnlUeb1;
    QLabel* lblUeb;
    TBevel* bevGrafik1;
    TPaintBox* pntGrafik;
    TPanel* pnlStatus1;
    QLabel* lblStatus;
    QGroupBox* grpSchritt;
    TUpDown* UpDown;
    QLabel* lblSchritte;
    QGroupBox* grpWH;
    QPushButton* btnWH;

    // Inputs.
    TRadioGroup* grpArt;
    QGroupBox* grpWinkel2;
    QScrollBar* scrWinkel2;
    QLineEdit* edtWinkel2;
    QLabel* lblWinkel2;
    QGroupBox* grpWinkel1;
    QScrollBar* scrWinkel1;
    QLineEdit* edtWinkel1;
    QLabel* lblWinkel1;

    // State.
    int art = 1;              // 1 addition, 2 subtraction
    int Schritt = 0;          // 0..6
    int winkelEins = 25;      // angle 1, drawn on the right
    int winkelZwei = 40;      // angle 2, drawn on the left; the result is built on it
    float schenkelRadius = 9.0f;
    TWinkelFigur eins{{10.0f, 0.0f}, {19.0f, 0.0f}, {}};  // angle 1: vertex S1, leg ends
    TWinkelFigur zwei{{-10.0f, 0.0f}, {-1.0f, 0.0f}, {}}; // angle 2: vertex S2, leg ends

    // The result angle: sum or difference.
    int Ergebnis() const { return Winkel2Ergebnis(art, winkelEins, winkelZwei); }

    // Handlers.
    void menSchliessenClick();
    void grpArtClick();
    void scrWinkel1Change();
    void scrWinkel2Change();
    // Typing into a field (digits only, at most three, an emptied field falls back,
    // above 360 becomes 360) ...
    void edtWinkel1Change();
    void edtWinkel2Change();
    // ... and the finished entry (Return, Tab, leaving the field), which takes the value.
    void edtWinkel1Exit();
    void edtWinkel2Exit();
    void UpDownClick(TUpDown* sender);
    void btnWHClick();
    void pntGrafikPaint();

protected:
    void FormActivate() override;

private:
    void ZeigeEingaben(bool sichtbar);
    void SchrittAufNull();
    void ZeigeAnweisung();
    void BerechneSchenkel();
    void LeisteGeaendert(QScrollBar* leiste, QLineEdit* feld, QLabel* label, int& winkel, int anderer);
    void FeldGetippt(QLineEdit* feld, int winkel);
    void FeldFertig(QLineEdit* feld, QScrollBar* leiste, int& winkel, void (TfrmWinkel2::*leisteChange)());
};
