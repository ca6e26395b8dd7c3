#include "lessons/Zeichnung.h"

#include "draw/Aufnahme.h"
#include "draw/Zeichne.h"

namespace lektion {

void MaleBereich(TMalflaeche& lw, const TBereich& b, const TBild& bild)
{
    const int breite = b.weltBreite > 0 ? b.weltBreite : b.grafik.breite;
    const int hoehe = b.weltHoehe > 0 ? b.weltHoehe : b.grafik.hoehe;
    if (!b.grund) {
        SetzeWeltfenster(breite, hoehe, b.welt);
    } else {
        // White also beyond the pixels the world window spans.
        if (breite < b.grafik.breite || hoehe < b.grafik.hoehe) {
            lw.pinsel = {clWhite, bsSolid};
            lw.FillRect(0, 0, b.grafik.breite, b.grafik.hoehe);
        }
        BeginneZeichnung(lw, breite, hoehe, b.welt, b.gitter);
    }
    Zeichne(lw, bild);
}

std::string BereichAlsJson(const TBereich& b, const TBild& bild)
{
    TAufnahme aufnahme;
    MaleBereich(aufnahme, b, bild);
    return aufnahme.Json();
}

} // namespace lektion
