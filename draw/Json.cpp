#include "draw/Json.h"

#include "draw/BildText.h"

#include <cmath>
#include <cstdio>

namespace json {

TWert::TWert(std::string_view s) : text("\"")
{
    for (const char c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (u < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", unsigned(u));
            text += puffer;
        } else {
            text += c; // UTF-8 passes unchanged
        }
    }
    text += '"';
}

TWert::TWert(float zahl) : text(std::isfinite(zahl) ? KurzZahl(zahl) : "null") {}

TWert TWert::Roh(std::string text)
{
    TWert w(0);
    w.text = std::move(text);
    return w;
}

TWert Farbe(TFarbe f)
{
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "#%06x", unsigned(f & 0xFFFFFF));
    return TWert(std::string_view(puffer));
}

TWert Objekt(const std::vector<std::pair<std::string_view, TWert>>& felder)
{
    std::string text = "{";
    for (const auto& [name, wert] : felder) {
        if (text.size() > 1)
            text += ',';
        text += TWert(name).text + ':' + wert.text;
    }
    return TWert::Roh(text + '}');
}

TWert Liste(const std::vector<TWert>& werte)
{
    std::string text = "[";
    for (const TWert& wert : werte) {
        if (text.size() > 1)
            text += ',';
        text += wert.text;
    }
    return TWert::Roh(text + ']');
}

TWert Liste(const std::vector<std::string>& texte)
{
    std::vector<TWert> werte;
    for (const std::string& t : texte)
        werte.emplace_back(t);
    return Liste(werte);
}

TWert Null() { return TWert::Roh("null"); }

} // namespace json
