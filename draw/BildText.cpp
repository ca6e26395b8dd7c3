#include "draw/BildText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The fewest significant digits (1..9) whose text reads back as `wert`.
int Stellen(float wert)
{
    char puffer[40];
    for (int stellen = 1; stellen < 9; ++stellen) {
        std::snprintf(puffer, sizeof puffer, "%.*e", stellen - 1, double(wert));
        if (std::strtof(puffer, nullptr) == wert)
            return stellen;
    }
    return 9;
}

// "12.50" → "12.5", "3.000" → "3"; a text without a point stays.
std::string OhneNullen(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

std::string KurzZahl(float wert)
{
    if (wert == 0.0f)
        return "0";
    if (!std::isfinite(wert))
        return std::isnan(wert) ? "nan" : (wert > 0 ? "inf" : "-inf");
    const int stellen = Stellen(wert);
    char puffer[64];
    // The decimal exponent after rounding to `stellen` digits (9.996 to 3 is 1.00e+01).
    std::snprintf(puffer, sizeof puffer, "%.*e", stellen - 1, double(wert));
    const int exponent = std::atoi(std::strchr(puffer, 'e') + 1);
    if (exponent < -5 || exponent >= 9) {
        std::string text = puffer;
        const std::size_t e = text.find('e');
        return OhneNullen(text.substr(0, e)) + text.substr(e);
    }
    const int nachkomma = stellen - 1 - exponent;
    std::snprintf(puffer, sizeof puffer, "%.*f", nachkomma > 0 ? nachkomma : 0, double(wert));
    return OhneNullen(puffer);
}

std::string BildAlsText(const TBild& bild)
{
    std::string text;
    for (const TBildTeil& teil : bild.teile)
        text += Text(teil) + '\n';
    return text;
}
