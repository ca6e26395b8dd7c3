// What every window needs to be worked by keys alone: F10 opens its menu bar
// as a tap of Alt does, a clearly visible frame marks the control that has the
// focus, and Tab walks the controls in reading order.
#pragma once

#include "draw/Leinwand.h"

#include <QPointer>
#include <QWidget>

class QMenuBar;

// The focus frame's colour: dark blue, well apart from the grey face and the white drawings.
constexpr TFarbe fokusFarbe = RGB(0, 70, 200);

// A frame `breite` pixels wide just outside the control that has the focus in
// one window, drawn over everything around it and never taking a click. It
// follows the focus and the control's place, and hides while the focus is
// elsewhere. In the menu bar it frames the item the keys are on.
class TFokusRahmen : public QWidget {
    Q_OBJECT
public:
    static constexpr int breite = 2;
    explicit TFokusRahmen(QWidget* fenster);
    QWidget* Ziel() const { return ziel_; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void folge(QWidget* neu);
    void lege();

    QPointer<QWidget> ziel_;
};

// Opens the menu bar for the keys (first item marked, arrows move, Return
// chooses, Escape leaves) or, if it is open for them already, leaves it.
void OeffneMenueleiste(QMenuBar* leiste);

// F10 for the window's menu bar, the focus frame, and a guard that moves the
// keys on when they land on a hidden or disabled control, for one window.
void RichteTastaturEin(QWidget* fenster, QMenuBar* leiste);

// The controls that Tab reaches, in reading order: rows from top to bottom
// (controls whose heights overlap share a row), left to right in a row; where
// a tall control stands beside several rows (a drawing beside its check
// boxes), the rows split into columns, each read top to bottom.
QList<QWidget*> Lesefolge(QWidget* fenster);

// Whether Tab can stop at the control now: shown, enabled, and of a radio
// group with a chosen button only the chosen one.
bool TabZiel(const QWidget* w);

// The control nearest to `weg` in reading order that Tab can stop at now:
// the next one after it, else the one before; nullptr if there is none.
QWidget* NaechstesTabZiel(QWidget* fenster, QWidget* weg);

// After a change of what the window shows: if the control with the keys (or,
// while the menu bar has them, the one it gives them back to) is hidden or
// disabled now, or the keys got lost with it, they move to the nearest one.
void HalteFokusSichtbar(QWidget* fenster);

// Sets the window's Tab order to the reading order and returns the first
// control that can take the focus now (nullptr if there is none).
QWidget* OrdneTabfolge(QWidget* fenster);
