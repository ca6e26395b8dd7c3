// Kinds of angles: on the left an angle in whole degrees set with a scroll bar
// or typed in, on the right a leg turned with the mouse and shown in degrees,
// minutes and seconds. Both drawings name the kind of the angle in its colour.
#pragma once

#include "app/Lektionsrahmen.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

// A kind of angle: its name and the colour it is drawn in.
struct TWinkelArt {
    QString text;
    TFarbe farbe;
};

// The kind of a whole-degree angle 0..360.
TWinkelArt WinkelArtGanz(int grad);
// The kind of an angle on the exact value, without tolerance: only 90.0 itself is right.
TWinkelArt WinkelArtGenau(float grad);

// Splits an angle into degrees, minutes and seconds, each truncated.
void GradInGMS(float winkel, int& grad, int& minuten, int& sekunden);
// "45° 30' 0''"
QString GMSText(float winkel);

// What an angle drawing shows, for a screen reader: "Winkel von 45° – spitzer
// Winkel", with the measure as the pupil sees it and the kind as the drawing names it.
QString WinkelBeschreibung(const QString& mass, const TWinkelArt& art);

class TfrmWinkel1 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmWinkel1(QWidget* eltern = nullptr);

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
    TPanel* pnlStatus2;
    QLabel* lblStatus2;

    // Inputs of the left angle and the display of the right one.
    QGroupBox* grpWinkel1;
    QScrollBar* scrWinkel1;
    QLabel* lblWinkel1;
    QGroupBox* grpGrad1;
    QLineEdit* edtWinkel1;
    TPanel* pnlWinkel;

    // State.
    int winkel1 = 0;            // left angle, whole degrees
    float winkel2 = 0.0f;       // right angle, degrees
    float schenkelLaenge = 8.0f;
    float sX = 0.0f, sY = 0.0f; // common vertex S
    float festX1 = 8.0f, festY1 = 0.0f, festX2 = 8.0f, festY2 = 0.0f;  // fixed leg ends
    float freiX1 = 8.0f, freiY1 = 0.0f, freiX2 = 8.0f, freiY2 = 0.0f;  // free leg ends
    float mausX = 8.0f, mausY = 0.0f;  // latest pointer position over the right drawing
    bool ziehen = false;
    QRect ziehBereich;          // screen rectangle the pointer is held in while dragging

    // Handlers.
    void menSchliessenClick();
    void scrWinkel1Change();
    void edtWinkel1Change();
    void pntGrafik1Paint();
    void pntGrafik2Paint();
    void pntGrafik2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseMove(Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);

protected:
    void FormActivate() override;

private:
    // The world window both drawings use: -10..10 both ways on 480 x 480 pixels.
    void SetzeWeltfensterGrafik(const TPaintBox* box) const;
    // The right drawing's screen area, taken where the box stands now.
    QRect ZiehBereichJetzt() const;
    void ZeigeWinkel2();
};
