// Marked-up text: widths, sub- and superscripts, colour runs, Times and Greek,
// and labels kept whole inside their drawing area.
#include "TestHilfen.h"
#include "draw/Leinwand.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

using namespace testhilfen;

namespace {

int breiteVon(const QString& s, int groesse, bool fett = true, const QString& name = "Arial")
{
    Leinwand lw;
    lw.schrift.name = name.toStdString();
    lw.schrift.groesse = groesse;
    lw.schrift.fett = fett;
    return lw.TextWidth(s);
}

// Rows of the image that hold a pixel of the colour: first and last.
std::pair<int, int> zeilenMit(const QImage& b, unsigned rgb, QRect bereich)
{
    int erste = -1, letzte = -1;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        if (ZaehleFarbe(b, rgb, QRect(bereich.left(), y, bereich.width(), 1)) > 0) {
            if (erste < 0)
                erste = y;
            letzte = y;
        }
    return {erste, letzte};
}

// The same picture drawn by hand: each piece at its pixel in its own font.
struct Stueck {
    TSchrift schrift;
    int x, y;
    QString text;
};
QImage VonHand(std::initializer_list<Stueck> stuecke)
{
    QImage bild = WeissesBild(300, 120);
    QPainter p(&bild);
    Leinwand lw(&p);
    lw.pinsel.stil = bsClear;
    for (const Stueck& s : stuecke) {
        lw.schrift = s.schrift;
        lw.TextOut(s.x, s.y, s.text);
    }
    p.end();
    return bild;
}

class SchriftBild : public testing::Test {
protected:
    QImage bild = WeissesBild(300, 120);
    QPainter maler{&bild};
    Leinwand lw{&maler};
    void SetUp() override { lw.pinsel.stil = bsClear; }
    QImage fertig()
    {
        if (maler.isActive())
            maler.end();
        return bild;
    }
};

} // namespace

TEST(KleineGroesse, ThreeQuartersRoundedToEven)
{
    const std::pair<int, int> tabelle[] = {{10, 8}, {12, 9}, {13, 10}, {14, 10}, {15, 11},
                                           {16, 12}, {18, 14}, {24, 18}, {36, 27}};
    for (auto [groesse, klein] : tabelle)
        EXPECT_EQ(KleineGroesse(groesse), klein) << groesse;
}

TEST(TextBreite, CountsSubscriptsSmallAndOnlyBangAndCaretAsMarkers)
{
    Leinwand lw;
    EXPECT_EQ(TextBreite(lw, "", 12, true), 0);
    EXPECT_EQ(TextBreite(lw, "h!c", 12, true), breiteVon("h", 12) + breiteVon("c", 9));
    EXPECT_EQ(TextBreite(lw, "f^2", 12, true), breiteVon("f", 12) + breiteVon("2", 9));
    EXPECT_EQ(TextBreite(lw, "ab!", 12, true), breiteVon("ab", 12));
    // "~", "*" and "#" are measured as ordinary Arial characters.
    EXPECT_EQ(TextBreite(lw, "~a", 12, true), breiteVon("~", 12) + breiteVon("a", 12));
    EXPECT_EQ(TextBreite(lw, "#A#", 12, false), 2 * breiteVon("#", 12, false) + breiteVon("A", 12, false));
    EXPECT_EQ(lw.schrift.groesse, 12);
    EXPECT_EQ(lw.schrift.name, "Arial");
}

TEST_F(SchriftBild, EmptyTextAndTrailingMarkerDrawNothing)
{
    SchreibeText(lw, "", 10, 10, 12, true, clBlack);
    SchreibeText(lw, "!", 10, 60, 12, true, clBlack);
    SchreibeText(lw, "^", 60, 60, 12, true, clBlack);
    EXPECT_EQ(ZaehleNichtWeiss(fertig()), 0);
}

TEST_F(SchriftBild, SubscriptIsDrawnLowerBySmallSize)
{
    SetzeWeltfenster(0, 300, 0, 120, -15, 15, -6, 6);
    TextMitte(lw, "h!c", clRed, true, 12, 0, 0);
    const QImage b = fertig();
    const int w = breiteVon("h", 12) + breiteVon("c", 9);
    const int links = 150 - w / 2;
    const int grenze = links + breiteVon("h", 12);
    // h at size 12, then c at size 9 nine pixels lower.
    EXPECT_EQ(b, VonHand({{{"Arial", 12, true, clRed}, links, 60, "h"}, {{"Arial", 9, true, clRed}, grenze, 69, "c"}}));
    EXPECT_EQ(ZaehleNichtWeiss(b, QRect(0, 0, links - 1, 120)), 0) << "centred by the marked-up width";
}

TEST_F(SchriftBild, HashSwitchesBetweenNormalAndHighlight)
{
    SchreibeFarbText(lw, "#A#B", 10, 10, 24, true, clBlack, clRed);
    const QImage b = fertig();
    const int wa = breiteVon("A", 24);
    EXPECT_GT(ZaehleFarbe(b, Rgb(255, 0, 0), QRect(10, 0, wa, 60)), 20);
    EXPECT_EQ(ZaehleFarbe(b, Rgb(0, 0, 0), QRect(10, 0, wa - 1, 60)), 0);
    EXPECT_GT(ZaehleFarbe(b, Rgb(0, 0, 0), QRect(10 + wa, 0, 40, 60)), 20);
    EXPECT_EQ(ZaehleFarbe(b, Rgb(255, 0, 0), QRect(10 + wa + 1, 0, 40, 60)), 0);
}

TEST_F(SchriftBild, HashInsideAMarkerKeepsTheMarker)
{
    SchreibeFarbText(lw, "x!#y", 10, 10, 24, true, clBlack, clRed);
    const QImage b = fertig();
    const int wx = breiteVon("x", 24);
    const auto y = zeilenMit(b, Rgb(255, 0, 0), QRect(10 + wx, 0, 40, 120));
    const auto x = zeilenMit(b, Rgb(0, 0, 0), QRect(10, 0, wx, 120));
    ASSERT_GE(y.first, 0) << "y is highlighted";
    EXPECT_GT(y.first, x.first + 10) << "and still a subscript";
}

TEST_F(SchriftBild, TimesOnlyForTheCharacterAfterTheTilde)
{
    SchreibeTimesText(lw, "~I.", 10, 10, 24, true, clBlack);
    EXPECT_EQ(lw.schrift.name, "Arial");
    // "I" in Times, the full stop in Arial right after it.
    const int wi = breiteVon("I", 24, true, "Times New Roman");
    ASSERT_NE(wi, breiteVon("I", 24)) << "Times and Arial differ for I";
    EXPECT_EQ(fertig(), VonHand({{{"Times New Roman", 24, true, clBlack}, 10, 10, "I"},
                                 {{"Arial", 24, true, clBlack}, 10 + wi, 10, "."}}));
}

TEST_F(SchriftBild, SymbolTextDrawsGreekCentredByArialWidths)
{
    SetzeWeltfenster(0, 300, 0, 120, -15, 15, -6, 6);
    SymbolTextMitte(lw, "~a", clBlue, true, 24, 0, 0);
    QImage b = fertig();
    const int w = breiteVon("~", 24) + breiteVon("a", 24);
    const int links = 150 - w / 2;
    EXPECT_EQ(ZaehleNichtWeiss(b, QRect(0, 0, links, 120)), 0);
    // The alpha is what appears: compare with the Greek letter drawn directly.
    EXPECT_EQ(b, VonHand({{{"Symbol", 24, true, clBlue}, links, 58, "a"}}));
}

TEST_F(SchriftBild, GreekSubscriptWithStar)
{
    SchreibeSymbolText(lw, "w*a", 10, 10, 24, true, clBlack);
    const QImage b = fertig();
    const int ww = breiteVon("w", 24);
    const auto w = zeilenMit(b, 0, QRect(10, 0, ww, 120));
    const auto a = zeilenMit(b, 0, QRect(10 + ww, 0, 40, 120));
    ASSERT_GE(a.first, 0);
    EXPECT_GT(a.second, w.second + 8) << "alpha index sits below the line";
}

TEST_F(SchriftBild, CentredTextDependsOnTheFontLeftBehind)
{
    // The text, drawn at size 12, starts half its width in the font left behind
    // left of the centre: the first inked column.
    SetzeWeltfenster(0, 300, 0, 120, -15, 15, -6, 6);
    for (int zurueck : {8, 30}) {
        bild.fill(Qt::white);
        lw.schrift = {"Arial", zurueck, true, clBlack};
        TextZentriert(lw, "Wm", clBlack, true, 12, 0, 0);
        int erste = 0;
        while (erste < 300 && ZaehleNichtWeiss(bild, QRect(erste, 0, 1, 120)) == 0)
            ++erste;
        EXPECT_NEAR(erste, 150 - breiteVon("Wm", zurueck) / 2, 1) << zurueck;
    }
}

TEST_F(SchriftBild, ColourTextCentredWithoutHashesAndPenCleared)
{
    SetzeWeltfenster(0, 300, 0, 120, -15, 15, -6, 6);
    FarbTextMitte(lw, "#AB#", clBlack, true, 12, clRed, 0, 0);
    EXPECT_EQ(lw.stift.stil, psClear);
    const QImage b = fertig();
    const int w = breiteVon("AB", 12);
    EXPECT_EQ(ZaehleNichtWeiss(b, QRect(0, 0, 150 - w / 2 - 1, 120)), 0);
    EXPECT_GT(ZaehleFarbe(b, Rgb(255, 0, 0)), 20);
}

TEST_F(SchriftBild, LabelInABoxOnWhite)
{
    SetzeWeltfenster(0, 300, 0, 120, -15, 15, -6, 6);
    maler.fillRect(bild.rect(), QColor(200, 200, 200));
    TextImKasten(lw, "M", clBlack, true, 12, 0, 0);
    EXPECT_EQ(lw.pinsel.stil, bsClear);
    const QImage b = fertig();
    EXPECT_GT(ZaehleFarbe(b, Rgb(255, 255, 255), QRect(130, 40, 40, 40)), 30);
}

TEST(TextImBereich, BeschriftungenRueckenGeradeSoWeitHineinWieNoetig)
{
    // The drawing area is the world window's pixel rectangle (20, 0)-(280, 100)
    // inside a larger image. Each text, placed where it would stick out over
    // the given edge, is drawn whole inside, its ink within a few pixels of that
    // edge (the text's box holds the font's leading).
    const QRect bereich(20, 0, 260, 100);
    const auto zeichne = [](const std::function<void(Leinwand&, float, float)>& z, float x, float y) {
        QImage b = WeissesBild(300, 120);
        QPainter p(&b);
        Leinwand lw(&p);
        lw.pinsel.stil = bsClear;
        SetzeWeltfenster(20, 280, 0, 100, -13, 13, -5, 5);
        z(lw, x, y);
        return b;
    };
    struct Fall {
        std::function<void(Leinwand&, float, float)> z;
        float x, y;
        int rand; // 0 left, 1 right, 2 top, 3 bottom
    } const faelle[] = {
        {[](Leinwand& lw, float x, float y) { TextMitte(lw, "360°", clRed, true, 14, x, y); }, -13, 0, 0},
        {[](Leinwand& lw, float x, float y) { TextZentriert(lw, "h!c", clBlack, true, 12, x, y); }, 13, 0, 1},
        {[](Leinwand& lw, float x, float y) { FarbTextMitte(lw, "#Wm#", clBlue, true, 12, clRed, x, y); }, 0, 5.5f, 2},
        {[](Leinwand& lw, float x, float y) { SymbolTextMitte(lw, "~a!1", clBlack, true, 12, x, y); }, 0, -5, 3},
        {[](Leinwand& lw, float x, float y) { TimesTextMitte(lw, "~I!a", clBlack, true, 12, x, y); }, -13, -5, 0},
    };
    for (const Fall& f : faelle) {
        const int tinte = ZaehleNichtWeiss(zeichne(f.z, 0, 0));
        const QImage b = zeichne(f.z, f.x, f.y);
        EXPECT_EQ(ZaehleNichtWeiss(b, bereich), tinte) << f.rand;
        int abstand = 0; // empty pixel lines between the edge and the ink
        while (abstand < 50
               && ZaehleNichtWeiss(b, f.rand < 2 ? QRect(f.rand ? 279 - abstand : 20 + abstand, 0, 1, 100)
                                                 : QRect(20, f.rand == 2 ? abstand : 99 - abstand, 260, 1)) == 0)
            ++abstand;
        EXPECT_LE(abstand, 4) << f.rand;
    }
    // A label box moves with its label.
    const auto imKasten = [](Leinwand& lw, float x, float y) { TextImKasten(lw, "M", clBlack, true, 12, x, y); };
    const QImage kasten = zeichne(imKasten, -13, 0);
    EXPECT_GT(ZaehleNichtWeiss(kasten, QRect(20, 30, 20, 40)), 10);
    EXPECT_EQ(ZaehleNichtWeiss(kasten, QRect(0, 0, 20, 120)), 0);
}
