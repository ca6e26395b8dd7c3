// The drawing areas of a lesson window one by one, for the comparison of the
// desktop's painting with the browser's: per area the desktop's own rendering
// at 1:1 as PNG and, where the core records it, its pixel operations as JSON.
#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// Writes <name>.<area>.png (and .json) into `ziel` for every drawing area of
// `fenster` if it is a lesson window; returns the number of files that could
// not be written.
int SchreibeZeichnungen(QWidget* fenster, const QString& name, const QDir& ziel);
