// Names a screen reader can tell apart: two controls of one window that it
// would call alike (the step groups of two drawings, their "Ja" buttons) get
// where they stand added to the name it hears. Captions stay as they are.
#pragma once

class QWidget;

// Groups first: alike ones get their place ("Neuer Versuch links"). Then the
// controls Tab reaches: alike ones in differently named groups get their
// group ("Ja, Neuer Versuch links"), others their place ("Neues Dreieck
// rechts"). Runs again after every change of captions; a name the window set
// itself is kept as the base.
void EindeutigeNamen(QWidget* fenster);
