#include "lessons/Dreieck3Bild.h"

#include "app/Vorlesen.h"

#include "draw/GlobalU.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>

namespace {

long double L(float wert) { return static_cast<long double>(wert); }

// Whole lines are clipped to |x| <= 38, |y| <= 18; the angle bisectors at B and C to |x| <= 18.
constexpr float linienRandX = 38.0f;
constexpr float linienRandY = 18.0f;
constexpr float engerRandX = 18.0f;

// H and S closer than this give the Euler line no direction worth showing: in
// an equilateral triangle they are the same point but for rounding.
constexpr float eulerMindestAbstand = 1e-3f;

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

void Dazu(std::vector<TLinie>& linien, TWeltPunkt von, TWeltPunkt bis, int breite, TFarbe farbe, int stil)
{
    if (ImSchutzRahmen(von, bis))
        linien.push_back({von, bis, breite, farbe, stil});
}

// The part of the line through P and Q inside |x| <= wx, |y| <= wy.
std::optional<TLinie> GanzeGerade(TWeltPunkt p, TWeltPunkt q, float wx, float wy, int breite, TFarbe farbe, int stil)
{
    TLinie linie{{}, {}, breite, farbe, stil};
    if (!GeradeImRechteck(p.x, p.y, q.x, q.y, wx, wy, linie.von.x, linie.von.y, linie.bis.x, linie.bis.y))
        return std::nullopt;
    // A line that misses the rectangle ends far out on an edge line.
    if (!ImSchutzRahmen(linie.von, linie.bis))
        return std::nullopt;
    return linie;
}

void GeradeDazu(std::vector<TLinie>& linien, TWeltPunkt p, TWeltPunkt q, float wx, int breite, TFarbe farbe, int stil)
{
    if (const auto linie = GanzeGerade(p, q, wx, linienRandY, breite, farbe, stil))
        linien.push_back(*linie);
}

TWeltPunkt Plus(TWeltPunkt p, float vx, float vy)
{
    TWeltPunkt s;
    Summe(p.x, p.y, vx, vy, s.x, s.y);
    return s;
}

// P plus the normal of the vector from `von` to `bis`: a second point on the perpendicular through P.
TWeltPunkt QuerDurch(TWeltPunkt p, TWeltPunkt von, TWeltPunkt bis)
{
    float dx, dy, nx, ny;
    Differenz(von.x, von.y, bis.x, bis.y, dx, dy);
    Normale(dx, dy, nx, ny);
    return Plus(p, nx, ny);
}

bool ImBild(TWeltPunkt p)
{
    return p.x >= weltDreieck3.xMin && p.x <= weltDreieck3.xMax && p.y >= weltDreieck3.yMin
           && p.y <= weltDreieck3.yMax;
}

// The letter of a centre when two of its lines are shown and the centre lies in the drawing.
std::optional<TZentrumsName> ZentrumsName(bool zweiLinien, const std::optional<TWeltPunkt>& punkt,
                                          const char* text, TFarbe farbe, bool times = false)
{
    if (!zweiLinien || !punkt || !ImBild(*punkt))
        return std::nullopt;
    return TZentrumsName{QString::fromLatin1(text), *punkt, farbe, times};
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
               !(Abstand(p.x, p.y, meiden.x, meiden.y) < kleinsterAbstand);
    };
    const auto punkt = [&](long double w, long double r) {
        float px, py;
        PolarZuKartesisch(static_cast<float>(std::fmod(w + 720.0L, 360.0L)), static_cast<float>(r), px, py);
        return Plus(mitte, px, py);
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
        float dx, dy;
        Differenz(andere.x, andere.y, ecke.x, ecke.y, dx, dy);
        if (!(Laenge(dx, dy) < kleinsterAbstand))
            return;
        const float richtung = Richtungswinkel(dx, dy);
        if (feld) {
            ecke = AbstandImFeld(andere, richtung, abstand, *feld, meiden);
        } else {
            float px, py;
            PolarZuKartesisch(richtung, abstand, px, py);
            ecke = Plus(andere, px, py);
        }
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
    Mitte(B.x, B.y, C.x, C.y, p.Ma.x, p.Ma.y);
    Mitte(A.x, A.y, C.x, C.y, p.Mb.x, p.Mb.y);
    Mitte(A.x, A.y, B.x, B.y, p.Mc.x, p.Mc.y);

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

TSchnittpunktBild SchnittpunktBild(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TLinienWahl& w)
{
    TSchnittpunktBild bild;
    const TDreieckPunkte p = BerechneDreieckPunkte(A, B, C);

    Dazu(bild.seiten, A, B, 2, clBlack, linieVoll);
    Dazu(bild.seiten, A, C, 2, clBlack, linieVoll);
    Dazu(bild.seiten, B, C, 2, clBlack, linieVoll);
    bild.namen = {{QStringLiteral("A"), A, p.Ma, true}, {QStringLiteral("a"), A, p.Ma, false},
                  {QStringLiteral("B"), B, p.Mb, true}, {QStringLiteral("b"), B, p.Mb, false},
                  {QStringLiteral("C"), C, p.Mc, true}, {QStringLiteral("c"), C, p.Mc, false}};

    if (w.zeigeEuler && p.H && Abstand(p.H->x, p.H->y, p.S.x, p.S.y) >= eulerMindestAbstand)
        bild.euler = GanzeGerade(EulerPunkt(*p.H, p.S), p.S, linienRandX, linienRandY, 3, clRed, linieVoll);

    // Heights: vertex to H to the foot in violet, the foot's side carried on dotted.
    const auto hoehe = [&](bool an, TWeltPunkt ecke, const std::optional<TWeltPunkt>& fuss, TWeltPunkt seitenEnde) {
        if (!an)
            return;
        if (p.H && fuss) {
            Dazu(bild.hoehen.linien, ecke, *p.H, 1, farbeViolett, linieVoll);
            Dazu(bild.hoehen.linien, *p.H, *fuss, 1, farbeViolett, linieVoll);
        }
        if (fuss)
            Dazu(bild.hoehen.linien, *fuss, seitenEnde, 1, clBlack, liniePunktiert);
    };
    hoehe(w.zeigeHa, A, p.Fa, C);
    hoehe(w.zeigeHb, B, p.Fb, C);
    hoehe(w.zeigeHc, C, p.Fc, B);
    bild.hoehen.name = ZentrumsName(ZweiVonDrei(w.zeigeHa, w.zeigeHb, w.zeigeHc), p.H, "H", farbeViolett);

    // Perpendicular bisectors through the side midpoints.
    auto& sym = bild.seitensymmetralen.linien;
    if (w.zeigeSab)
        GeradeDazu(sym, p.Mc, QuerDurch(p.Mc, A, B), linienRandX, 1, farbeBraun, linieStrichPunkt);
    if (w.zeigeSac)
        GeradeDazu(sym, p.Mb, QuerDurch(p.Mb, A, C), linienRandX, 1, farbeBraun, linieStrichPunkt);
    if (w.zeigeSbc)
        GeradeDazu(sym, p.Ma, QuerDurch(p.Ma, B, C), linienRandX, 1, farbeBraun, linieStrichPunkt);
    bild.seitensymmetralen.name =
        ZentrumsName(ZweiVonDrei(w.zeigeSab, w.zeigeSac, w.zeigeSbc), p.U, "U", farbeBraun);

    // Angle bisectors through the incentre.
    if (p.I) {
        auto& wl = bild.winkelsymmetralen.linien;
        if (w.zeigeWa)
            GeradeDazu(wl, A, *p.I, linienRandX, 1, farbeOliv, linieStrichPunkt);
        if (w.zeigeWb)
            GeradeDazu(wl, B, *p.I, engerRandX, 1, farbeOliv, linieStrichPunkt);
        if (w.zeigeWc)
            GeradeDazu(wl, C, *p.I, engerRandX, 1, farbeOliv, linieStrichPunkt);
    }
    bild.winkelsymmetralen.name =
        ZentrumsName(ZweiVonDrei(w.zeigeWa, w.zeigeWb, w.zeigeWc), p.I, "~I", farbeOliv, true);

    // Medians from the side midpoints to the opposite vertex.
    if (w.zeigeSa)
        Dazu(bild.schwerlinien.linien, p.Ma, A, 1, farbeMagenta, linieVoll);
    if (w.zeigeSb)
        Dazu(bild.schwerlinien.linien, p.Mb, B, 1, farbeMagenta, linieVoll);
    if (w.zeigeSc)
        Dazu(bild.schwerlinien.linien, p.Mc, C, 1, farbeMagenta, linieVoll);
    bild.schwerlinien.name = ZentrumsName(ZweiVonDrei(w.zeigeSa, w.zeigeSb, w.zeigeSc), p.S, "S", farbeMagenta);
    return bild;
}

// ---------------------------------------------------------------------------
// Mode "Thaleskreis"

TWeltPunkt KreisPunkt(int winkel, float radius)
{
    TWeltPunkt p;
    PolarZuKartesisch(float(winkel), radius, p.x, p.y);
    return p;
}

TWeltPunkt ThalesStartC()
{
    float zx, zy;
    PolarZuKartesisch(30.0f, 41.0f, zx, zy);
    const TWeltPunkt z = Plus(thalesA, zx, zy);
    TWeltPunkt erster, zweiter;
    if (!SchnittGeradeKreis(thalesA.x, thalesA.y, z.x, z.y, 0.0f, 0.0f, thalesRadius, erster.x, erster.y,
                            zweiter.x, zweiter.y))
        return KreisPunkt(60, thalesRadius); // the line through A always meets the circle
    return zweiter;
}

QString TabellenWinkel(float grad)
{
    QString text = ZahlText(grad, 2);
    if (text.length() < 5)
        text.prepend(QLatin1Char('0'));
    return text + QStringLiteral("°");
}

TThalesBild ThalesBild(int w, TWeltPunkt C, TWeltPunkt beschriftungC)
{
    TThalesBild bild;
    bild.C = C;
    bild.beschriftungC = beschriftungC;
    bild.mitWinkeln = w != 0 && w != 180 && w != 360;
    if (!bild.mitWinkeln)
        return bild;

    const TWeltPunkt M{0.0f, 0.0f}, A = thalesA, B = thalesB;
    const bool unten = w > 180; // C on the lower half circle
    bild.halbkreis = unten ? TBogenStueck{M, thalesRadius, 180.0f, 360.0f, 2, clBlack}
                           : TBogenStueck{M, thalesRadius, 0.0f, 180.0f, 2, clBlack};
    Mitte(M.x, M.y, C.x, C.y, bild.radiusMitte.x, bild.radiusMitte.y);

    const auto richtung = [](TWeltPunkt von, TWeltPunkt nach) {
        float dx, dy;
        Differenz(von.x, von.y, nach.x, nach.y, dx, dy);
        return Richtungswinkel(dx, dy);
    };
    const float dB = richtung(C, B), dM = richtung(C, M), dA = richtung(C, A);

    // The angle at C split by MC into the angle of the isosceles triangle MBC
    // (blue, equal to the angle at B) and of MCA (red, equal to the angle at A).
    // Next to a vertex one part is too thin to draw.
    const auto umC = [&](float von, float bis, TFarbe farbe) {
        bild.boegen.push_back({C, 8.0f, von, bis, 2, farbe});
    };
    if (unten) {
        if (w != 181)
            umC(dB, dM, clBlue);
        if (w != 359)
            umC(dM, dA, clRed);
    } else {
        if (w != 179)
            umC(dM, dB, clBlue);
        if (w != 1)
            umC(dA, dM, clRed);
    }

    const float zuA = richtung(A, C), zuB = richtung(B, C);
    const float q = unten ? static_cast<float>(360.0L - zuB) : zuB;
    bild.alpha = unten ? static_cast<float>(360.0L - zuA) : zuA;
    bild.beta = static_cast<float>(180.0L - q);

    // The marks of the three angles (w = 180 has returned above, so "at least 180" is "above 180").
    if (unten) {
        bild.boegen.push_back({A, 6.0f, -bild.alpha, 360.0f, 2, clRed});
        bild.boegen.push_back({B, 6.0f, 180.0f, static_cast<float>(360.0L - q), 2, clBlue});
        bild.boegen.push_back({C, 6.0f, dB, dA, 2, farbeOliv});
    } else {
        bild.boegen.push_back({A, 6.0f, 0.0f, bild.alpha, 2, clRed});
        bild.boegen.push_back({B, 6.0f, q, 180.0f, 2, clBlue});
        bild.boegen.push_back({C, 6.0f, dA, dB, 2, farbeOliv});
    }

    // With C close to B (or A) the side through that vertex is carried on both
    // ways, so that the small angle there has legs to stand between.
    const auto verlaengert = [&](TWeltPunkt ecke) {
        float dx, dy, ux = 0.0f, uy = 0.0f, vx, vy;
        Differenz(C.x, C.y, ecke.x, ecke.y, dx, dy);
        Normieren(dx, dy, ux, uy);
        Skalieren(8.0f, ux, uy, vx, vy);
        Dazu(bild.linien, ecke, Plus(ecke, vx, vy), 1, clBlack, linieVoll);
        Dazu(bild.linien, ecke, Plus(ecke, -vx, -vy), 1, clBlack, linieVoll);
    };
    if (w < 15 || w >= 346)
        verlaengert(B);
    else if (w >= 166 && w < 195)
        verlaengert(A);

    // The table: alpha + beta + gamma = 180 degrees.
    const TFarbe farben[3] = {clRed, clBlue, farbeOliv};
    const QString namen[3] = {QStringLiteral("~a"), QStringLiteral("~b"), QStringLiteral("~g")};
    const QString werte[3] = {TabellenWinkel(bild.alpha), TabellenWinkel(bild.beta), QStringLiteral("90,00°")};
    for (int i = 0; i < 3; ++i) {
        const float zeile = 25.0f - 3.0f * float(i);
        bild.tabelle.push_back({namen[i], {27.0f, zeile}, farben[i]});
        bild.tabelle.push_back({QStringLiteral("="), {29.0f, zeile}, farben[i]});
        bild.tabelle.push_back({werte[i], {32.0f, zeile}, farben[i]});
    }
    Dazu(bild.linien, {27.0f, 16.0f}, {38.0f, 16.0f}, 2, clBlack, linieVoll);
    bild.tabelle.push_back({QStringLiteral("180,00°"), {31.0f, 15.5f}, clBlack});
    return bild;
}

namespace {

// One family of lines: the names of those switched on, and its centre once two are drawn.
QString Linien(const QString& familie, const QStringList& namen, const bool (&an)[3],
               const std::optional<TWeltPunkt>& zentrum, const QString& zentrumName, const QString& buchstabe,
               bool mitZentrum)
{
    QStringList gewaehlt;
    for (int i = 0; i < 3; ++i)
        if (an[i])
            gewaehlt << namen[i];
    if (gewaehlt.isEmpty())
        return QString();
    QString text = familie + QLatin1Char(' ') + gewaehlt.join(QStringLiteral(", "));
    if (mitZentrum && zentrum)
        text += QStringLiteral(", %1 %2").arg(zentrumName, PunktText(buchstabe, zentrum->x, zentrum->y));
    return text;
}

} // namespace

QString SchnittpunktBeschreibung(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TLinienWahl& wahl)
{
    const TSchnittpunktBild bild = SchnittpunktBild(A, B, C, wahl);
    const TDreieckPunkte p = BerechneDreieckPunkte(A, B, C);
    QStringList teile;
    teile << QStringLiteral("Dreieck %1, %2, %3")
                 .arg(PunktText(QStringLiteral("A"), A.x, A.y), PunktText(QStringLiteral("B"), B.x, B.y),
                      PunktText(QStringLiteral("C"), C.x, C.y));
    const bool h[3] = {wahl.zeigeHa, wahl.zeigeHb, wahl.zeigeHc};
    const bool u[3] = {wahl.zeigeSab, wahl.zeigeSac, wahl.zeigeSbc};
    const bool w[3] = {wahl.zeigeWa, wahl.zeigeWb, wahl.zeigeWc};
    const bool s[3] = {wahl.zeigeSa, wahl.zeigeSb, wahl.zeigeSc};
    const auto namen = [](const char* a, const char* b, const char* c) {
        return QStringList{QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c)};
    };
    const QString liste[] = {
        Linien(QStringLiteral("Höhen"), namen("ha", "hb", "hc"), h, p.H, QStringLiteral("Höhenschnittpunkt"),
               QStringLiteral("H"), bild.hoehen.name.has_value()),
        Linien(QStringLiteral("Seitensymmetralen"), namen("sAB", "sAC", "sBC"), u, p.U,
               QStringLiteral("Umkreismittelpunkt"), QStringLiteral("U"), bild.seitensymmetralen.name.has_value()),
        Linien(QStringLiteral("Winkelsymmetralen"), namen("wα", "wβ", "wγ"), w, p.I,
               QStringLiteral("Inkreismittelpunkt"), QStringLiteral("I"), bild.winkelsymmetralen.name.has_value()),
        Linien(QStringLiteral("Schwerlinien"), namen("sA", "sB", "sC"), s, p.S, QStringLiteral("Schwerpunkt"),
               QStringLiteral("S"), bild.schwerlinien.name.has_value()),
    };
    for (const QString& l : liste)
        if (!l.isEmpty())
            teile << l;
    if (bild.euler)
        teile << QStringLiteral("Eulergerade eingeblendet");
    else if (teile.size() == 1)
        teile << QStringLiteral("keine Linien eingeblendet");
    return teile.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString ThalesBeschreibung(int winkelBMC, TWeltPunkt C, TWeltPunkt beschriftungC)
{
    const TThalesBild bild = ThalesBild(winkelBMC, C, beschriftungC);
    QString text = QStringLiteral("Thaleskreis um M(0|0) mit dem Radius r = %1 über dem Durchmesser AB, "
                                  "A(−24|0), B(24|0); %2 auf dem Kreis, Winkel BMC %3°.")
                       .arg(ZahlFuerLeser(thalesRadius), PunktText(QStringLiteral("C"), bild.C.x, bild.C.y))
                       .arg(winkelBMC);
    if (!bild.mitWinkeln)
        return text + QStringLiteral(" C liegt auf dem Durchmesser: kein Dreieck.");
    // The table reads in rows of name, "=", value; the sum closes it.
    QStringList zeilen;
    for (size_t i = 0; i + 2 < bild.tabelle.size(); i += 3)
        zeilen << QStringLiteral("%1 = %2").arg(Klartext(bild.tabelle[i].text), Klartext(bild.tabelle[i + 2].text));
    return text + QStringLiteral(" Winkel: ") + zeilen.join(QStringLiteral(", "))
        + QStringLiteral("; Summe 180,00°.");
}
