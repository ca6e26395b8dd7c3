#include "lessons/Dreieck3Bild.h"

#include "draw/Texte.h"

#include "draw/GlobalU.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

using namespace bild;

namespace {

long double L(float wert) { return static_cast<long double>(wert); }

// Whole lines are clipped to |x| <= 38, |y| <= 18; the angle bisectors at B and C to |x| <= 18.
constexpr float linienRandX = 38.0f;
constexpr float linienRandY = 18.0f;
constexpr float engerRandX = 18.0f;

// H and S closer than this give the Euler line no direction worth showing: in
// an equilateral triangle they are the same point but for rounding.
constexpr float eulerMindestAbstand = 1e-3f;

// Vertex names stand 1.5 units beyond the vertex or the side midpoint.
constexpr float namenAbstand = 1.5f;

// Far outside the drawing. The centres of an almost flat triangle can lie a
// billion units away, where no pixel coordinate reaches; segments are cut to
// this square, which leaves the drawing's part of them as it was.
constexpr long double schutzRand = 1000.0L;

bool ImSchutzRahmen(TWeltPunkt& von, TWeltPunkt& bis)
{
    const long double dx = L(bis.x) - von.x, dy = L(bis.y) - von.y;
    const long double p[4] = {-dx, dx, -dy, dy};
    const long double q[4] = {von.x + schutzRand, schutzRand - von.x, von.y + schutzRand, schutzRand - von.y};
    long double t0 = 0.0L, t1 = 1.0L;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0L) {
            if (q[i] < 0.0L)
                return false;
            continue;
        }
        const long double t = q[i] / p[i];
        if (p[i] < 0.0L)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const TWeltPunkt anfang = von;
    if (t0 > 0.0L)
        von = {static_cast<float>(anfang.x + t0 * dx), static_cast<float>(anfang.y + t0 * dy)};
    if (t1 < 1.0L)
        bis = {static_cast<float>(anfang.x + t1 * dx), static_cast<float>(anfang.y + t1 * dy)};
    return true;
}

void Dazu(TBild& bild, TWeltPunkt von, TWeltPunkt bis, int breite, TFarbe farbe, int stil)
{
    if (ImSchutzRahmen(von, bis))
        bild << TStrecke{von, bis, breite, farbe, stil};
}

// The part of the line through P and Q inside |x| <= wx, |y| <= wy.
std::optional<TStrecke> GanzeGerade(TWeltPunkt p, TWeltPunkt q, float wx, float wy, int breite, TFarbe farbe,
                                    int stil)
{
    TStrecke linie{{}, {}, breite, farbe, stil};
    if (!GeradeImRechteck(p.x, p.y, q.x, q.y, wx, wy, linie.von.x, linie.von.y, linie.bis.x, linie.bis.y))
        return std::nullopt;
    // A line that misses the rectangle ends far out on an edge line.
    if (!ImSchutzRahmen(linie.von, linie.bis))
        return std::nullopt;
    return linie;
}

void GeradeDazu(TBild& bild, TWeltPunkt p, TWeltPunkt q, float wx, int breite, TFarbe farbe, int stil)
{
    if (const auto linie = GanzeGerade(p, q, wx, linienRandY, breite, farbe, stil))
        bild << *linie;
}

// P plus the normal of the vector from `von` to `bis`: a second point on the perpendicular through P.
TWeltPunkt QuerDurch(TWeltPunkt p, TWeltPunkt von, TWeltPunkt bis)
{
    const TWeltPunkt d = Von(von, bis);
    float nx, ny;
    Normale(d.x, d.y, nx, ny);
    return Versetzt(p, nx, ny);
}

bool ImBild(TWeltPunkt p)
{
    return p.x >= weltDreieck3.xMin && p.x <= weltDreieck3.xMax && p.y >= weltDreieck3.yMin
           && p.y <= weltDreieck3.yMax;
}

// Where the letter of a centre stands: on the centre, when two of its lines
// are shown and it lies in the drawing.
std::optional<TWeltPunkt> ZentrumsOrt(bool zweiLinien, const std::optional<TWeltPunkt>& punkt)
{
    if (!zweiLinien || !punkt || !ImBild(*punkt))
        return std::nullopt;
    return punkt;
}

// A point on the line from S through H near enough for the clipping to work in
// float: H itself unless it lies far outside.
TWeltPunkt EulerPunkt(TWeltPunkt h, TWeltPunkt s)
{
    const long double dx = L(h.x) - s.x, dy = L(h.y) - s.y;
    const long double laenge = std::sqrt(dx * dx + dy * dy);
    if (std::fabs(h.x) <= schutzRand && std::fabs(h.y) <= schutzRand)
        return h;
    const long double f = schutzRand / laenge;
    return {static_cast<float>(s.x + f * dx), static_cast<float>(s.y + f * dy)};
}

// The Euler line through H and S across the drawing, when it is switched on
// and H and S lie far enough apart to give it a direction.
std::optional<TStrecke> EulerGerade(const TDreieckPunkte& p, const TLinienWahl& w)
{
    if (!w.zeigeEuler || !p.H || !(Abstand(*p.H, p.S) >= eulerMindestAbstand))
        return std::nullopt;
    return GanzeGerade(EulerPunkt(*p.H, p.S), p.S, linienRandX, linienRandY, 3, clRed, linieVoll);
}

// Labels in drawing order. TextZentriert and TextImKasten measure a label in
// the font the canvas holds, which is the one the label before left there:
// Arial, bold, in that label's size and colour (a Times letter, too, ends on
// Arial). The picture carries it along.
class TBeschriftung {
public:
    explicit TBeschriftung(TBild& bild) : bild_(bild) {}
    void operator()(TTextArt art, const std::string& text, TWeltPunkt ort, TFarbe farbe, int groesse)
    {
        bild_ << TText{art, text, ort, farbe, groesse, true, clBlack, schrift_};
        schrift_ = TSchrift{"Arial", groesse, true, farbe};
    }

private:
    TBild& bild_;
    TSchrift schrift_{};
};

} // namespace

// ---------------------------------------------------------------------------
// Mode "Schnittpunkte"

bool ZweiVonDrei(bool a, bool b, bool c)
{
    return (a && b) || (a && c) || (b && c);
}

bool EulerMoeglich(const TLinienWahl& w)
{
    return ZweiVonDrei(w.zeigeHa, w.zeigeHb, w.zeigeHc) && ZweiVonDrei(w.zeigeSab, w.zeigeSac, w.zeigeSbc)
           && ZweiVonDrei(w.zeigeSa, w.zeigeSb, w.zeigeSc);
}

TWeltPunkt AbstandImFeld(TWeltPunkt mitte, float winkel, float abstand, const TWeltRechteck& feld,
                         TWeltPunkt meiden)
{
    const auto erlaubt = [&](TWeltPunkt p) {
        return p.x >= feld.xMin && p.x <= feld.xMax && p.y >= feld.yMin && p.y <= feld.yMax &&
               !(Abstand(p, meiden) < kleinsterAbstand);
    };
    const auto punkt = [&](long double w, long double r) {
        return Polar(mitte, static_cast<float>(std::fmod(w + 720.0L, 360.0L)), static_cast<float>(r));
    };
    // Turning away from the wanted direction in tenths of a degree, both ways
    // alike, until the point is allowed. The field is far wider than the
    // distance, so only a corner can need a longer one.
    for (int halbe = 0; halbe <= 16; ++halbe) {
        const long double r = abstand + halbe / 2.0L;
        for (int zehntel = 0; zehntel <= 1800; ++zehntel) {
            for (int seite : {1, -1}) {
                const TWeltPunkt p = punkt(winkel + seite * zehntel / 10.0L, r);
                if (erlaubt(p))
                    return p;
            }
        }
    }
    return punkt(winkel, abstand);
}

bool ZieheEcke(TWeltPunkt& ecke, TWeltPunkt zeiger, TWeltPunkt erste, float abstand1, TWeltPunkt zweite,
               float abstand2, const TWeltRechteck* feld)
{
    TWeltPunkt neu = zeiger;
    bool weiter = true;
    // Tested on the position before this move: one fast move can bring the
    // vertex closer; the next one puts it back and ends the drag.
    const auto stosseAb = [&](TWeltPunkt andere, float abstand, TWeltPunkt meiden) {
        if (!(Abstand(andere, ecke) < kleinsterAbstand))
            return;
        const float richtung = Richtung(andere, ecke);
        ecke = feld ? AbstandImFeld(andere, richtung, abstand, *feld, meiden) : Polar(andere, richtung, abstand);
        neu = ecke;
        weiter = false;
    };
    stosseAb(erste, abstand1, zweite);
    stosseAb(zweite, abstand2, erste);
    ecke = neu;
    return weiter;
}

TDreieckPunkte BerechneDreieckPunkte(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C)
{
    TDreieckPunkte p;
    p.Ma = Mittelpunkt(B, C);
    p.Mb = Mittelpunkt(A, C);
    p.Mc = Mittelpunkt(A, B);

    const auto fuss = [](TWeltPunkt von, TWeltPunkt g1, TWeltPunkt g2) -> std::optional<TWeltPunkt> {
        TWeltPunkt f;
        if (!Lotfusspunkt(von.x, von.y, g1.x, g1.y, g2.x, g2.y, f.x, f.y))
            return std::nullopt;
        return f;
    };
    p.Fa = fuss(A, B, C);
    p.Fb = fuss(B, A, C);
    p.Fc = fuss(C, A, B);

    TWeltPunkt h, s, u, i;
    if (MerkwuerdigePunkte(A.x, A.y, B.x, B.y, C.x, C.y, h.x, h.y, s.x, s.y, u.x, u.y, i.x, i.y)) {
        p.H = h;
        p.U = u;
        p.I = i;
    }
    p.S = {static_cast<float>((L(A.x) + B.x + C.x) / 3.0L), static_cast<float>((L(A.y) + B.y + C.y) / 3.0L)};
    return p;
}

namespace {

// The sides with the names of the vertices and of the sides opposite them.
void DreieckDazu(TBild& bild, TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TDreieckPunkte& p)
{
    Dazu(bild, A, B, 2, clBlack, linieVoll);
    Dazu(bild, A, C, 2, clBlack, linieVoll);
    Dazu(bild, B, C, 2, clBlack, linieVoll);
    const std::pair<TWeltPunkt, TWeltPunkt> ecken[3] = {{A, p.Ma}, {B, p.Mb}, {C, p.Mc}};
    const char* const namen[3][2] = {{"A", "a"}, {"B", "b"}, {"C", "c"}};
    for (int i = 0; i < 3; ++i) {
        const auto [ecke, gegenueber] = ecken[i];
        for (const bool vor : {true, false})
            bild << TEckenName{std::string(namen[i][vor ? 0 : 1]), ecke, gegenueber, namenAbstand, vor};
    }
}

// A height: vertex to H to the foot in violet, the foot's side carried on dotted.
void HoeheDazu(TBild& bild, bool an, TWeltPunkt ecke, const std::optional<TWeltPunkt>& H,
               const std::optional<TWeltPunkt>& fuss, TWeltPunkt seitenEnde)
{
    if (!an)
        return;
    if (H && fuss) {
        Dazu(bild, ecke, *H, 1, palette::violett, linieVoll);
        Dazu(bild, *H, *fuss, 1, palette::violett, linieVoll);
    }
    if (fuss)
        Dazu(bild, *fuss, seitenEnde, 1, clBlack, liniePunktiert);
}

} // namespace

TBild SchnittpunktBild(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TLinienWahl& w)
{
    TBild bild;
    const TDreieckPunkte p = BerechneDreieckPunkte(A, B, C);
    DreieckDazu(bild, A, B, C, p);
    if (const auto euler = EulerGerade(p, w))
        bild << *euler;

    // The letter of a centre after its lines, 15 points.
    TBeschriftung beschrifte(bild);
    const auto zentrum = [&](bool zweiLinien, const std::optional<TWeltPunkt>& punkt, const char* text,
                             TFarbe farbe, TTextArt art = TTextArt::Zentriert) {
        if (const auto ort = ZentrumsOrt(zweiLinien, punkt))
            beschrifte(art, std::string(text), *ort, farbe, 15);
    };

    HoeheDazu(bild, w.zeigeHa, A, p.H, p.Fa, C);
    HoeheDazu(bild, w.zeigeHb, B, p.H, p.Fb, C);
    HoeheDazu(bild, w.zeigeHc, C, p.H, p.Fc, B);
    zentrum(ZweiVonDrei(w.zeigeHa, w.zeigeHb, w.zeigeHc), p.H, "H", palette::violett);

    // Perpendicular bisectors through the side midpoints.
    const auto symmetrale = [&](bool an, TWeltPunkt mitte, TWeltPunkt von, TWeltPunkt bis) {
        if (an)
            GeradeDazu(bild, mitte, QuerDurch(mitte, von, bis), linienRandX, 1, palette::braun, linieStrichPunkt);
    };
    symmetrale(w.zeigeSab, p.Mc, A, B);
    symmetrale(w.zeigeSac, p.Mb, A, C);
    symmetrale(w.zeigeSbc, p.Ma, B, C);
    zentrum(ZweiVonDrei(w.zeigeSab, w.zeigeSac, w.zeigeSbc), p.U, "U", palette::braun);

    // Angle bisectors through the incentre, those at B and C clipped narrower.
    const std::tuple<bool, TWeltPunkt, float> winkel[3] = {
        {w.zeigeWa, A, linienRandX}, {w.zeigeWb, B, engerRandX}, {w.zeigeWc, C, engerRandX}};
    for (const auto& [an, ecke, rand] : winkel)
        if (an && p.I)
            GeradeDazu(bild, ecke, *p.I, rand, 1, palette::oliv, linieStrichPunkt);
    zentrum(ZweiVonDrei(w.zeigeWa, w.zeigeWb, w.zeigeWc), p.I, "~I", palette::oliv, TTextArt::TimesMitte);

    // Medians from the side midpoints to the opposite vertex.
    const std::tuple<bool, TWeltPunkt, TWeltPunkt> schwer[3] = {
        {w.zeigeSa, p.Ma, A}, {w.zeigeSb, p.Mb, B}, {w.zeigeSc, p.Mc, C}};
    for (const auto& [an, mitte, ecke] : schwer)
        if (an)
            Dazu(bild, mitte, ecke, 1, palette::magenta, linieVoll);
    zentrum(ZweiVonDrei(w.zeigeSa, w.zeigeSb, w.zeigeSc), p.S, "S", palette::magenta);
    return bild;
}

// ---------------------------------------------------------------------------
// Mode "Thaleskreis"

TWeltPunkt ThalesStartC()
{
    const TWeltPunkt z = Polar(thalesA, 30.0f, 41.0f);
    TWeltPunkt erster, zweiter;
    if (!SchnittGeradeKreis(thalesA.x, thalesA.y, z.x, z.y, 0.0f, 0.0f, thalesRadius, erster.x, erster.y,
                            zweiter.x, zweiter.y))
        return Polar(thalesM, 60.0f, thalesRadius); // the line through A always meets the circle
    return zweiter;
}

std::string TabellenWinkel(float grad)
{
    std::string text = ZahlText(grad, 2);
    if (text.length() < 5)
        text.insert(text.begin(), '0');
    return text + "°";
}

namespace {

// C on the diameter (0, 180 and 360 degrees) makes no triangle.
bool MitWinkeln(int w) { return w != 0 && w != 180 && w != 360; }

// The angles at A and B, and the direction q of the side BC measured as the
// mark at B needs it: from B's right on the upper half, from its left below.
struct TThalesWinkel {
    bool unten; // C on the lower half circle
    float alpha, beta, q;
};

TThalesWinkel ThalesWinkel(int w, TWeltPunkt C)
{
    TThalesWinkel t;
    t.unten = w > 180;
    const float zuA = Richtung(thalesA, C), zuB = Richtung(thalesB, C);
    t.q = t.unten ? static_cast<float>(360.0L - zuB) : zuB;
    t.alpha = t.unten ? static_cast<float>(360.0L - zuA) : zuA;
    t.beta = static_cast<float>(180.0L - t.q);
    return t;
}

// One line of the table: alpha + beta + gamma = 180 degrees.
struct TTabellenZeile {
    std::string name, wert;
    TFarbe farbe;
};

std::array<TTabellenZeile, 3> TabellenZeilen(const TThalesWinkel& t)
{
    return {{{"~a", TabellenWinkel(t.alpha), clRed},
             {"~b", TabellenWinkel(t.beta), clBlue},
             {"~g", "90,00°", palette::oliv}}};
}

// The angle at C split by MC into the angle of the isosceles triangle MBC
// (blue, equal to the angle at B) and of MCA (red, equal to the angle at A),
// then the marks of the three angles. Next to a vertex one part at C is too
// thin to draw.
void WinkelBoegenDazu(TBild& bild, int w, TWeltPunkt C, const TThalesWinkel& t)
{
    const float dB = Richtung(C, thalesB), dM = Richtung(C, thalesM), dA = Richtung(C, thalesA);
    // Arcs run counter-clockwise: below the diameter from B's side round to
    // A's, above from A's round to B's.
    const bool u = t.unten;
    const auto bogen = [&](TWeltPunkt mitte, float r, std::pair<float, float> unten, std::pair<float, float> oben,
                           TFarbe farbe) {
        const auto [von, bis] = u ? unten : oben;
        bild << TBogen{mitte, r, von, bis, 2, farbe};
    };
    if (w != (u ? 181 : 179))
        bogen(C, 8.0f, {dB, dM}, {dM, dB}, clBlue);
    if (w != (u ? 359 : 1))
        bogen(C, 8.0f, {dM, dA}, {dA, dM}, clRed);
    bogen(thalesA, 6.0f, {-t.alpha, 360.0f}, {0.0f, t.alpha}, clRed);
    bogen(thalesB, 6.0f, {180.0f, static_cast<float>(360.0L - t.q)}, {t.q, 180.0f}, clBlue);
    bogen(C, 6.0f, {dB, dA}, {dA, dB}, palette::oliv);
}

// The circle, and off the diameter the half circle on C's side and the radius
// MC with its "r" (also beside both halves of the diameter) and C's name.
void KreisDazu(TBild& bild, TBeschriftung& beschrifte, int w, TWeltPunkt C, TWeltPunkt beschriftungC)
{
    bild << TKreis{thalesM, thalesRadius, 1, clBlack, keineFuellung, psDot};
    if (!MitWinkeln(w))
        return;
    bild << (w > 180 ? TBogen{thalesM, thalesRadius, 180.0f, 360.0f, 2, clBlack}
                     : TBogen{thalesM, thalesRadius, 0.0f, 180.0f, 2, clBlack});
    bild << TStrecke{thalesM, C, 2, palette::lila, dickGestrichelt, true};
    beschrifte(TTextArt::Zentriert, "r", {-12.0f, -1.0f}, clBlack, 13);
    beschrifte(TTextArt::Zentriert, "r", {12.0f, -1.0f}, clBlack, 13);
    beschrifte(TTextArt::ImKasten, "r", Mittelpunkt(thalesM, C), palette::lila, 14);
    beschrifte(TTextArt::Zentriert, "C", beschriftungC, palette::lila, 13);
}

// The table of the angles: its rule, then the rows left-aligned in columns and the sum.
// Its texts are placed at their left edge and not measured: they carry no font.
void TabelleDazu(TBild& bild, const TThalesWinkel& t)
{
    const auto text = [&](const std::string& inhalt, TWeltPunkt links, TFarbe farbe) {
        bild << TText{TTextArt::SymbolLinks, inhalt, links, farbe, 16, true};
    };
    Dazu(bild, {27.0f, 16.0f}, {38.0f, 16.0f}, 2, clBlack, linieVoll);
    const std::array<TTabellenZeile, 3> zeilen = TabellenZeilen(t);
    for (int i = 0; i < 3; ++i) {
        const float zeile = 25.0f - 3.0f * float(i);
        text(zeilen[i].name, {27.0f, zeile}, zeilen[i].farbe);
        text("=", {29.0f, zeile}, zeilen[i].farbe);
        text(zeilen[i].wert, {32.0f, zeile}, zeilen[i].farbe);
    }
    text("180,00°", {31.0f, 15.5f}, clBlack);
}

} // namespace

TBild ThalesBild(int w, TWeltPunkt C, TWeltPunkt beschriftungC)
{
    TBild bild;
    TBeschriftung beschrifte(bild);
    KreisDazu(bild, beschrifte, w, C, beschriftungC);

    bild << TStrecke{thalesA, thalesB, 2, clBlack, linieVoll} << TStrecke{thalesA, C, 2, clBlack, linieVoll}
         << TStrecke{C, thalesB, 2, clBlack, linieVoll};
    beschrifte(TTextArt::Zentriert, "M", {0.0f, -1.0f}, clBlack, 13);
    beschrifte(TTextArt::Zentriert, "A", {-thalesNamenRadius, 0.0f}, clBlack, 13);
    beschrifte(TTextArt::Zentriert, "B", {thalesNamenRadius, 0.0f}, clBlack, 13);
    if (!MitWinkeln(w))
        return bild;

    const TThalesWinkel t = ThalesWinkel(w, C);
    WinkelBoegenDazu(bild, w, C, t);
    // With C close to B (or A) the side through that vertex is carried on both
    // ways, so that the small angle there has legs to stand between.
    const auto verlaengert = [&](TWeltPunkt ecke) {
        Dazu(bild, ecke, Weiter(C, ecke, 8.0f), 1, clBlack, linieVoll);
        Dazu(bild, ecke, Weiter(C, ecke, -8.0f), 1, clBlack, linieVoll);
    };
    if (w < 15 || w >= 346)
        verlaengert(thalesB);
    else if (w >= 166 && w < 195)
        verlaengert(thalesA);
    TabelleDazu(bild, t);
    return bild;
}

// ---------------------------------------------------------------------------
// Legends

TBild LegendenBild(const std::string (&texte)[3], bool griechisch, const int (&frei)[3], const TWeltfenster& welt)
{
    TBild bild;
    for (int i = 0; i < 3; ++i) {
        int px, py;
        if (griechisch)
            welt.ZuPixel({4.2f + 6.0f * float(i), 0.7f}, px, py);
        else
            welt.ZuPixel({3.5f + 6.0f * float(i), 0.3f}, px, py);
        // Centred on the point, but clear of the check box on its left.
        TPixelText t{griechisch ? TSchreibArt::Symbol : TSchreibArt::Text, texte[i], px, py, clBlack, 12, true};
        t.mitteX = true;
        t.linksMindestens = frei[i];
        t.mitteY = !griechisch;
        bild << t;
    }
    return bild;
}

// ---------------------------------------------------------------------------
// Descriptions

namespace {

// One family of lines: the names of those switched on, and its centre once its letter is shown.
std::string Linien(const std::string& familie, const std::vector<std::string>& namen, const bool (&an)[3],
               const std::optional<TWeltPunkt>& zentrum, const std::string& zentrumName, const std::string& buchstabe)
{
    std::vector<std::string> gewaehlt;
    for (int i = 0; i < 3; ++i)
        if (an[i])
            gewaehlt.push_back(namen[i]);
    if (gewaehlt.empty())
        return std::string();
    std::string text = familie + ' ' + Verbunden(gewaehlt, ", ");
    if (const auto ort = ZentrumsOrt(ZweiVonDrei(an[0], an[1], an[2]), zentrum))
        text += Satz(", %1 %2", {zentrumName, PunktText(buchstabe, ort->x, ort->y)});
    return text;
}

} // namespace

std::string SchnittpunktBeschreibung(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TLinienWahl& wahl)
{
    const TDreieckPunkte p = BerechneDreieckPunkte(A, B, C);
    std::vector<std::string> teile;
    teile.push_back(Satz("Dreieck %1, %2, %3", {PunktText("A", A.x, A.y), PunktText("B", B.x, B.y),
                                                 PunktText("C", C.x, C.y)}));
    const bool h[3] = {wahl.zeigeHa, wahl.zeigeHb, wahl.zeigeHc};
    const bool u[3] = {wahl.zeigeSab, wahl.zeigeSac, wahl.zeigeSbc};
    const bool w[3] = {wahl.zeigeWa, wahl.zeigeWb, wahl.zeigeWc};
    const bool s[3] = {wahl.zeigeSa, wahl.zeigeSb, wahl.zeigeSc};
    const auto namen = [](const char* a, const char* b, const char* c) {
        return std::vector<std::string>{a, b, c};
    };
    const std::string liste[] = {
        Linien("Höhen", namen("ha", "hb", "hc"), h, p.H, "Höhenschnittpunkt",
               "H"),
        Linien("Seitensymmetralen", namen("sAB", "sAC", "sBC"), u, p.U,
               "Umkreismittelpunkt", "U"),
        Linien("Winkelsymmetralen", namen("wα", "wβ", "wγ"), w, p.I,
               "Inkreismittelpunkt", "I"),
        Linien("Schwerlinien", namen("sA", "sB", "sC"), s, p.S, "Schwerpunkt",
               "S"),
    };
    for (const std::string& l : liste)
        if (!l.empty())
            teile.push_back(l);
    if (EulerGerade(p, wahl))
        teile.push_back("Eulergerade eingeblendet");
    else if (teile.size() == 1)
        teile.push_back("keine Linien eingeblendet");
    return Verbunden(teile, "; ") + '.';
}

std::string ThalesBeschreibung(int winkelBMC, TWeltPunkt C)
{
    std::string text = Satz("Thaleskreis um M(0|0) mit dem Radius r = %1 über dem Durchmesser AB, "
                            "A(−24|0), B(24|0); %2 auf dem Kreis, Winkel BMC %3°.",
                            {ZahlFuerLeser(thalesRadius), PunktText("C", C.x, C.y), winkelBMC});
    if (!MitWinkeln(winkelBMC))
        return text + " C liegt auf dem Durchmesser: kein Dreieck.";
    // The table reads in rows of name, "=", value; the sum closes it.
    std::vector<std::string> zeilen;
    for (const TTabellenZeile& z : TabellenZeilen(ThalesWinkel(winkelBMC, C)))
        zeilen.push_back(Satz("%1 = %2", {Klartext(z.name), Klartext(z.wert)}));
    return text + " Winkel: " + Verbunden(zeilen, ", ")
        + "; Summe 180,00°.";
}
