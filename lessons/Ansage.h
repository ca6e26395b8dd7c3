// What a screen reader says after an input: not every text of the window
// again, only what the input changed. A lesson's readable texts are taken
// before and after the input; the announcement is the new sentences among
// them, so a long drawing description shrinks to the part that is new.
#pragma once

#include "lessons/Lektion.h"

#include <string>
#include <vector>

namespace lektion {

// The texts a reader can hear of a lesson at one moment, per area.
struct TVorlesestand {
    std::vector<std::string> titel;
    std::vector<std::string> anweisungen;
    std::vector<std::string> beschreibungen;
    bool operator==(const TVorlesestand&) const = default;
};

TVorlesestand Vorlesestand(const TLektion& lektion);

// The sentences of `nachher` that `vorher` did not have, in reading order
// (per area: title, instruction, drawing), each said once. A list sentence
// ("Gezeichnet: a; b") that only grew says its label and its new items.
// Empty when nothing a reader hears has changed.
std::string Ansage(const TVorlesestand& vorher, const TVorlesestand& nachher);

} // namespace lektion
