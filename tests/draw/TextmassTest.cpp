// The core's width table and label boxes against the painter: every label
// text of "Besondere Eigenschaften" in every label font measures the same, and
// the boxes of its pictures lie where the painter writes.
#include "draw/Leinwand.h"
#include "draw/TextKaesten.h"
#include "draw/Textmass.h"
#include "draw/Zeichne.h"
#include "draw/ZufallU.h"
#include "lessons/Dreieck2Bild.h"

#include <gtest/gtest.h>

#include <set>

using namespace dreieck2;

namespace {

// The pictures of every topic, step and switch setting on a triangle, and the instructions.
std::vector<TBild> Bilder(const TDreieck& d)
{
    std::vector<TBild> bilder;
    for (int e = hoehen; e <= schwerlinien; ++e)
        for (int s = 0; s <= schritteJeEigenschaft[e]; ++s)
            for (int schalter = 0; schalter < 4; ++schalter)
                bilder.push_back(SchrittBild(e, s, schalter & 1, schalter & 2, d));
    return bilder;
}

std::vector<TDreieck> Dreiecke()
{
    std::vector<TDreieck> alle = {startDreieck, {{-8, -12}, {14, -12}, {-12, 14}}, {{-14, -12}, {8, -12}, {12, 14}},
                                  {{-10, -12}, {12, -12}, {-10, 14}}, {{-12, -12}, {10, -12}, {10, 14}}};
    SetzeZufallsKeim(31);
    for (int e = hoehen; e <= schwerlinien; ++e)
        for (int n = 0; n < 12; ++n)
            alle.push_back(ZufallsKandidat(e));
    return alle;
}

QRect Q(const textmass::TKasten& k) { return QRect(QPoint(k.links, k.oben), QPoint(k.rechts, k.unten)); }

} // namespace

TEST(Textmass, BreitenUndHoehenWieDerMaler)
{
    std::set<std::string> texte = {" ", "= H", "H = ", "= h!c"};
    for (int e = hoehen; e <= schwerlinien; ++e)
        for (int s = 0; s <= schritteJeEigenschaft[e]; ++s)
            for (const TBild& b : {SchrittBild(e, s, true, true, startDreieck), Anweisung(e, s)})
                for (const TBildTeil& teil : b.teile)
                    if (const std::string t = Text(teil); !t.empty())
                        texte.insert(t);
    for (const std::string& t : std::set<std::string>(texte))
        for (char16_t c : textmass::Utf16(t))
            texte.insert(QString(QChar(c)).toStdString());
    Leinwand lw;
    int verglichen = 0;
    for (const char* name : {"Arial", "Times New Roman", "Symbol"})
        for (int groesse = 6; groesse <= 15; ++groesse)
            for (bool fett : {false, true}) {
                const TSchrift schrift{name, groesse, fett, clBlack};
                lw.schrift = schrift;
                ASSERT_EQ(textmass::Hoehe(schrift), lw.TextHeight(QStringLiteral("x"))) << name << groesse;
                for (const std::string& t : texte) {
                    ASSERT_EQ(textmass::Breite(schrift, textmass::Utf16(t)), lw.TextWidth(QtText(t)))
                        << name << " " << groesse << (fett ? " bold: " : ": ") << t;
                    ++verglichen;
                }
            }
    EXPECT_GT(verglichen, 5000);
}

TEST(Textmass, KaestenWieDerMaler)
{
    int kaesten = 0;
    const auto vergleiche = [&kaesten](const TBild& bild, int breite, int hoehe, const TWeltRechteck& welt) {
        SetzeWeltfenster(breite, hoehe, welt);
        const std::vector<TTextKasten> maler = TextKaesten(bild);
        const std::vector<textmass::TTextKasten> kern = textmass::Kaesten(bild, TWeltfenster(breite, hoehe, welt));
        ASSERT_EQ(kern.size(), maler.size()) << ::testing::PrintToString(bild);
        for (std::size_t i = 0; i < maler.size(); ++i) {
            ASSERT_EQ(kern[i].teil, maler[i].teil);
            ASSERT_EQ(Q(kern[i].kasten), maler[i].kasten) << Text(bild.teile[maler[i].teil]);
            ++kaesten;
        }
        EXPECT_EQ(textmass::Ueberlappen(kern), KaestenUeberlappen(maler));
    };
    for (const TDreieck& d : Dreiecke())
        for (const TBild& bild : Bilder(d))
            vergleiche(bild, grafikBreite, grafikHoehe, weltGrafik);
    for (int e = hoehen; e <= schwerlinien; ++e)
        for (int s = 0; s <= schritteJeEigenschaft[e]; ++s)
            vergleiche(Anweisung(e, s), 1000, 50, {-20, 20, -2, 2});
    EXPECT_GT(kaesten, 30000);
}
