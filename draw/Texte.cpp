#include "draw/Texte.h"

#include "draw/GlobalU.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

// Adds one to the decimal digits in `ziffern` (no point, no sign), carrying.
void AufrundenUm1(std::string& ziffern)
{
    for (std::size_t i = ziffern.size(); i-- > 0;) {
        if (ziffern[i] != '9') {
            ++ziffern[i];
            return;
        }
        ziffern[i] = '0';
    }
    ziffern.insert(ziffern.begin(), '1');
}

bool IstLeerzeichen(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

std::string ZahlFest(double wert, int stellen)
{
    stellen = std::clamp(stellen, 0, 20);
    if (!std::isfinite(wert))
        return std::isnan(wert) ? "nan" : (wert < 0 ? "-inf" : "inf");
    // Sixty digits more than shown decide a tie: a double that is not a tie
    // lies further than that from one (for up to 20 decimals), so digits
    // printed to that depth never fake one.
    const int genau = stellen + 60;
    char puffer[400];
    std::snprintf(puffer, sizeof puffer, "%.*f", genau, std::fabs(wert));
    const std::string alles(puffer);
    const std::size_t punkt = alles.find('.');
    std::string ziffern = alles.substr(0, punkt) + alles.substr(punkt + 1, stellen);
    // Ties away from zero: the first dropped digit decides.
    if (alles[punkt + 1 + stellen] >= '5')
        AufrundenUm1(ziffern);
    const std::size_t ganz = ziffern.size() - stellen;
    std::string text = ziffern.substr(0, ganz);
    if (stellen > 0)
        text += "." + ziffern.substr(ganz);
    return (wert < 0 ? "-" : "") + text;
}

std::string Satz(std::string_view muster, const std::vector<TLuecke>& luecken)
{
    std::string text;
    text.reserve(muster.size() + 16 * luecken.size());
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const bool luecke = muster[i] == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' && muster[i + 1] <= '9'
                            && std::size_t(muster[i + 1] - '1') < luecken.size();
        if (luecke) {
            text += luecken[std::size_t(muster[i + 1] - '1')].text;
            ++i;
        } else {
            text += muster[i];
        }
    }
    return text;
}

namespace {

// The first letter changed by `gross`; umlauts are two bytes in UTF-8, 0xC3
// and a second byte 0x20 apart between the cases.
std::string Anfang(std::string text, bool gross)
{
    if (text.empty())
        return text;
    const unsigned char c = static_cast<unsigned char>(text[0]);
    if (c < 0x80) {
        text[0] = static_cast<char>(gross ? std::toupper(c) : std::tolower(c));
    } else if (c == 0xC3 && text.size() > 1) {
        const unsigned char z = static_cast<unsigned char>(text[1]);
        const bool umlautGross = z == 0x84 || z == 0x96 || z == 0x9C;
        const bool umlautKlein = z == 0xA4 || z == 0xB6 || z == 0xBC;
        if (gross && umlautKlein)
            text[1] = static_cast<char>(z - 0x20);
        else if (!gross && umlautGross)
            text[1] = static_cast<char>(z + 0x20);
    }
    return text;
}

} // namespace

std::string GrossAnfang(std::string text) { return Anfang(std::move(text), true); }
std::string KleinAnfang(std::string text) { return Anfang(std::move(text), false); }

std::string Ersetzt(std::string text, std::string_view alt, std::string_view neu)
{
    if (alt.empty())
        return text;
    for (std::size_t i = text.find(alt); i != std::string::npos; i = text.find(alt, i + neu.size()))
        text.replace(i, alt.size(), neu);
    return text;
}

std::string Verbunden(const std::vector<std::string>& teile, std::string_view trenner)
{
    std::string text;
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (i > 0)
            text += trenner;
        text += teile[i];
    }
    return text;
}

std::string OhneFuellzeichen(std::string_view caption)
{
    std::string text;
    bool luecke = false;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '&' && !(i + 1 < caption.size() && caption[i + 1] == '&'))
            continue;
        if (IstLeerzeichen(static_cast<unsigned char>(c))) {
            luecke = !text.empty();
            continue;
        }
        if (luecke)
            text += ' ';
        luecke = false;
        text += c;
    }
    return text;
}

std::string ZahlFuerLeser(float wert, int stellen)
{
    std::string text = ZahlText(wert, stellen);
    if (text.find(',') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == ',')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    if (!text.empty() && text[0] == '-')
        text = "\u2212" + text.substr(1);
    return text;
}

std::string PunktText(std::string_view name, float x, float y, int stellen)
{
    return Satz("%1(%2|%3)", {std::string(name), ZahlFuerLeser(x, stellen), ZahlFuerLeser(y, stellen)});
}

std::string MarkierText(const TMarkierPunkt* punkte, int markiert, int anzahl)
{
    std::vector<std::string> gesetzt;
    for (int i = 1; i <= markiert; ++i)
        gesetzt.push_back(PunktText(Satz("P%1", {i}), punkte[i].x, punkte[i].y));
    const std::string text = Satz("%1 von %2 Punkten im rot punktierten Rahmen markiert", {markiert, anzahl});
    if (gesetzt.empty())
        return text + '.';
    return text + ": " + Verbunden(gesetzt, ", ") + '.';
}

std::string Klartext(std::string_view markup)
{
    // The Latin keys of the Symbol font for the Greek letters the course uses.
    static constexpr std::string_view latein = "abgdezhqiklmnxoprstufcyw";
    static const char* const griechisch[] = {"α", "β", "γ", "δ", "ε", "ζ", "η", "θ", "ι", "κ", "λ", "μ",
                                             "ν", "ξ", "ο", "π", "ρ", "σ", "τ", "υ", "φ", "χ", "ψ", "ω"};
    std::string text;
    bool griechischesZeichen = false;
    for (const char c : markup) {
        if (c == '!' || c == '^' || c == '#')
            continue;
        if (c == '~' || c == '*') {
            griechischesZeichen = true;
            continue;
        }
        const std::size_t i = griechischesZeichen ? latein.find(c) : std::string_view::npos;
        if (i != std::string_view::npos)
            text += griechisch[i];
        else
            text += c;
        griechischesZeichen = false;
    }
    return text;
}
