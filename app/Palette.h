// The light colours every window of the program is drawn in, whatever the
// desktop's theme: a dark theme must not turn the menu bars, buttons, fields
// and marks into light text on light grey.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Every role the windows use, in the light colours of the window system the
// program was designed for, with `flaeche` as the window colour.
QPalette HellePalette(QColor flaeche = QColor(239, 239, 239));

// Gives the menus of `fenster` the light palette: they are windows of their
// own, and Qt hands them no palette.
void HelleMenues(QWidget* fenster);
