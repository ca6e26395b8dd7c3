// Texts without Qt: numbers as the pupil sees them, sentences with numbered
// gaps, and what a screen reader says for points, numbers and marked-up labels.
// Texts are UTF-8.
#pragma once

#include "draw/KoordU.h"

#include <string>
#include <string_view>
#include <vector>

// Fixed-point with `stellen` decimals and a decimal point, rounded as Qt's
// QString::number(wert, 'f', stellen) rounds: the exact binary value, ties away
// from zero (2.25 → "2.3", 22.5 → "23", but 0.15 → "0.1"); negative zero has no sign.
std::string ZahlFest(double wert, int stellen);

// One gap of a sentence: a text or a whole number.
struct TLuecke {
    std::string text;
    TLuecke(std::string t) : text(std::move(t)) {}
    TLuecke(const char* t) : text(t) {}
    TLuecke(int zahl) : text(std::to_string(zahl)) {}
    TLuecke(long zahl) : text(std::to_string(zahl)) {}
    TLuecke(unsigned long zahl) : text(std::to_string(zahl)) {}
};
// `muster` with %1 … %9 replaced by the gaps in order; a gap's own text is
// not searched again. "%1 von %2" with 2 and 3 gives "2 von 3".
std::string Satz(std::string_view muster, const std::vector<TLuecke>& luecken);

// Whether `teil` occurs in `text`.
inline bool Enthaelt(std::string_view text, std::string_view teil) { return text.find(teil) != std::string_view::npos; }

// The text with its first letter in upper or lower case (ASCII letters and
// the German umlauts).
std::string GrossAnfang(std::string text);
std::string KleinAnfang(std::string text);

// The text with every `alt` replaced by `neu`.
std::string Ersetzt(std::string text, std::string_view alt, std::string_view neu);

// The texts joined with `trenner` between them.
std::string Verbunden(const std::vector<std::string>& teile, std::string_view trenner);

// A caption as a reader says it: no accelerator ampersands ("&&" stays one
// "&"), no blanks at either end, one blank between words.
std::string OhneFuellzeichen(std::string_view caption);

// A number as a reader says it: "−2,5", "14": at most `stellen` decimals,
// trailing zeros dropped, a real minus sign, never "−0".
std::string ZahlFuerLeser(float wert, int stellen = 1);
// A point as a reader says it: "A(−14|−10)".
std::string PunktText(std::string_view name, float x, float y, int stellen = 1);
// The points marked so far in a drawing that waits for `anzahl` of them
// (punkte[1..markiert]): "1 von 3 Punkten im rot punktierten Rahmen markiert: P1(2|−3)."
std::string MarkierText(const TMarkierPunkt* punkte, int markiert, int anzahl);

// A marked-up drawing text as a reader says it: the sub- and superscript and
// colour marks dropped, "~a" and "*a" as the Greek letter the drawing shows.
std::string Klartext(std::string_view markup);
