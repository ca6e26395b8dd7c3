// The one program-wide mapping between world units and the pixels of a
// drawing area, and the coordinate grid drawn with it. A paint handler sets it
// before it draws; a mouse handler uses the one that was set last.
#pragma once

class Leinwand;

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

// The world rectangle a drawing area shows.
struct TWeltRechteck {
    float xMin, xMax, yMin, yMax;
};
// The mapping over a whole drawing area of the given size in pixels.
void SetzeWeltfenster(int breite, int hoehe, const TWeltRechteck& welt);
// How every repaint of a drawing area begins: the mapping over the whole area,
// the grid switched on where the lesson wants it, a white fill, then the grid.
void BeginneZeichnung(Leinwand& leinwand, int breite, int hoehe, const TWeltRechteck& welt,
                      bool mitGitter = false);

// Pixel to world, for pixels measured from the viewport's left and top edge.
float PixelZuWeltX(int px);
float PixelZuWeltY(int py);
// World to pixel, unrounded, measured from the viewport's left and top edge.
float WeltZuPixelX(float x);
float WeltZuPixelY(float y);

// The axes in grey and a black dot at every whole unit, if gitterAn is set.
void ZeichneGitter(Leinwand& leinwand);
