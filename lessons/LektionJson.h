// A lesson's layout and its controls' states as JSON, for a front end that
// builds its controls from data it reads (a web page).
#pragma once

#include "lessons/Lektion.h"

#include <string>

namespace lektion {

// Everything of the layout: caption, size, areas, controls and menu items,
// each field by its name in TBereich and TSteuer; TArt by its name ("Schritte").
std::string LayoutAlsJson(const TLayout& layout);
// Every field of the state; what is left as it was is null.
std::string SteuerzustandAlsJson(const TSteuerZustand& zustand);
std::string ArtName(TArt art);

} // namespace lektion
