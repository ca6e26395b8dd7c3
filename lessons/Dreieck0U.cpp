// "Einteilung der Dreiecke": three random triangles of the kinds of one
// classification, their measures, and a new triangle per box on request.
#include "lessons/Dreieck0U.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QPushButton>

namespace dreieck0 {

namespace {

// A drawing box shows 30 x 30 units, a text box 30 x 8 units over 300 x 80 of
// its 304 x 80 pixels.
constexpr TWeltRechteck weltDreieck{-15, 15, -15, 15};
constexpr TWeltRechteck weltText{-15, 15, -4, 4};
constexpr int textBreite = 300;

constexpr float bogenRadius = 4;
constexpr int schrift = 12; // labels and texts: Arial 12 point bold

// What changes with the classification.
struct TEinteilungsTexte {
    QString titel;
    TFarbe farbe;
    QString arten[3];         // the panels above the boxes
    QString ueberschriften[3]; // the headlines of the text boxes
};

const TEinteilungsTexte& Texte(int einteilung)
{
    static const TEinteilungsTexte seiten{
        QStringLiteral("Einteilung der Dreiecke nach den Seitenlängen"),
        clNavy,
        {QStringLiteral("ungleichseitig"), QStringLiteral("gleichschenkelig"), QStringLiteral("gleichseitig")},
        {QStringLiteral("Alle drei Seiten sind verschieden lang"),
         QStringLiteral("Zwei Seiten (Schenkel) sind gleich lang"),
         QStringLiteral("Alle drei Seiten sind gleich lang")}};
    static const TEinteilungsTexte winkel{
        QStringLiteral("Einteilung der Dreiecke nach den Winkeln"),
        clMaroon,
        {QStringLiteral("spitzwinkelig"), QStringLiteral("stumpfwinkelig"), QStringLiteral("rechtwinkelig")},
        {QStringLiteral("Alle drei Winkel sind spitz"), QStringLiteral("Ein Winkel ist stumpf"),
         QStringLiteral("Ein Winkel ist ein rechter")}};
    return einteilung == einteilungWinkel ? winkel : seiten;
}

// The labels of sides a, b, c and their distances from the sides.
struct TSeitenLabel {
    const char* text;
    float abstand;
};
using TSeitenZeile = TSeitenLabel[3];

const TSeitenZeile& SeitenLabels(int box, int einteilung, int spitze)
{
    static const TSeitenZeile einfach = {{"a", 1.5f}, {"b", 1.5f}, {"c", 1.5f}};
    static const TSeitenZeile spitzeBeiC = {{"a", 1.5f}, {"b=a", 1.8f}, {"c", 1.5f}};
    static const TSeitenZeile spitzeBeiB = {{"a", 1.5f}, {"b", 1.5f}, {"c=a", 1.8f}};
    static const TSeitenZeile spitzeBeiA = {{"a", 1.5f}, {"b=c", 1.5f}, {"c", 1.8f}};
    static const TSeitenZeile gleichseitig = {{"a", 1.5f}, {"b=a", 1.8f}, {"c=a", 1.8f}};
    if (einteilung != einteilungSeiten || box == 1)
        return einfach;
    if (box == 3)
        return gleichseitig;
    return spitze == spitzeB ? spitzeBeiB : spitze == spitzeA ? spitzeBeiA : spitzeBeiC;
}

float plus(float a, long double b) { return static_cast<float>(a + b); }

// The text centred on the world point, in the canvas's current font and colour.
void SchreibeZentriert(Leinwand& lw, const QString& text, float x, float y)
{
    int px, py;
    WeltZuPixel(x, y, px, py);
    const QSize mass = lw.TextExtent(text);
    lw.TextOut(px - mass.width() / 2, py - mass.height() / 2, text);
}

} // namespace

// ---------------------------------------------------------------------------
// What the boxes show.

TBeschriftung SeitenBeschriftung(const QString& text, const TDreieck& d, float abstand)
{
    float x1 = d.ax, y1 = d.ay, x2 = d.bx, y2 = d.by; // "c": from A to B
    if (text.startsWith(QLatin1Char('a'))) {
        x1 = d.bx, y1 = d.by, x2 = d.cx, y2 = d.cy;
    } else if (text.startsWith(QLatin1Char('b'))) {
        x1 = d.cx, y1 = d.cy, x2 = d.ax, y2 = d.ay;
    }
    TBeschriftung b{text};
    float mx, my;
    Mitte(x1, y1, x2, y2, mx, my);
    NormalVersatz(x1, y1, x2, y2, mx, my, abstand, b.x, b.y);
    return b;
}

TDreieckBild DreieckBild(int box, int einteilung, int spitze, const TDreieck& d)
{
    TDreieckBild bild;
    bild.d = d;

    float mx, my;
    Mitte(d.ax, d.ay, d.bx, d.by, mx, my);
    bild.ecken[0] = {QStringLiteral("C"), d.cx, d.cy, mx, my, 1.4f};
    Mitte(d.ax, d.ay, d.cx, d.cy, mx, my);
    bild.ecken[1] = {QStringLiteral("B"), d.bx, d.by, mx, my, 0.8f};
    Mitte(d.bx, d.by, d.cx, d.cy, mx, my);
    bild.ecken[2] = {QStringLiteral("A"), d.ax, d.ay, mx, my, 0.8f};

    const TSeitenZeile& labels = SeitenLabels(box, einteilung, spitze);
    for (int i = 0; i < 3; ++i)
        bild.seiten[i] = SeitenBeschriftung(QString::fromLatin1(labels[i].text), d, labels[i].abstand);

    if (einteilung != einteilungWinkel)
        return bild;
    bild.mitWinkeln = true;
    TDreieckMasse richtungen;
    MissWinkel(d, richtungen);
    bild.boegen[0] = {d.ax, d.ay, richtungen.richtungAB, richtungen.richtungAC};
    bild.boegen[1] = {d.bx, d.by, richtungen.richtungBC, richtungen.richtungBA};
    bild.boegen[2] = {d.cx, d.cy, richtungen.richtungCA, richtungen.richtungCB};
    // The Greek names stand above the middle of each arc's angle, shifted so
    // that the letter's top-centred box sits in the angle.
    const char* namen[3] = {"~a", "~b", "~g"};
    const float versatz[3][2] = {{0.3f, 1.0f}, {0.3f, 0.9f}, {0.4f, 1.0f}};
    Leinwand nurRechnen; // WinkelMitte only computes
    for (int i = 0; i < 3; ++i) {
        const TDreieckBogen& b = bild.boegen[i];
        float x, y;
        WinkelMitte(nurRechnen, b.cx, b.cy, bogenRadius, b.von, b.bis, x, y);
        bild.winkelNamen[i] = {QString::fromLatin1(namen[i]), plus(x, versatz[i][0]), plus(y, versatz[i][1])};
    }
    return bild;
}

TTextBild TextBild(int box, int einteilung, const TDreieckMasse& m)
{
    const TEinteilungsTexte& texte = Texte(einteilung);
    TTextBild bild;
    bild.ueberschrift = texte.ueberschriften[box - 1];
    bild.farbe = texte.farbe;
    const auto zahl = [](float wert) { return ZahlText(wert, 0); };
    if (einteilung == einteilungWinkel) {
        bild.griechisch = true;
        bild.werte[0] = QStringLiteral("~a = ") + zahl(m.alpha) + QStringLiteral("°");
        bild.werte[1] = QStringLiteral("~b = ") + zahl(m.beta) + QStringLiteral("°");
        bild.werte[2] = QStringLiteral("~g = ") + zahl(m.gamma) + QStringLiteral("°");
    } else {
        // The equilateral triangle's sides differ by up to 0.2: it shows AB three times.
        const bool gleichseitig = box == 3;
        bild.werte[0] = QStringLiteral("AB = ") + zahl(m.c);
        bild.werte[1] = QStringLiteral("BC = ") + zahl(gleichseitig ? m.c : m.a);
        bild.werte[2] = QStringLiteral("AC = ") + zahl(gleichseitig ? m.c : m.b);
    }
    return bild;
}

namespace {

// The values of a text box as plain text, the Greek names spelt out.
QString WerteText(const TTextBild& bild)
{
    QStringList werte;
    for (QString w : bild.werte)
        werte << w.replace(QStringLiteral("~a"), QStringLiteral("α"))
                     .replace(QStringLiteral("~b"), QStringLiteral("β"))
                     .replace(QStringLiteral("~g"), QStringLiteral("γ"));
    return werte.join(QStringLiteral(", "));
}

} // namespace

QString DreieckBeschreibung(int box, int einteilung, const TDreieckMasse& m)
{
    QString art = Texte(einteilung).arten[box - 1];
    if (!art.isEmpty())
        art[0] = art[0].toUpper();
    QString text = QStringLiteral("%1es Dreieck ABC: %2").arg(art, WerteText(TextBild(box, einteilung, m)));
    text += einteilung == einteilungWinkel ? QStringLiteral("; Seiten a, b, c und Winkel α, β, γ beschriftet.")
                                          : QStringLiteral("; Seiten a, b, c beschriftet.");
    return text;
}

QString TextBeschreibung(int box, int einteilung, const TDreieckMasse& m)
{
    const TTextBild bild = TextBild(box, einteilung, m);
    return bild.ueberschrift + QStringLiteral(": ") + WerteText(bild);
}

} // namespace dreieck0

// ---------------------------------------------------------------------------
// Window

using namespace dreieck0;

TfrmDreieck0::TfrmDreieck0(QWidget* eltern)
    : TLektionsFenster(QStringLiteral("Einteilung der Dreiecke"), eltern, 1016, 716)
{
    pnlUeb = NeuesPanel(QRect(10, 5, 1000, 70));
    lblUeb = TitelLabel(pnlUeb, QRect(10, 2, 980, 66));

    const int links[3] = {10, 355, 702};
    const int boxLinks[3] = {14, 360, 706};
    TBevel* bevel[3];
    TPanel* txtPanel[3];
    for (int i = 0; i < 3; ++i) {
        TPanel* art = NeuesPanel(QRect(links[i], 100, 308, 40));
        art->setAutoFillBackground(true);
        QPalette weiss = art->palette();
        weiss.setColor(QPalette::Window, Qt::white);
        art->setPalette(weiss);
        art->setFont(QtSchrift(QStringLiteral("Arial"), 16, true));
        ueb_[i] = art;

        bevel[i] = NeuerBevel(QRect(links[i], 200, 308, 308));
        grafik_[i] = NeuePaintBox(QRect(boxLinks[i], 204, 300, 300));
        txtPanel[i] = NeuesPanel(QRect(links[i], 540, 308, 84));
        txt_[i] = new TPaintBox(txtPanel[i], QRect(2, 2, 304, 80));

        auto* knopf = new QPushButton(QStringLiteral("Neues Dreieck"), Client());
        knopf->setGeometry(links[i], 650, 308, 30);
        // Return presses a button only while it has the focus.
        knopf->setAutoDefault(false);
        knopf->setDefault(false);
        knopf_[i] = knopf;
        connect(knopf, &QPushButton::clicked, this, [this, knopf] { btnGrafikClick(knopf); });
    }
    pnlUeb1 = ueb_[0], pnlUeb2 = ueb_[1], pnlUeb3 = ueb_[2];
    bevGrafik1 = bevel[0], bevGrafik2 = bevel[1], bevGrafik3 = bevel[2];
    pntGrafik1 = grafik_[0], pntGrafik2 = grafik_[1], pntGrafik3 = grafik_[2];
    pnlTxt1 = txtPanel[0], pnlTxt2 = txtPanel[1], pnlTxt3 = txtPanel[2];
    pntTxt1 = txt_[0], pntTxt2 = txt_[1], pntTxt3 = txt_[2];
    btnGrafik1 = knopf_[0], btnGrafik2 = knopf_[1], btnGrafik3 = knopf_[2];

    pntGrafik1->OnPaint = [this] { pntGrafik1Paint(); };
    pntGrafik2->OnPaint = [this] { pntGrafik2Paint(); };
    pntGrafik3->OnPaint = [this] { pntGrafik3Paint(); };
    for (int i = 0; i < 3; ++i) {
        const int box = i + 1;
        grafik_[i]->setAccessibleName(QStringLiteral("Dreieck %1").arg(box));
        grafik_[i]->OnBeschreibung = [this, box] {
            return DreieckBeschreibung(box, Einteilung, DreieckMasse[box - 1]);
        };
        txt_[i]->setAccessibleName(QStringLiteral("Maße von Dreieck %1").arg(box));
        txt_[i]->Rolle = TPaintBox::TRolle::Text;
        txt_[i]->OnBeschreibung = [this, box] { return TextBeschreibung(box, Einteilung, DreieckMasse[box - 1]); };
        knopf_[i]->setAccessibleDescription(QStringLiteral("für Dreieck %1").arg(box));
    }
    pntTxt1->OnPaint = [this] { pntTxt1Paint(); };
    pntTxt2->OnPaint = [this] { pntTxt2Paint(); };
    pntTxt3->OnPaint = [this] { pntTxt3Paint(); };

    menSeiten = NeuerMenuePunkt(QStringLiteral("Einteilung nach Seitenlängen"));
    menWinkel = NeuerMenuePunkt(QStringLiteral("Einteilung nach Winkeln"));
    connect(menSeiten, &QAction::triggered, this, [this] { menArtClick(menSeiten); });
    connect(menWinkel, &QAction::triggered, this, [this] { menArtClick(menWinkel); });
}

// Every opening starts in the classification by sides with three new
// triangles from a generator seeded by the clock.
void TfrmDreieck0::FormActivate()
{
    SetzeFarben();
    Randomize();
    SetzeEinteilung(einteilungSeiten);
}

void TfrmDreieck0::SetzeEinteilung(int einteilung)
{
    Einteilung = einteilung;
    const TEinteilungsTexte& texte = Texte(einteilung);
    lblUeb->setText(texte.titel);
    for (int i = 0; i < 3; ++i) {
        ueb_[i]->SetzeSchriftFarbe(texte.farbe);
        ueb_[i]->SetzeCaption(texte.arten[i]);
    }
    for (int box = 1; box <= 3; ++box)
        NeuesDreieck(box);
}

void TfrmDreieck0::NeuesDreieck(int box)
{
    TDreieckMasse& m = DreieckMasse[box - 1];
    if (Einteilung == einteilungWinkel) {
        TDreieck& d = WinkelDreieck[box - 1];
        switch (box) {
        case 1: ErzeugeSpitzwinkelig(d, m); break;
        case 2: ErzeugeStumpfwinkelig(d, m); break;
        default: ErzeugeRechtwinkelig(d, m); break;
        }
    } else {
        TDreieck& d = SeitenDreieck[box - 1];
        switch (box) {
        case 1: ErzeugeUngleichseitig(d, m); break;
        case 2: ErzeugeGleichschenkelig(d, m, Spitze); break;
        default: ErzeugeGleichseitig(d, m); break;
        }
    }
}

const dreieck0::TDreieck& TfrmDreieck0::Dreieck(int box) const
{
    return Einteilung == einteilungWinkel ? WinkelDreieck[box - 1] : SeitenDreieck[box - 1];
}

void TfrmDreieck0::menArtClick(QObject* sender)
{
    SetzeEinteilung(sender == menWinkel ? einteilungWinkel : einteilungSeiten);
    for (TPaintBox* box : grafik_)
        box->repaint();
    for (TPaintBox* box : txt_)
        box->repaint();
}

void TfrmDreieck0::btnGrafikClick(QObject* sender)
{
    for (int i = 0; i < 3; ++i) {
        if (sender != knopf_[i])
            continue;
        NeuesDreieck(i + 1);
        grafik_[i]->repaint();
        txt_[i]->repaint();
    }
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmDreieck0::pntGrafikPaint(int box)
{
    TPaintBox* flaeche = grafik_[box - 1];
    Leinwand& lw = flaeche->Canvas;
    BeginneZeichnung(lw, flaeche->width(), flaeche->height(), weltDreieck);

    const TDreieckBild bild = DreieckBild(box, Einteilung, Spitze, Dreieck(box));
    const TDreieck& d = bild.d;
    Strecke(lw, 2, clBlack, d.ax, d.ay, d.bx, d.by, linieVoll);
    Strecke(lw, 2, clBlack, d.bx, d.by, d.cx, d.cy, linieVoll);
    Strecke(lw, 2, clBlack, d.cx, d.cy, d.ax, d.ay, linieVoll);
    for (const TEckenName& e : bild.ecken)
        EckenNameVor(lw, e.text, clBlack, e.px, e.py, e.qx, e.qy, e.abstand);
    // The side labels take the font and colour the vertex names left behind.
    for (const TBeschriftung& s : bild.seiten)
        SchreibeZentriert(lw, s.text, s.x, s.y);
    if (!bild.mitWinkeln)
        return;
    for (const TBeschriftung& n : bild.winkelNamen)
        SymbolTextMitte(lw, n.text, clBlack, true, schrift, n.x, n.y);
    for (const TDreieckBogen& b : bild.boegen)
        Bogen(lw, 2, clBlack, b.cx, b.cy, bogenRadius, b.von, b.bis);
}

void TfrmDreieck0::pntTxtPaint(int box)
{
    TPaintBox* flaeche = txt_[box - 1];
    Leinwand& lw = flaeche->Canvas;
    // The world window spans 300 of the box's 304 pixel columns; the strip to
    // the right is filled white as well.
    lw.pinsel = {clWhite, bsSolid};
    lw.FillRect(0, 0, flaeche->width(), flaeche->height());
    BeginneZeichnung(lw, textBreite, flaeche->height(), weltText);

    const TTextBild bild = TextBild(box, Einteilung, DreieckMasse[box - 1]);
    TextMitte(lw, bild.ueberschrift, bild.farbe, true, schrift, 0, 2);
    const float spalten[3] = {-11, 0, 11};
    for (int i = 0; i < 3; ++i) {
        if (bild.griechisch)
            SymbolTextMitte(lw, bild.werte[i], bild.farbe, true, schrift, spalten[i], -1.5f);
        else
            TextMitte(lw, bild.werte[i], bild.farbe, true, schrift, spalten[i], -1.5f);
    }
}
