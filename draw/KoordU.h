// The mapping between world units and the pixels of a drawing area: as a
// value for one area (TWeltfenster), and the one program-wide mapping that the
// painter's routines draw in, set before each drawing.
#pragma once

extern float weltXMin, weltXMax, weltYMin, weltYMax;
extern int pixLinks, pixRechts, pixOben, pixUnten;
extern int nullpunktX; // pixel column of world x = 0, counted from pixLinks
extern int nullpunktY; // pixel row of world y = 0 (includes pixUnten)
extern int einheitX;   // pixels per world unit across
extern int einheitY;   // pixels per world unit downwards, never negative
extern bool gitterAn;

// Nearest integer, ties to even, on the extended-precision value.
int Runden(long double wert);

// Sets the mapping and switches the grid off.
void SetzeWeltfenster(int pixLinks, int pixRechts, int pixOben, int pixUnten,
                      float xMin, float xMax, float yMin, float yMax);

// A point in world units, y growing upwards.
struct TWeltPunkt {
    float x = 0.0f;
    float y = 0.0f;
    bool operator==(const TWeltPunkt&) const = default;
};

// A point the pupil marked in a drawing, in world units; `gesetzt` once it is marked.
struct TMarkierPunkt {
    float x = 0;
    float y = 0;
    bool gesetzt = false;
};

// The world rectangle a drawing area shows.
struct TWeltRechteck {
    float xMin, xMax, yMin, yMax;
    bool operator==(const TWeltRechteck&) const = default;
};

// The mapping of one drawing area, as SetzeWeltfenster computes it, for
// whoever must convert without touching the program-wide one.
struct TWeltfenster {
    float weltXMin = 0, weltXMax = 0, weltYMin = 0, weltYMax = 0;
    int pixLinks = 0, pixRechts = 0, pixOben = 0, pixUnten = 0;
    int nullpunktX = 0, nullpunktY = 0;
    int einheitX = 0, einheitY = 0;

    TWeltfenster() = default;
    TWeltfenster(int links, int rechts, int oben, int unten, float xMin, float xMax, float yMin, float yMax);
    // Over a whole drawing area of the given size in pixels.
    TWeltfenster(int breite, int hoehe, const TWeltRechteck& welt);

    // A pixel of the area (from its left and top edge) in world units; the
    // origin where a scale is zero.
    TWeltPunkt ZuWelt(int px, int py) const;
    // A world point to the nearest pixel (ties to even).
    void ZuPixel(TWeltPunkt p, int& px, int& py) const;
    bool operator==(const TWeltfenster&) const = default;
};

// The mapping over a whole drawing area of the given size in pixels.
void SetzeWeltfenster(int breite, int hoehe, const TWeltRechteck& welt);
// The program-wide mapping as a value, and set from one (the grid switched off).
TWeltfenster AktuellesWeltfenster();
void SetzeWeltfenster(const TWeltfenster& welt);

// Pixel to world, for pixels measured from the viewport's left and top edge.
float PixelZuWeltX(int px);
float PixelZuWeltY(int py);
// World to pixel, unrounded, measured from the viewport's left and top edge.
float WeltZuPixelX(float x);
float WeltZuPixelY(float y);
