// Names a screen reader can tell apart: controls of one window that it would
// call alike (the step groups of two drawings, their "Ja" buttons) get where
// they stand, or the group they lie in, added to the name it hears.
#pragma once

#include "lessons/Lektion.h"

#include <string>
#include <vector>

namespace lektion {

// One control as a reader hears it on its own.
struct TBenannt {
    std::string name;   // empty: the reader hears nothing to tell apart
    std::string gruppe; // the name of the group it lies in; empty outside groups
    TRechteck ort;      // its place in the window
};

// Words for the places of alike controls, one per rectangle: side by side
// "links", "in der Mitte", "rechts"; one above the other "oben", "unten";
// else numbers from the top (at one height from the left).
std::vector<std::string> Ortswoerter(const std::vector<TRechteck>& orte);

// The name to give each control: alike ones in differently named groups get
// their group ("Ja, Neuer Versuch links"), other alike ones their place
// ("Neues Dreieck rechts"); empty where the control's own name is alone.
// Pass groups themselves without a group name: they are told apart by place.
std::vector<std::string> Unterscheide(const std::vector<TBenannt>& steuer);

} // namespace lektion
