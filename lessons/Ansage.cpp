#include "lessons/Ansage.h"

#include "draw/Texte.h"

#include <algorithm>
#include <string_view>

namespace lektion {

namespace {

std::string Ohne(std::string_view s)
{
    const auto anfang = s.find_first_not_of(' ');
    if (anfang == std::string_view::npos)
        return {};
    const auto ende = s.find_last_not_of(' ');
    return std::string(s.substr(anfang, ende - anfang + 1));
}

// Splits at `trenner`, keeping the separator's first character (the full
// stop or semicolon) with the piece before it; pieces come trimmed.
std::vector<std::string> Teile(std::string_view text, std::string_view trenner)
{
    std::vector<std::string> teile;
    std::size_t von = 0;
    for (std::size_t bei = text.find(trenner); bei != std::string_view::npos; bei = text.find(trenner, von)) {
        if (std::string t = Ohne(text.substr(von, bei + 1 - von)); !t.empty())
            teile.push_back(std::move(t));
        von = bei + trenner.size();
    }
    if (std::string t = Ohne(text.substr(von)); !t.empty())
        teile.push_back(std::move(t));
    return teile;
}

std::vector<std::string> Saetze(std::string_view text)
{
    // Lines of a multi-line instruction read as sentences of their own.
    std::string flach(text);
    std::replace(flach.begin(), flach.end(), '\n', ' ');
    return Teile(flach, ". ");
}

bool Enthalten(const std::vector<std::string>& liste, const std::string& s)
{
    return std::find(liste.begin(), liste.end(), s) != liste.end();
}

// The items of a list ("a; b; c."), without their separators.
std::vector<std::string> Eintraege(std::string_view liste)
{
    std::vector<std::string> eintraege = Teile(liste, "; ");
    for (std::string& e : eintraege)
        while (!e.empty() && (e.back() == ';' || e.back() == '.'))
            e.pop_back();
    return eintraege;
}

// "Gezeichnet: a; b; c." after "Gezeichnet: a; b." is "Gezeichnet: c."
std::string NurNeueEintraege(const std::string& satz, const std::vector<std::string>& alteSaetze)
{
    const auto doppelpunkt = satz.find(": ");
    if (doppelpunkt == std::string::npos)
        return satz;
    const std::string kopf = satz.substr(0, doppelpunkt + 2);
    const auto alt = std::find_if(alteSaetze.begin(), alteSaetze.end(),
                                  [&](const std::string& a) { return a.rfind(kopf, 0) == 0; });
    if (alt == alteSaetze.end())
        return satz;
    const std::vector<std::string> alteEintraege = Eintraege(std::string_view(*alt).substr(kopf.size()));
    const std::vector<std::string> alle = Eintraege(std::string_view(satz).substr(kopf.size()));
    std::vector<std::string> neue;
    for (const std::string& e : alle)
        if (!Enthalten(alteEintraege, e))
            neue.push_back(e);
    if (neue.empty() || neue.size() == alle.size())
        return satz;
    return kopf + Verbunden(neue, "; ") + ".";
}

void NeueSaetze(const std::string& vorher, const std::string& nachher, std::vector<std::string>& ansage)
{
    const std::vector<std::string> alte = Saetze(vorher);
    for (const std::string& satz : Saetze(nachher)) {
        if (Enthalten(alte, satz))
            continue;
        std::string neu = NurNeueEintraege(satz, alte);
        // A sentence said already (the step's instruction is in the drawing's description too).
        const bool gesagt = std::any_of(ansage.begin(), ansage.end(), [&](const std::string& s) {
            return s.find(neu) != std::string::npos || neu.find(s) != std::string::npos;
        });
        if (gesagt) {
            for (std::string& s : ansage)
                if (neu.find(s) != std::string::npos && neu.size() > s.size())
                    s = neu; // the longer one holds the shorter
            continue;
        }
        ansage.push_back(std::move(neu));
    }
}

const std::string& Bei(const std::vector<std::string>& texte, std::size_t i)
{
    static const std::string leer;
    return i < texte.size() ? texte[i] : leer;
}

} // namespace

TVorlesestand Vorlesestand(const TLektion& lektion)
{
    TVorlesestand stand;
    const std::size_t n = lektion.Layout().bereiche.size();
    for (std::size_t i = 0; i < n; ++i) {
        stand.titel.push_back(lektion.Titel(int(i)));
        stand.anweisungen.push_back(lektion.Anweisung(int(i)));
        stand.beschreibungen.push_back(lektion.Beschreibung(int(i)));
    }
    return stand;
}

std::string Ansage(const TVorlesestand& vorher, const TVorlesestand& nachher)
{
    std::vector<std::string> ansage;
    for (std::size_t i = 0; i < nachher.beschreibungen.size(); ++i) {
        NeueSaetze(Bei(vorher.titel, i), Bei(nachher.titel, i), ansage);
        NeueSaetze(Bei(vorher.anweisungen, i), Bei(nachher.anweisungen, i), ansage);
        NeueSaetze(Bei(vorher.beschreibungen, i), Bei(nachher.beschreibungen, i), ansage);
    }
    std::string text;
    for (const std::string& satz : ansage)
        text += (text.empty() ? "" : " ") + satz;
    return text;
}

} // namespace lektion
