// Measures every character the labels may use in the label fonts (Liberation
// Sans and Liberation Serif, regular and bold, the pixel sizes from 7 to 21
// and those of the page titles)
// exactly as the painter does, and writes them as the core's width table.
#include "draw/Leinwand.h"
#include "draw/Textmass.h"

#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Printable ASCII, Latin-1, the Greek letters, the dashes and the minus.
std::u16string Zeichen()
{
    std::u16string z;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        z += c;
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        z += c;
    z += u"\u2013\u2014\u2212";
    for (char16_t c = 0x391; c <= 0x3C9; ++c)
        if (c != 0x3A2)
            z += c;
    z += u"\u03D1\u03D5\u03D6";
    std::sort(z.begin(), z.end()); // the core looks them up by halving
    return z;
}

// The label sizes, and the titles of the start and information pages.
std::vector<int> Groessen()
{
    std::vector<int> g;
    for (int pixel = 7; pixel <= 21; ++pixel)
        g.push_back(pixel);
    for (int pixel : {24, 32, 48})
        g.push_back(pixel);
    return g;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 || !SchriftenVerfuegbar()) {
        std::fprintf(stderr, "usage: Schriftmasse FILE.cpp (needs fonts-liberation)\n");
        return 2;
    }
    QFile datei(QString::fromLocal8Bit(argv[1]));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 1;
    QTextStream aus(&datei);
    const std::u16string zeichen = Zeichen();
    aus << "// Written by tools/Schriftmasse from the Liberation fonts of fonts-liberation: the\n"
           "// advance of each character in 1/64 pixel, as the painter measures it. Do not edit.\n"
           "#include \"draw/Textmass.h\"\n\nnamespace textmass {\n\nnamespace {\n\n";
    struct TSchrift { bool serif; int pixel; bool fett; int hoehe; int oberlaenge; };
    std::vector<TSchrift> schriften;
    int n = 0;
    for (bool serif : {false, true})
        for (bool fett : {false, true})
            for (int pixel : Groessen()) {
                const QFont font = QtSchrift(serif ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"), pixel, fett);
                const QFontMetricsF fm(font);
                aus << "const std::uint16_t breiten" << n++ << "[] = {";
                for (std::size_t i = 0; i < zeichen.size(); ++i)
                    aus << (i % 16 ? " " : "\n    ")
                        << std::lround(fm.horizontalAdvance(QChar(zeichen[i])) * 64) << ",";
                aus << "\n};\n\n";
                schriften.push_back({serif, pixel, fett, QFontMetrics(font).height(), QFontMetrics(font).ascent()});
            }
    aus << "} // namespace\n\nconst std::u16string_view zeichen = u\"";
    for (char16_t c : zeichen)
        aus << QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
    aus << "\";\n\nconst std::vector<TSchriftMasse> schriften = {\n";
    for (std::size_t i = 0; i < schriften.size(); ++i)
        aus << "    {" << (schriften[i].serif ? "true" : "false") << ", " << schriften[i].pixel << ", "
            << (schriften[i].fett ? "true" : "false") << ", " << schriften[i].hoehe << ", " << schriften[i].oberlaenge
            << ", breiten" << i << "},\n";
    aus << "};\n\n} // namespace textmass\n";
    return 0;
}
