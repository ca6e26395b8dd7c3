// A picture as text, the same bytes wherever the core runs (natively or in
// WebAssembly): one line per item, every field, numbers formatted here and not
// by a front end's own number printing.
#pragma once

#include "draw/Bild.h"

#include <string>

// The shortest decimal text that reads back as the same float ("0.1", "-14.9",
// "1e-19"); plain decimals from 1e-5 to 1e9, exponent form beyond. Lossless, so
// two pictures print the same exactly when their numbers are the same; -0 is
// "0", as it draws the same and compares equal.
std::string KurzZahl(float wert);

// Every item of the picture in drawing order, one line each, "\n" after each.
std::string BildAlsText(const TBild& bild);

// The picture as a JSON array for a painter of its own (a web page's canvas):
// one object per item, "art" its kind ("Strecke", "Kreis" …), then its fields
// by their names here; points are [x, y], colours "#rrggbb", fonts objects.
std::string BildAlsJson(const TBild& bild);
