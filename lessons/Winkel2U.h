// Adding and subtracting angles: angle 1 is taken off with the compass and
// marked off on the arc about angle 2's vertex, step by step, until the sum
// or the difference stands on angle 2's vertex.
#pragma once

#include "app/Lektionsrahmen.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

// The point at `winkel` degrees on the circle of `radius` about (mx, my).
void KreisPunkt(float& x, float& y, float winkel, float radius, float my, float mx);

// The instruction for a step of the construction; R is the result angle.
QString Winkel2Anweisung(int schritt, int art, int ergebnis);

// What the construction drawing shows at a step, for a screen reader: both
// angles, what has been drawn so far and, at the end, the result.
QString Winkel2Beschreibung(int schritt, int art, int winkelEins, int winkelZwei);

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
    float s1X = 10.0f, s1Y = 0.0f;   // vertex of angle 1
    float s2X = -10.0f, s2Y = 0.0f;  // vertex of angle 2
    float fest1X = 19.0f, fest1Y = 0.0f, fest2X = -1.0f, fest2Y = 0.0f;  // fixed leg ends
    float frei1X = 0.0f, frei1Y = 0.0f, frei2X = 0.0f, frei2Y = 0.0f;    // free leg ends

    // The result angle: sum or difference.
    int Ergebnis() const { return art == 1 ? winkelEins + winkelZwei : winkelZwei - winkelEins; }
    // The compass opening: three quarters of a leg.
    float ZirkelRadius() const { return 0.75f * schenkelRadius; }

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
    void SetzeWeltfensterGrafik() const;
    void FeldGetippt(QLineEdit* feld, int winkel);
    void FeldFertig(QLineEdit* feld, QScrollBar* leiste, int& winkel, void (TfrmWinkel2::*leisteChange)());
};
