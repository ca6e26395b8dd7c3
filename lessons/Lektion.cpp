#include "lessons/Lektion.h"

#include "draw/Texte.h"

namespace lektion {

namespace {

// The instruction label fills its panel inside the 2-pixel bevel.
TBereich MitLabels(TBereich b)
{
    b.lblStatus = {2, 2, b.status.breite - 4, b.status.hoehe - 4};
    return b;
}

} // namespace

TBereich EinBereich(std::string name, TWeltRechteck welt)
{
    return MitLabels({std::move(name), "Zeichnung", {4, 5, 1007, 70}, {10, 2, 987, 66}, {4, 86, 1007, 488},
                      {7, 90, 1000, 480}, {4, 655, 1007, 55}, {}, welt});
}

TBereich LinkerBereich(std::string name, TWeltRechteck welt)
{
    return MitLabels({std::move(name), "Zeichnung links", {5, 5, 488, 70}, {5, 2, 475, 66}, {5, 86, 488, 488},
                      {9, 90, 480, 480}, {6, 655, 488, 50}, {}, welt});
}

TBereich RechterBereich(std::string name, TWeltRechteck welt)
{
    return MitLabels({std::move(name), "Zeichnung rechts", {525, 5, 488, 70}, {5, 2, 475, 66}, {525, 86, 488, 488},
                      {529, 90, 480, 480}, {525, 655, 488, 50}, {}, welt});
}

int TLektion::Steuer(std::string_view name) const
{
    const std::vector<TSteuer>& alle = Layout().steuer;
    for (std::size_t i = 0; i < alle.size(); ++i)
        if (alle[i].name == name)
            return int(i);
    return -1;
}

int TLektion::Bereich(std::string_view name) const
{
    const std::vector<TBereich>& alle = Layout().bereiche;
    for (std::size_t i = 0; i < alle.size(); ++i)
        if (alle[i].name == name)
            return int(i);
    return -1;
}

std::string TLektion::ZeigerOrt(int, TWeltPunkt p) const { return Ort(p); }

std::string TLektion::Ort(TWeltPunkt p, std::string_view was)
{
    // A point without a name reads as its coordinates: "(2,5|−3)".
    std::string text = PunktText("", p.x, p.y);
    if (!was.empty())
        text.append(", ").append(was);
    return text;
}

std::string TLektion::MitTasten(int bereich, std::string beschreibung) const
{
    const TBereich& b = Layout().bereiche.at(std::size_t(bereich));
    if (!b.zeiger)
        return beschreibung;
    // Said once, the same in every lesson; holding the button only matters where something is dragged.
    if (!beschreibung.empty() && beschreibung.back() != '.')
        beschreibung += '.';
    beschreibung += b.ziehen ? " Pfeiltasten bewegen den Zeiger, Leertaste hält gedrückt, Eingabetaste klickt."
                             : " Pfeiltasten bewegen den Zeiger, Eingabetaste klickt.";
    return beschreibung;
}

} // namespace lektion
