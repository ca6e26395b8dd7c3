// The order in which the keys walk a window's controls, from where they stand
// alone: every front end orders its Tab chain by it.
#pragma once

#include "lessons/Lektion.h"

#include <vector>

namespace lektion {

// The indices of `orte` (the controls' rectangles in the window) in reading
// order: rows from top to bottom (controls whose heights overlap share a row),
// left to right in a row; where a tall control stands beside several rows (a
// drawing beside its check boxes), the rows split into columns, each read top
// to bottom. Controls that overlap both ways go top left first.
std::vector<int> Lesefolge(const std::vector<TRechteck>& orte);

} // namespace lektion
