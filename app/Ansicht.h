// How big the windows are shown on this screen: fitted to its free area when
// they open, the pupil's zoom (menu "Ansicht", kept for the next start) and
// full screen for a projector. The program switches this on; the picture
// tool and most tests show the design's windows as they are.
#pragma once

#include <QMargins>
#include <QRect>
#include <functional>

class QMenu;
class QMenuBar;
class QWidget;

namespace ansicht {

// Switches fitting, the menu and the keys on; with `einstellungen` the zoom is
// read from and kept in the user's settings.
void Einschalten(bool einstellungen = true);
bool An();

// The zoom the pupil chose (0.5 to 3; 1 by default).
qreal Wunsch();
void SetzeWunsch(qreal skala);
// The next zoom step above and below `skala`.
qreal Groesser(qreal skala);
qreal Kleiner(qreal skala);

// The scale a window opens at: `wunsch` where the window of `groesse` (at
// scale 1, without its frame) fits with its frame into `frei`, otherwise the
// largest scale that fits, never below 0.6 (unless the pupil wished less).
qreal PassendeSkala(QSize groesse, QMargins rahmen, QSize frei, qreal wunsch);

// Where a window of `groesse` with frame `rahmen` goes: centred on `mitte`,
// moved inside `frei` so that neither its title bar nor its lower edge is off
// the free area. The position of the frame's top-left corner.
QPoint Platz(QSize groesse, QMargins rahmen, QRect frei, QPoint mitte);

// The frame the window system puts round `fenster`; where it is not known yet,
// the frame seen last on another window, or a usual one.
QMargins Rahmen(const QWidget* fenster);

// Scales `fenster` by `skaliere` to the scale it should open at and places it
// on its screen, centred on `mitte`. Returns the scale.
qreal Einpassen(QWidget* fenster, const std::function<void(qreal)>& skaliere, QPoint mitte);

// The menu "Ansicht" at the end of `leiste`: "Vergrößern", "Verkleinern",
// "Originalgröße" and, where `vollbild` is given, "Vollbild" (F11).
QMenu* BaueMenue(QMenuBar* leiste, QWidget* fenster, const std::function<void(qreal)>& skaliere,
                 const std::function<void(bool)>& vollbild = {});

} // namespace ansicht
