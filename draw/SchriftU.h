// Text with a small inline markup: "!" subscript, "^" superscript, "#" switch to
// the highlight colour and back, "~" a Greek (Symbol) or Times character, "*" a
// Greek subscript. Pixel renderers first, then placement at world points.
#pragma once

#include "draw/Leinwand.h"

#include <QString>

// Small size for sub- and superscripts: Round(0.75 * size), ties to even.
int KleineGroesse(int groesse);

// Width in pixels as the renderers draw it; only "!" and "^" count as markers.
int TextBreite(Leinwand& lw, const QString& text, int groesse, bool fett);

void SchreibeText(Leinwand& lw, const QString& text, int x0, int y0, int groesse, bool fett, TFarbe farbe);
void SchreibeFarbText(Leinwand& lw, const QString& text, int x0, int y0, int groesse, bool fett,
                      TFarbe normalFarbe, TFarbe hervorFarbe);
void SchreibeTimesText(Leinwand& lw, const QString& text, int x0, int y0, int groesse, bool fett, TFarbe farbe);
void SchreibeSymbolText(Leinwand& lw, const QString& text, int x0, int y0, int groesse, bool fett, TFarbe farbe);

// Placement at world points. None of them leaves a background behind its text
// (TextImKasten fills its white box on purpose).
void TextMitte(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
void TextLinks(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
void SymbolTextMitte(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
void SymbolTextLinks(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
void FarbTextLinks(Leinwand& lw, const QString& text, TFarbe normalFarbe, bool fett, int groesse,
                   TFarbe hervorFarbe, float x, float y);
void FarbTextMitte(Leinwand& lw, const QString& text, TFarbe normalFarbe, bool fett, int groesse,
                   TFarbe hervorFarbe, float x, float y);
void FarbTextLinksMittig(Leinwand& lw, const QString& text, TFarbe normalFarbe, bool fett, int groesse,
                         TFarbe hervorFarbe, float x, float y);
void TextZentriert(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
// SymbolTextMitte centred up and down on the point as well; the height is
// measured with the font the canvas has before this call.
void SymbolTextMitteMittig(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x,
                           float y);
void TimesTextMitte(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
void TextImKasten(Leinwand& lw, const QString& text, TFarbe farbe, bool fett, int groesse, float x, float y);
