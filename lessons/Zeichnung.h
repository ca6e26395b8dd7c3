// How a lesson's drawing area paints, on any canvas: the one rule that the
// desktop window and a web page share.
#pragma once

#include "draw/Bild.h"
#include "draw/Malflaeche.h"
#include "lessons/Lektion.h"

#include <string>

namespace lektion {

// The world window over the area's pixels (or the part the lesson names);
// where the area has a ground, white and the grid first; then the picture.
void MaleBereich(TMalflaeche& lw, const TBereich& b, const TBild& bild);

// The same as pixel operations for a web page's canvas (JSON).
std::string BereichAlsJson(const TBereich& b, const TBild& bild);

} // namespace lektion
