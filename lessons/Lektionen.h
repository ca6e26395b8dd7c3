// The nine lessons by name, for a front end that opens them by name (a web
// page, the comparison of the core's builds).
#pragma once

#include "lessons/Lektion.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lektion {

// "Winkel1" … "Winkel3", "Symmetrie1", "Symmetrie2", "Dreieck0" … "Dreieck3".
const std::vector<std::string>& LektionsNamen();
// A new lesson, not yet activated; empty for an unknown name.
std::unique_ptr<TLektion> NeueLektion(std::string_view name);

} // namespace lektion
