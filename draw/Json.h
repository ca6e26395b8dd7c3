// Small JSON writing for what the core hands to a web page: values are
// written as text here, so that numbers read the same wherever the core runs.
#pragma once

#include "draw/Stil.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace json {

// A JSON value, already written.
struct TWert {
    std::string text;
    TWert(std::string_view s);   // a string, quoted and escaped
    TWert(const char* s) : TWert(std::string_view(s)) {}
    TWert(const std::string& s) : TWert(std::string_view(s)) {}
    TWert(int zahl) : text(std::to_string(zahl)) {}
    TWert(bool ja) : text(ja ? "true" : "false") {}
    TWert(float zahl);           // KurzZahl; null where not finite
    static TWert Roh(std::string text);
};

TWert Farbe(TFarbe f); // "#rrggbb"
TWert Objekt(const std::vector<std::pair<std::string_view, TWert>>& felder);
TWert Liste(const std::vector<TWert>& werte);
TWert Liste(const std::vector<std::string>& texte);
TWert Null();

} // namespace json
