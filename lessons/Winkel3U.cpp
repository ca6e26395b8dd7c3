#include "lessons/Winkel3U.h"

#include "app/Plattform.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"
#include "draw/VektorU.h"

#include <QAction>

namespace {

// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltWinkel3{-10.0f, 10.0f, -10.0f, 10.0f};

const QString textStrecke = QStringLiteral(
    "Klicke auf die Endpunkte der schrägen Strecke und ziehe diese mit gedrückter linker Maustaste, "
    "um den Winkel zu verändern.");
const QString textStrecken = QStringLiteral(
    "Klicke auf die Endpunkte der schrägen Strecke und ziehe diese mit gedrückter linker Maustaste, "
    "um die Winkel zu verändern.");

constexpr float markenRadius = 1.5f;
constexpr float naheAbstand = 0.2f;
constexpr float parallele = 3.0f; // the parallels of mode 2 lie at y = 3 and y = -3

// The four angles at a crossing, as arcs counter-clockwise.
TWinkelBogen RechtsOben(float cx, float cy, float a, TFarbe f) { return {cx, cy, 0.0f, a, f}; }
TWinkelBogen LinksOben(float cx, float cy, float a, TFarbe f) { return {cx, cy, a, 180.0f, f}; }
TWinkelBogen LinksUnten(float cx, float cy, float a, TFarbe f)
{
    return {cx, cy, 180.0f, float(180.0L + a), f};
}
TWinkelBogen RechtsUnten(float cx, float cy, float a, TFarbe f)
{
    return {cx, cy, float(180.0L + a), 360.0f, f};
}

} // namespace

// ---------------------------------------------------------------------------
// Geometry

void BerechneKreuzung(float ux, float uy, float ox, float oy, float hoehe, TKreuzung& k)
{
    float dx = 0.0f, dy = 0.0f, nx = 0.0f, ny = 0.0f;
    Differenz(ux, uy, ox, oy, dx, dy);
    Normale(dx, dy, nx, ny);
    // A horizontal line has the normal (0, -1); parallel lines leave the points as they were.
    Schnittpunkt(ux, uy, nx, ny, 0.0f, hoehe, 0.0f, -1.0f, k.sX, k.sY);
    Schnittpunkt(ux, uy, nx, ny, 0.0f, parallele, 0.0f, -1.0f, k.s1X, k.s1Y);
    Schnittpunkt(ux, uy, nx, ny, 0.0f, -parallele, 0.0f, -1.0f, k.s2X, k.s2Y);
    k.alpha = Zwischenwinkel(dx, dy, 1.0f, 0.0f);
    k.beta = float(180.0L - k.alpha);
}

TWinkelBild LinkesWinkelBild(int modus, int variante, int schritt, const TKreuzung& k)
{
    TWinkelBild bild;
    const float a = k.alpha;
    if (modus == 1) {
        // Vertical angles at S.
        if (variante == 1) {
            bild.boegen.push_back(RechtsOben(k.sX, k.sY, a, farbeBraun));
            bild.boegen.push_back(LinksUnten(k.sX, k.sY, a, clGreen));
            bild.panel1 = TPanelWert{a, farbeBraun};
            bild.panel2 = TPanelWert{a, clGreen};
        } else {
            bild.boegen.push_back(LinksOben(k.sX, k.sY, a, farbeOrange));
            bild.boegen.push_back(RechtsUnten(k.sX, k.sY, a, farbeHimmelblau));
            bild.panel1 = TPanelWert{k.beta, farbeOrange};
            bild.panel2 = TPanelWert{k.beta, farbeHimmelblau};
        }
        return bild;
    }
    // Equal angles at the parallels, one more with each step.
    if (variante == 1) {
        bild.boegen.push_back(RechtsOben(k.s1X, k.s1Y, a, farbeBraun));
        bild.panel1 = TPanelWert{a, farbeBraun};
        if (schritt >= 1) {
            bild.boegen.push_back(LinksUnten(k.s1X, k.s1Y, a, clGreen));
            bild.panel2 = TPanelWert{a, clGreen};
        }
        if (schritt >= 2)
            bild.boegen.push_back(RechtsOben(k.s2X, k.s2Y, a, farbeBraun));
        if (schritt >= 3)
            bild.boegen.push_back(LinksUnten(k.s2X, k.s2Y, a, clGreen));
    } else {
        bild.boegen.push_back(LinksOben(k.s1X, k.s1Y, a, farbeOrange));
        bild.panel1 = TPanelWert{k.beta, farbeOrange};
        if (schritt >= 1) {
            bild.boegen.push_back(RechtsUnten(k.s1X, k.s1Y, a, farbeHimmelblau));
            bild.panel2 = TPanelWert{k.beta, farbeHimmelblau};
        }
        if (schritt >= 2)
            bild.boegen.push_back(LinksOben(k.s2X, k.s2Y, a, farbeOrange));
        if (schritt >= 3)
            bild.boegen.push_back(RechtsUnten(k.s2X, k.s2Y, a, farbeHimmelblau));
    }
    return bild;
}

TWinkelBild RechtesWinkelBild(int modus, int variante, int schritt, const TKreuzung& k)
{
    TWinkelBild bild;
    const float a = k.alpha;
    if (modus == 1) {
        // Adjacent angles at S.
        if (variante == 1) {
            bild.boegen.push_back(RechtsOben(k.sX, k.sY, a, farbeBraun));
            bild.boegen.push_back(LinksOben(k.sX, k.sY, a, clGreen));
            bild.panel1 = TPanelWert{a, farbeBraun};
            bild.panel2 = TPanelWert{k.beta, clGreen};
        } else {
            bild.boegen.push_back(LinksUnten(k.sX, k.sY, a, farbeOrange));
            bild.boegen.push_back(RechtsUnten(k.sX, k.sY, a, farbeHimmelblau));
            bild.panel1 = TPanelWert{a, farbeOrange};
            bild.panel2 = TPanelWert{k.beta, farbeHimmelblau};
        }
        return bild;
    }

    // Angles adding up to 180°. Steps 0 and 1 show a pair of adjacent angles at
    // S1 (and S2), steps 2 and 3 replace them by the pair across the segment,
    // step 4 shows both pairs together at both crossings.
    const TFarbe eins = variante == 1 ? farbeBraun : farbeOrange;
    const TFarbe zwei = variante == 1 ? clGreen : farbeHimmelblau;
    const auto erstesPaar = [&](float cx, float cy) {
        if (variante == 1) {
            bild.boegen.push_back(RechtsOben(cx, cy, a, eins));
            bild.boegen.push_back(LinksOben(cx, cy, a, zwei));
        } else {
            bild.boegen.push_back(LinksUnten(cx, cy, a, eins));
            bild.boegen.push_back(RechtsUnten(cx, cy, a, zwei));
        }
    };
    const auto zweitesPaar = [&](float cx, float cy) {
        if (variante == 1) {
            bild.boegen.push_back(LinksOben(cx, cy, a, zwei));
            bild.boegen.push_back(LinksUnten(cx, cy, a, eins));
        } else {
            bild.boegen.push_back(RechtsUnten(cx, cy, a, zwei));
            bild.boegen.push_back(RechtsOben(cx, cy, a, eins));
        }
    };
    if (schritt <= 1 || schritt == 4) {
        bild.panel1 = TPanelWert{a, eins};
        bild.panel2 = TPanelWert{k.beta, zwei};
    }
    switch (schritt) {
    case 0:
        erstesPaar(k.s1X, k.s1Y);
        break;
    case 1:
        erstesPaar(k.s1X, k.s1Y);
        erstesPaar(k.s2X, k.s2Y);
        break;
    case 2:
        zweitesPaar(k.s1X, k.s1Y);
        break;
    case 3:
        zweitesPaar(k.s1X, k.s1Y);
        zweitesPaar(k.s2X, k.s2Y);
        break;
    default:
        erstesPaar(k.s1X, k.s1Y);
        zweitesPaar(k.s1X, k.s1Y);
        erstesPaar(k.s2X, k.s2Y);
        zweitesPaar(k.s2X, k.s2Y);
        break;
    }
    return bild;
}

QString PanelText(float wert)
{
    return ZahlText(wert, 2) + QStringLiteral("°");
}

namespace {

QString Farbname(TFarbe f)
{
    if (f == farbeBraun)
        return QStringLiteral("brauner");
    if (f == clGreen)
        return QStringLiteral("grüner");
    if (f == farbeOrange)
        return QStringLiteral("oranger");
    if (f == farbeHimmelblau)
        return QStringLiteral("hellblauer");
    return QString();
}

// The quarter an arc marks, from the way the arcs are built about a crossing.
QString Lage(const TWinkelBogen& b)
{
    if (b.von == 0.0f)
        return QStringLiteral("rechts oben");
    if (b.bis == 360.0f)
        return QStringLiteral("rechts unten");
    if (b.von == 180.0f)
        return QStringLiteral("links unten");
    return QStringLiteral("links oben");
}

} // namespace

QString Winkel3Beschreibung(int modus, const TKreuzung& k, const TWinkelBild& bild)
{
    QString text = modus == 1
        ? QStringLiteral("Eine Gerade, von einer schrägen Strecke im Punkt S geschnitten.")
        : QStringLiteral("Zwei parallele Geraden, von einer schrägen Strecke in S1 und S2 geschnitten.");
    QStringList winkel;
    for (const TWinkelBogen& b : bild.boegen) {
        const QString punkt = modus == 1 ? QStringLiteral("S")
            : b.cy == k.s1Y              ? QStringLiteral("S1")
                                         : QStringLiteral("S2");
        const QString eintrag = QStringLiteral("%1 Winkel %2 bei %3: %4")
                                    .arg(Farbname(b.farbe), Lage(b), punkt,
                                         PanelText(float(static_cast<long double>(b.bis) - b.von)));
        if (!winkel.contains(eintrag)) // the last step marks one angle from both pairs
            winkel << eintrag;
    }
    if (!winkel.isEmpty())
        text += QStringLiteral(" Markiert: ") + winkel.join(QStringLiteral("; ")) + QStringLiteral(".");
    return text;
}

// ---------------------------------------------------------------------------
// Window

TfrmWinkel3::TfrmWinkel3(QWidget* eltern) : TLektionsFenster(QStringLiteral("Parallelwinkeln"), eltern)
{
    LinkerBereich().Verteile(pnlUeb1, lblUeb1, bevGrafik1, pntGrafik1, pnlStatus1, lblStatus1);

    const TBereich rechts = RechterBereich();
    pnlUeb2 = rechts.pnlUeb;
    lblUeb2 = rechts.lblUeb;
    bevGrafik2 = rechts.bevGrafik;
    pntGrafik2 = rechts.pntGrafik;
    // One instruction across the whole window instead of one per drawing.
    if (rechts.pnlStatus)
        rechts.pnlStatus->hide();
    pnlStatus1->setGeometry(6, 655, 1007, 55);
    lblStatus1->setGeometry(12, 2, 983, 51);

    const auto winkelGruppe = [this](int links, QGroupBox*& grp, TPanel*& p1, TPanel*& p2) {
        grp = new QGroupBox(QStringLiteral(" Winkel "), Client());
        grp->setGeometry(links, 575, 240, 75);
        p1 = new TPanel(grp, QRect(15, 24, 100, 41));
        p2 = new TPanel(grp, QRect(125, 24, 100, 41));
        for (TPanel* p : {p1, p2}) {
            p->setAutoFillBackground(true);
            QPalette farben = p->palette();
            farben.setColor(QPalette::Window, Qt::white);
            p->setPalette(farben);
            p->SetzeCaption(QStringLiteral("0"));
        }
    };
    winkelGruppe(5, grpW1, pnlLW1, pnlLW2);
    winkelGruppe(525, grpW2, pnlRW1, pnlRW2);

    const QStringList varianten{QStringLiteral("Variante 1"), QStringLiteral("Variante 2")};
    grpV1 = new TRadioGroup(Client(), QRect(250, 575, 130, 75), QStringLiteral(" Art "), varianten);
    grpV1->SetzeItemIndex(0);
    grpV2 = new TRadioGroup(Client(), QRect(770, 575, 130, 75), QStringLiteral(" Art "), varianten);
    grpV2->SetzeItemIndex(0);

    const TSchrittGruppe schritte1 =
        NeueSchrittGruppe(QRect(385, 575, 108, 75), QStringLiteral(" Schritte "), 3, QRect(10, 25, 85, 25));
    grpSchritt1 = schritte1.grp;
    UpDown1 = schritte1.UpDown;
    lblSchritte1 = schritte1.lblSchritte;
    grpSchritt1->hide();
    const TSchrittGruppe schritte2 =
        NeueSchrittGruppe(QRect(905, 575, 108, 75), QStringLiteral(" Schritte "), 4, QRect(10, 25, 85, 25));
    grpSchritt2 = schritte2.grp;
    UpDown2 = schritte2.UpDown;
    lblSchritte2 = schritte2.lblSchritte;
    grpSchritt2->hide();

    menArt1 = NeuerMenuePunkt(QStringLiteral("Scheitelwinkel / Nebenwinkel"));
    menArt2 = NeuerMenuePunkt(QStringLiteral("Gleich groß / Ergängung auf 180!"));

    connect(menArt1, &QAction::triggered, this, [this] { menArtClick(menArt1); });
    connect(menArt2, &QAction::triggered, this, [this] { menArtClick(menArt2); });
    grpV1->OnClick = [this] { grpV1Click(); };
    grpV2->OnClick = [this] { grpV2Click(); };
    UpDown1->OnClick = [this](TUpDown* sender) { UpDownClick(sender); };
    UpDown2->OnClick = [this](TUpDown* sender) { UpDownClick(sender); };

    pntGrafik1->OnPaint = [this] { pntGrafik1Paint(); };
    pntGrafik1->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafik1MouseDown(b, m, x, y);
    };
    pntGrafik1->OnMouseMove = [this](Qt::KeyboardModifiers m, int x, int y) { pntGrafik1MouseMove(m, x, y); };
    pntGrafik1->OnMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafik1MouseUp(b, m, x, y);
    };
    pntGrafik2->OnPaint = [this] { pntGrafik2Paint(); };
    pntGrafik1->OnBeschreibung = [this] {
        return Winkel3Beschreibung(modus, kreuzung1, LinkesWinkelBild(modus, variante1, Schritt1, kreuzung1));
    };
    pntGrafik2->OnBeschreibung = [this] {
        return Winkel3Beschreibung(modus, kreuzung2, RechtesWinkelBild(modus, variante2, Schritt2, kreuzung2));
    };
    pntGrafik2->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafik2MouseDown(b, m, x, y);
    };
    pntGrafik2->OnMouseMove = [this](Qt::KeyboardModifiers m, int x, int y) { pntGrafik2MouseMove(m, x, y); };
    pntGrafik2->OnMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafik2MouseUp(b, m, x, y);
    };
}

void TfrmWinkel3::FormActivate()
{
    rahmenHoehe = RahmenHoehe();
    SetzeFarben();

    modus = 1;
    variante1 = 1;
    variante2 = 1;
    Schritt1 = 0;
    Schritt2 = 0;
    nahe1 = nahe2 = ziehen1 = ziehen2 = false;

    lblUeb1->setText(QStringLiteral("Scheitelwinkel sind immer gleich groß"));
    lblUeb2->setText(QStringLiteral("Nebenwinkel ergänzen einander auf 180°"));
    lblStatus1->setText(textStrecke);

    hoehe1 = 0.0f;
    hoehe2 = 0.0f;
    SetzeStrecken();

    // The controls as at the first opening: mode 1 shows no steps and both left panels.
    SchritteAufNull();
    grpV1->SetzeItemIndex(0);
    grpV2->SetzeItemIndex(0);
    grpSchritt1->hide();
    grpSchritt2->hide();
    pnlLW2->show();
    for (TPanel* p : {pnlLW1, pnlLW2, pnlRW1, pnlRW2}) {
        p->SetzeSchriftFarbe(clBlack);
        p->SetzeCaption(QStringLiteral("0"));
    }
    ZeigeWerte(LinkesWinkelBild(modus, variante1, Schritt1, kreuzung1), pnlLW1, pnlLW2);
    ZeigeWerte(RechtesWinkelBild(modus, variante2, Schritt2, kreuzung2), pnlRW1, pnlRW2);

    // A window closed in the middle of a drag opens with the pointer free.
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);

    Neuzeichnen(1);
    Neuzeichnen(2);
}

void TfrmWinkel3::menSchliessenClick()
{
    close();
}

void TfrmWinkel3::menArtClick(QObject* sender)
{
    SchritteAufNull();
    if (sender == menArt1) {
        modus = 1;
        lblUeb1->setText(QStringLiteral("Scheitelwinkel"));
        lblUeb2->setText(QStringLiteral("Nebenwinkel"));
        grpSchritt1->hide();
        grpSchritt2->hide();
        pnlLW2->show();
        lblStatus1->setText(textStrecke);
    } else if (sender == menArt2) {
        modus = 2;
        lblUeb1->setText(QStringLiteral("Gleich große Winkel"));
        lblUeb2->setText(QStringLiteral("Winkel ergänzen einander auf 180°"));
        grpSchritt1->show();
        grpSchritt2->show();
        pnlLW2->hide();
        lblStatus1->setText(textStrecken);
    }
    variante1 = 1;
    grpV1->SetzeItemIndex(0);
    variante2 = 1;
    grpV2->SetzeItemIndex(0);
    SetzeStrecken();
    Neuzeichnen(1);
    Neuzeichnen(2);
}

void TfrmWinkel3::grpV1Click()
{
    variante1 = grpV1->ItemIndex() + 1;
    Neuzeichnen(1);
}

void TfrmWinkel3::grpV2Click()
{
    variante2 = grpV2->ItemIndex() + 1;
    Neuzeichnen(2);
}

void TfrmWinkel3::UpDownClick(TUpDown* sender)
{
    if (sender == UpDown1) {
        Schritt1 = UpDown1->Position();
        lblSchritte1->setText(QString::number(Schritt1));
        if (Schritt1 == 0) {
            pnlLW2->hide();
            lblUeb1->setText(QStringLiteral("Gleich große Winkel"));
        } else if (Schritt1 == 1) {
            pnlLW2->show();
            lblUeb1->setText(QStringLiteral("Scheitelwinkel sind immer gleich große Winkel"));
        }
        Neuzeichnen(1);
    } else if (sender == UpDown2) {
        Schritt2 = UpDown2->Position();
        lblSchritte2->setText(QString::number(Schritt2));
        if (Schritt2 == 0)
            lblUeb2->setText(QStringLiteral("Winkel ergänzen einander auf 180°"));
        else if (Schritt2 == 1)
            lblUeb2->setText(QStringLiteral("Nebenwinkel ergänzen einander auf 180° (supplementär)"));
        Neuzeichnen(2);
    }
}

void TfrmWinkel3::SchritteAufNull()
{
    Schritt1 = 0;
    Schritt2 = 0;
    lblSchritte1->setText(QStringLiteral("0"));
    lblSchritte2->setText(QStringLiteral("0"));
    UpDown1->SetzePosition(0);
    UpDown2->SetzePosition(0);
}

void TfrmWinkel3::SetzeStrecken()
{
    P1X = Q1X = -7.0f;
    P1Y = Q1Y = -7.0f;
    P2X = Q2X = 5.0f;
    P2Y = Q2Y = 7.0f;
    BerechneKreuzung(P1X, P1Y, P2X, P2Y, hoehe1, kreuzung1);
    BerechneKreuzung(Q1X, Q1Y, Q2X, Q2Y, hoehe2, kreuzung2);
}

// ---------------------------------------------------------------------------
// Dragging

QRect TfrmWinkel3::ZiehBereichImBild(int modus, bool obererPunkt)
{
    // 45..440 across keeps both ends between x -8.1 and 8.3; the bands keep the
    // upper end above and the lower end below the line(s).
    if (modus == 2)
        return obererPunkt ? QRect(45, 10, 395, 110) : QRect(45, 355, 395, 105);
    return obererPunkt ? QRect(45, 10, 395, 190) : QRect(45, 270, 395, 195);
}

QRect TfrmWinkel3::ZiehBereich(int zeichnung, int modus, bool obererPunkt) const
{
    // From the drawing's position on the screen at this moment, so the bands
    // still lie over the drawing after the window has been moved.
    const TPaintBox* box = zeichnung == 1 ? pntGrafik1 : pntGrafik2;
    const QRect imBild = ZiehBereichImBild(modus, obererPunkt);
    return QRect(box->mapToGlobal(imBild.topLeft()), imBild.size());
}

TfrmWinkel3::TSeite TfrmWinkel3::Seite(int zeichnung)
{
    if (zeichnung == 1)
        return {pntGrafik1, &P1X, &P1Y, &P2X, &P2Y, &hoehe1, &maus1X, &maus1Y, &kreuzung1, 1};
    return {pntGrafik2, &Q1X, &Q1Y, &Q2X, &Q2Y, &hoehe2, &maus2X, &maus2Y, &kreuzung2, 2};
}

void TfrmWinkel3::MausDown(const TSeite& s, int x, int y)
{
    SetzeWeltfenster(s.box->width(), s.box->height(), weltWinkel3);
    PixelZuWelt(x, y, *s.mausX, *s.mausY);
    // Nearness from where the button went down, also when no move came before.
    nahe1 = Abstand(*s.mausX, *s.mausY, *s.untenX, *s.untenY) <= naheAbstand;
    nahe2 = Abstand(*s.mausX, *s.mausY, *s.obenX, *s.obenY) <= naheAbstand;
    if (modus == 1 || modus == 2) {
        if (nahe1) {
            ziehen1 = true;
            if (*s.mausY < *s.hoehe) {
                const QRect bereich = ZiehBereich(s.nummer, modus, false);
                ClipCursor(&bereich);
                *s.untenX = *s.mausX;
                *s.untenY = *s.mausY;
            }
        }
        if (nahe2) {
            ziehen2 = true;
            if (*s.mausY > *s.hoehe) {
                const QRect bereich = ZiehBereich(s.nummer, modus, true);
                ClipCursor(&bereich);
                *s.obenX = *s.mausX;
                *s.obenY = *s.mausY;
            }
        }
    }
    BerechneKreuzung(*s.untenX, *s.untenY, *s.obenX, *s.obenY, *s.hoehe, *s.kreuzung);
    Neuzeichnen(s.nummer);
}

void TfrmWinkel3::MausMove(const TSeite& s, int x, int y)
{
    SetzeWeltfenster(s.box->width(), s.box->height(), weltWinkel3);
    PixelZuWelt(x, y, *s.mausX, *s.mausY);
    nahe1 = Abstand(*s.mausX, *s.mausY, *s.untenX, *s.untenY) <= naheAbstand;
    nahe2 = Abstand(*s.mausX, *s.mausY, *s.obenX, *s.obenY) <= naheAbstand;
    SetzeBildschirmCursor(nahe1 || nahe2 ? crHandPoint : crDefault);
    if (modus == 1 || modus == 2) {
        // An end never crosses to the other side of the line.
        if (ziehen1 && *s.mausY < *s.hoehe) {
            *s.untenX = *s.mausX;
            *s.untenY = *s.mausY;
        }
        if (ziehen2 && *s.mausY > *s.hoehe) {
            *s.obenX = *s.mausX;
            *s.obenY = *s.mausY;
        }
    }
    BerechneKreuzung(*s.untenX, *s.untenY, *s.obenX, *s.obenY, *s.hoehe, *s.kreuzung);
    Neuzeichnen(s.nummer);
}

void TfrmWinkel3::MausUp(const TSeite& s)
{
    nahe1 = nahe2 = ziehen1 = ziehen2 = false;
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
    Neuzeichnen(s.nummer);
}

void TfrmWinkel3::pntGrafik1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    MausDown(Seite(1), x, y);
}

void TfrmWinkel3::pntGrafik1MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    MausMove(Seite(1), x, y);
}

void TfrmWinkel3::pntGrafik1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    MausUp(Seite(1));
}

void TfrmWinkel3::pntGrafik2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    MausDown(Seite(2), x, y);
}

void TfrmWinkel3::pntGrafik2MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    MausMove(Seite(2), x, y);
}

void TfrmWinkel3::pntGrafik2MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    MausUp(Seite(2));
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmWinkel3::ZeichneFigur(TPaintBox* box, const TKreuzung& k, float ux, float uy, float ox, float oy,
                               float hoehe, const TWinkelBild& bild, TPanel* panel1, TPanel* panel2)
{
    Leinwand& lw = box->Canvas;
    BeginneZeichnung(lw, box->width(), box->height(), weltWinkel3);

    if (modus == 1) {
        Strecke(lw, 2, clBlack, -10.0f, hoehe, 10.0f, hoehe, linieVoll);
        Strecke(lw, 2, clBlack, ux, uy, ox, oy, linieVoll);
        TextZentriert(lw, QStringLiteral("S"), clBlack, true, 12, k.sX + 0.4f, k.sY - 0.4f);
    } else {
        Strecke(lw, 2, clBlack, -10.0f, parallele, 10.0f, parallele, linieVoll);
        Strecke(lw, 2, clBlack, -10.0f, -parallele, 10.0f, -parallele, linieVoll);
        Strecke(lw, 2, clBlack, ux, uy, ox, oy, linieVoll);
        TextZentriert(lw, QStringLiteral("S!1"), clBlack, true, 12, k.s1X + 0.4f, k.s1Y - 0.4f);
        TextZentriert(lw, QStringLiteral("S!2"), clBlack, true, 12, k.s2X + 0.4f, k.s2Y - 0.4f);
    }

    for (const TWinkelBogen& b : bild.boegen)
        Bogen(lw, 3, b.farbe, b.cx, b.cy, markenRadius, b.von, b.bis);

    ZeigeWerte(bild, panel1, panel2);
}

void TfrmWinkel3::Neuzeichnen(int zeichnung)
{
    // The panels change with the state here, so that a reader hears of it from
    // the handler; the paint handler shows the same values again.
    if (zeichnung == 1) {
        ZeigeWerte(LinkesWinkelBild(modus, variante1, Schritt1, kreuzung1), pnlLW1, pnlLW2);
        pntGrafik1->repaint();
    } else {
        ZeigeWerte(RechtesWinkelBild(modus, variante2, Schritt2, kreuzung2), pnlRW1, pnlRW2);
        pntGrafik2->repaint();
    }
}

void TfrmWinkel3::ZeigeWerte(const TWinkelBild& bild, TPanel* panel1, TPanel* panel2)
{
    // A reader hears the colour with the value, as the drawing's description names the arcs.
    if (bild.panel1) {
        panel1->SetzeSchriftFarbe(bild.panel1->farbe);
        if (panel1->accessibleDescription() != Farbname(bild.panel1->farbe) + QStringLiteral(" Winkel"))
            panel1->setAccessibleDescription(Farbname(bild.panel1->farbe) + QStringLiteral(" Winkel"));
        panel1->SetzeCaption(PanelText(bild.panel1->wert));
    }
    if (bild.panel2) {
        panel2->SetzeSchriftFarbe(bild.panel2->farbe);
        if (panel2->accessibleDescription() != Farbname(bild.panel2->farbe) + QStringLiteral(" Winkel"))
            panel2->setAccessibleDescription(Farbname(bild.panel2->farbe) + QStringLiteral(" Winkel"));
        panel2->SetzeCaption(PanelText(bild.panel2->wert));
    }
}

void TfrmWinkel3::pntGrafik1Paint()
{
    ZeichneFigur(pntGrafik1, kreuzung1, P1X, P1Y, P2X, P2Y, hoehe1,
                 LinkesWinkelBild(modus, variante1, Schritt1, kreuzung1), pnlLW1, pnlLW2);
}

void TfrmWinkel3::pntGrafik2Paint()
{
    ZeichneFigur(pntGrafik2, kreuzung2, Q1X, Q1Y, Q2X, Q2Y, hoehe2,
                 RechtesWinkelBild(modus, variante2, Schritt2, kreuzung2), pnlRW1, pnlRW2);
}
