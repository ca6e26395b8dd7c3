// Kinds of angles: on the left an angle in whole degrees set with a scroll bar
// or typed in, on the right a leg turned with the mouse and shown in degrees,
// minutes and seconds. Both drawings name the kind of the angle in its colour.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Winkel1Bild.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

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
    int winkel1 = 0;                                 // left angle, whole degrees
    float winkel2 = 0.0f;                            // right angle, degrees
    float schenkelLaenge = 8.0f;
    TWeltPunkt s{0.0f, 0.0f};                        // common vertex S
    TWeltPunkt fest1{8.0f, 0.0f}, fest2{8.0f, 0.0f}; // fixed leg ends, left and right
    TWeltPunkt frei1{8.0f, 0.0f}, frei2{8.0f, 0.0f}; // free leg ends
    TWeltPunkt maus{8.0f, 0.0f};                     // latest pointer position over the right drawing
    bool ziehen = false;
    QRect ziehBereich; // screen rectangle the pointer is held in while dragging

    // Handlers.
    void menSchliessenClick();
    void scrWinkel1Change();
    void edtWinkel1Change();
    void pntGrafik1Paint();
    void pntGrafik2Paint();
    void pntGrafik2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseMove(Qt::KeyboardModifiers mods, int x, int y);
    void pntGrafik2MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);

    // Turns the right free leg to `grad` and shows the angle in the panel and the drawing.
    void DreheSchenkel(float grad);

protected:
    void FormActivate() override;

private:
    // The world window both drawings use: -10..10 both ways on 480 x 480 pixels.
    void SetzeWeltfensterGrafik(const TPaintBox* box) const;
    // The right drawing's screen area, taken where the box stands now.
    QRect ZiehBereichJetzt() const;
};
