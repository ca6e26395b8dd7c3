// Paints pixel operations (the JSON a drawing is handed to the browser as)
// with the desktop canvas: what the browser's painter is compared against for
// operations written by hand.
#pragma once

#include <QImage>
#include <QJsonArray>

// The operations on a `breite` × `hoehe` image with the window face under them.
QImage SpieleAb(const QJsonArray& ops, int breite, int hoehe);
