// The start page and the information page as every front end shows them:
// their texts, pictures and menu, and what their canvases draw. No toolkit.
#pragma once

#include "draw/Malflaeche.h"

#include <string>
#include <vector>

namespace seiten {

extern const char* const startTitel;
extern const char* const startUntertitel;
extern const char* const version;
extern const char* const autor;

// One line of the history page: its top in world y and its text, with the
// highlighted words between "#" marks.
struct TGeschichtsZeile {
    float y;
    std::string text;
};
const std::vector<TGeschichtsZeile>& GeschichtsZeilen();

// A picture of a page: where it lies (client pixels), its file in the
// resources, and what a reader hears of it.
struct TSeitenBild {
    int links, oben, breite, hoehe;
    std::string datei, name, beschreibung;
};
const TSeitenBild& StartBild();
const std::vector<TSeitenBild>& InfoBilder();

// The start window's menu: a top-level item opens a lesson or page itself
// (`ziel`) or holds `punkte`. `name` is the item's object name ("menArten"),
// `ziel` the lesson's name ("Winkel1"), "Information" or "Beenden".
struct TMenuePunkt {
    std::string name, text, ziel;
    std::vector<TMenuePunkt> punkte;
};
const std::vector<TMenuePunkt>& StartMenue();

// The start window's background: wide green stripes every 5 rows brightening
// downwards, then thin black lines every 7 rows, all across `breite` pixels
// while the row is less than `aussenHoehe`.
void ZeichneStreifen(TMalflaeche& lw, int breite, int aussenHoehe);
// The two title lines on the start window's text box; sets the world window.
void ZeichneStartTitel(TMalflaeche& lw);
// The history page; sets the world window.
void ZeichneInfoSeite(TMalflaeche& lw);

// For a web page: the start page's canvas (1016 × 714: the stripes, the
// titles in their box at 8, 8), the information page's (1016 × 722), the
// menu and the pictures, as JSON.
std::string StartseiteAlsJson();
std::string InfoseiteAlsJson();
std::string StartMenueAlsJson();
std::string SeitenBilderAlsJson();

} // namespace seiten
