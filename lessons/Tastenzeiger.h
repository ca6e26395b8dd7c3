// The keyboard pointer in a drawing, the same on every front end: arrows move
// it by 10 design pixels, with Shift by 1; Space presses the left button at it
// and lets it go again, Return clicks. It stays in the drawing, and while its
// press drags something, in the band the lesson holds the drag in. A front end
// maps its key events to these keys, draws the cross-hair and passes the
// inputs on that the pointer sends.
#pragma once

#include "lessons/Lektion.h"

#include <functional>
#include <optional>

namespace lektion {

// A web page passes them as numbers, 0 to 5 in this order.
enum class TTaste { Links, Rechts, Hoch, Runter, Leertaste, Eingabe };

// Design pixels of a drawing, both edges included.
struct TPixelband {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    bool operator==(const TPixelband&) const = default;
};

struct TTastenzeiger {
    int x = 0, y = 0; // the aimed design pixel
    bool gedrueckt = false;
    std::optional<TPixelband> band; // holds it from its press to its release, if the drag asks for it
    bool operator==(const TTastenzeiger&) const = default;
};

// The drawing the keys act on and the lesson behind it.
struct TZeigerZiel {
    int breite = 0, hoehe = 0;
    // Passes an input on; after a press, answers the band its drag holds the pointer in.
    std::function<std::optional<TPixelband>(TZeigerArt, int x, int y)> sende;
    // Asked after a press: a refused press (its message took the keys) is let go at once.
    std::function<bool()> behaeltTasten;
    // Holds the pointer while no drag of its own does (a confined mouse's band).
    std::optional<TPixelband> halt;
};

// Where it starts in a drawing of this size: up right of the middle, clear of axes there.
TTastenzeiger Startzeiger(int breite, int hoehe);

// A pixel kept in the band: the nearer edge where it lies outside.
int ImBand(int wert, int von, int bis);

// Moved by (dx, dy), kept in the drawing and in `halt` if there is one.
TTastenzeiger Bewegt(TTastenzeiger z, int dx, int dy, int breite, int hoehe, const std::optional<TPixelband>& halt);

// One key. `z` is the front end's own: an input may let go of the button
// through it (a message that takes the keys). True where the pointer was
// aimed, so that a reader hears its place.
bool Taste(TTastenzeiger& z, TTaste taste, bool shift, bool wiederholt, const TZeigerZiel& ziel);

// Lets go of the button, where the drag holds the pointer; nothing if it is up.
void Loese(TTastenzeiger& z, const TZeigerZiel& ziel);

// A mouse press at (x, y) takes over: it ends a drag by keys first, and the
// keys go on from there if the drawing has them.
void MausDruck(TTastenzeiger& z, int x, int y, bool mitTasten, const TZeigerZiel& ziel);

// The band of a lesson's running drag in its area's design pixels.
std::optional<TPixelband> Ziehband(const TLektion& l, int bereich);

} // namespace lektion
