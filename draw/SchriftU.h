// Text with a small inline markup: "!" subscript, "^" superscript, "#" switch to
// the highlight colour and back, "~" a Greek (Symbol) or Times character, "*" a
// Greek subscript. Texts are UTF-8. Pixel renderers first, then placement at
// world points.
#pragma once

#include "draw/Malflaeche.h"

#include <string_view>

// Small size for sub- and superscripts: Round(0.75 * size), ties to even.
int KleineGroesse(int groesse);

// Width in pixels as the renderers draw it; only "!" and "^" count as markers.
int TextBreite(TMalflaeche& lw, std::string_view text, int groesse, bool fett);

void SchreibeText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett, TFarbe farbe);
void SchreibeFarbText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett,
                      TFarbe normalFarbe, TFarbe hervorFarbe);
void SchreibeTimesText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett, TFarbe farbe);
void SchreibeSymbolText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett, TFarbe farbe);

// Placement at world points. None of them leaves a background behind its text
// (TextImKasten fills its white box on purpose).
void TextMitte(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
void TextLinks(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
void SymbolTextMitte(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
void SymbolTextLinks(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
void FarbTextLinks(TMalflaeche& lw, std::string_view text, TFarbe normalFarbe, bool fett, int groesse,
                   TFarbe hervorFarbe, float x, float y);
void FarbTextMitte(TMalflaeche& lw, std::string_view text, TFarbe normalFarbe, bool fett, int groesse,
                   TFarbe hervorFarbe, float x, float y);
void FarbTextLinksMittig(TMalflaeche& lw, std::string_view text, TFarbe normalFarbe, bool fett, int groesse,
                         TFarbe hervorFarbe, float x, float y);
void TextZentriert(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
// SymbolTextMitte centred up and down on the point as well; the height is
// measured with the font the canvas has before this call.
void SymbolTextMitteMittig(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x,
                           float y);
void TimesTextMitte(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
void TextImKasten(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y);
