#include "lessons/Winkel3U.h"

#include "app/Plattform.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
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

constexpr float naheAbstand = 0.2f;

// A group " Winkel " with two white panels for the values of a drawing.
void NeueWinkelGruppe(QWidget* eltern, int links, QGroupBox*& grp, TPanel*& p1, TPanel*& p2)
{
    grp = new QGroupBox(QStringLiteral(" Winkel "), eltern);
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
}

} // namespace

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

    NeueWinkelGruppe(Client(), 5, grpW1, pnlLW1, pnlLW2);
    NeueWinkelGruppe(Client(), 525, grpW2, pnlRW1, pnlRW2);

    const QStringList varianten{QStringLiteral("Variante 1"), QStringLiteral("Variante 2")};
    grpV1 = new TRadioGroup(Client(), QRect(250, 575, 130, 75), QStringLiteral(" Art "), varianten);
    grpV1->SetzeItemIndex(0);
    grpV2 = new TRadioGroup(Client(), QRect(770, 575, 130, 75), QStringLiteral(" Art "), varianten);
    grpV2->SetzeItemIndex(0);

    // The steps of mode 2, hidden in mode 1.
    const auto schrittGruppe = [this](int links, int max, QGroupBox*& grp, TUpDown*& ud, QLabel*& lbl) {
        const TSchrittGruppe g =
            NeueSchrittGruppe(QRect(links, 575, 108, 75), QStringLiteral(" Schritte "), max, QRect(10, 25, 85, 25));
        grp = g.grp;
        ud = g.UpDown;
        lbl = g.lblSchritte;
        grp->hide();
    };
    schrittGruppe(385, 3, grpSchritt1, UpDown1, lblSchritte1);
    schrittGruppe(905, 4, grpSchritt2, UpDown2, lblSchritte2);

    const auto art = [this](QAction* punkt) { menArtClick(punkt); };
    menArt1 = NeuerMenuePunkt(QStringLiteral("Scheitelwinkel / Nebenwinkel"), art);
    menArt2 = NeuerMenuePunkt(QStringLiteral("Gleich groß / Ergängung auf 180!"), art);
    grpV1->OnClick = [this] { grpV1Click(); };
    grpV2->OnClick = [this] { grpV2Click(); };
    UpDown1->OnClick = [this](TUpDown* sender) { UpDownClick(sender); };
    UpDown2->OnClick = [this](TUpDown* sender) { UpDownClick(sender); };

    VerbindeZeichnung(pntGrafik1, &TfrmWinkel3::pntGrafik1Paint, &TfrmWinkel3::pntGrafik1MouseDown,
                      &TfrmWinkel3::pntGrafik1MouseMove, &TfrmWinkel3::pntGrafik1MouseUp);
    VerbindeZeichnung(pntGrafik2, &TfrmWinkel3::pntGrafik2Paint, &TfrmWinkel3::pntGrafik2MouseDown,
                      &TfrmWinkel3::pntGrafik2MouseMove, &TfrmWinkel3::pntGrafik2MouseUp);
    pntGrafik1->OnBeschreibung = [this] { return Winkel3Beschreibung(modus, kreuzung1, Marken(1)); };
    pntGrafik2->OnBeschreibung = [this] { return Winkel3Beschreibung(modus, kreuzung2, Marken(2)); };
}

void TfrmWinkel3::VerbindeZeichnung(TPaintBox* box, void (TfrmWinkel3::*paint)(), TMausKnopf down,
                                    TMausZug move, TMausKnopf up)
{
    box->OnPaint = [this, paint] { (this->*paint)(); };
    box->OnMouseDown = [this, down](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        (this->*down)(b, m, x, y);
    };
    box->OnMouseMove = [this, move](Qt::KeyboardModifiers m, int x, int y) { (this->*move)(m, x, y); };
    box->OnMouseUp = [this, up](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) { (this->*up)(b, m, x, y); };
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
    ZeigeWerte(Marken(1), pnlLW1, pnlLW2);
    ZeigeWerte(Marken(2), pnlRW1, pnlRW2);

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
    if (sender == menArt1 || sender == menArt2) {
        modus = sender == menArt1 ? 1 : 2;
        const bool parallelen = modus == 2;
        lblUeb1->setText(parallelen ? QStringLiteral("Gleich große Winkel") : QStringLiteral("Scheitelwinkel"));
        lblUeb2->setText(parallelen ? QStringLiteral("Winkel ergänzen einander auf 180°")
                                    : QStringLiteral("Nebenwinkel"));
        grpSchritt1->setVisible(parallelen);
        grpSchritt2->setVisible(parallelen);
        pnlLW2->setVisible(!parallelen);
        lblStatus1->setText(parallelen ? textStrecken : textStrecke);
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

void TfrmWinkel3::Zeiger(const TSeite& s, int x, int y)
{
    SetzeWeltfenster(s.box->width(), s.box->height(), weltWinkel3);
    PixelZuWelt(x, y, *s.mausX, *s.mausY);
    nahe1 = Abstand(*s.mausX, *s.mausY, *s.untenX, *s.untenY) <= naheAbstand;
    nahe2 = Abstand(*s.mausX, *s.mausY, *s.obenX, *s.obenY) <= naheAbstand;
}

void TfrmWinkel3::MausDown(const TSeite& s, int x, int y)
{
    // Nearness from where the button went down, also when no move came before.
    Zeiger(s, x, y);
    // An end near the pointer is taken up; it jumps to the pointer and the
    // pointer is kept in the end's band only on the end's side of the line.
    const auto nimm = [&](bool nahe, bool& ziehen, bool obererPunkt, float* endeX, float* endeY) {
        if (!nahe)
            return;
        ziehen = true;
        if (obererPunkt ? *s.mausY > *s.hoehe : *s.mausY < *s.hoehe) {
            const QRect bereich = ZiehBereich(s.nummer, modus, obererPunkt);
            ClipCursor(&bereich);
            *endeX = *s.mausX;
            *endeY = *s.mausY;
        }
    };
    if (modus == 1 || modus == 2) {
        nimm(nahe1, ziehen1, false, s.untenX, s.untenY);
        nimm(nahe2, ziehen2, true, s.obenX, s.obenY);
    }
    BerechneKreuzung(*s.untenX, *s.untenY, *s.obenX, *s.obenY, *s.hoehe, *s.kreuzung);
    Neuzeichnen(s.nummer);
}

void TfrmWinkel3::MausMove(const TSeite& s, int x, int y)
{
    Zeiger(s, x, y);
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

void TfrmWinkel3::pntGrafik2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    MausDown(Seite(2), x, y);
}

void TfrmWinkel3::pntGrafik1MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    MausMove(Seite(1), x, y);
}

void TfrmWinkel3::pntGrafik2MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    MausMove(Seite(2), x, y);
}

void TfrmWinkel3::pntGrafik1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    MausUp(Seite(1));
}

void TfrmWinkel3::pntGrafik2MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    MausUp(Seite(2));
}

// ---------------------------------------------------------------------------
// Drawing

TWinkelMarken TfrmWinkel3::Marken(int zeichnung) const
{
    if (zeichnung == 1)
        return LinkeMarken(modus, variante1, Schritt1, kreuzung1);
    return RechteMarken(modus, variante2, Schritt2, kreuzung2);
}

void TfrmWinkel3::Neuzeichnen(int zeichnung)
{
    // The panels follow the state here, in the handler that changed it, so
    // that a reader hears of it at once; painting only draws.
    if (zeichnung == 1) {
        ZeigeWerte(Marken(1), pnlLW1, pnlLW2);
        pntGrafik1->repaint();
    } else {
        ZeigeWerte(Marken(2), pnlRW1, pnlRW2);
        pntGrafik2->repaint();
    }
}

void TfrmWinkel3::ZeigeWerte(const TWinkelMarken& marken, TPanel* panel1, TPanel* panel2)
{
    // A reader hears the colour with the value, as the drawing's description names the arcs.
    const auto zeige = [](const std::optional<TPanelWert>& wert, TPanel* panel) {
        if (!wert)
            return;
        const QString beschreibung = QtText(Farbname(wert->farbe)) + QStringLiteral(" Winkel");
        panel->SetzeSchriftFarbe(wert->farbe);
        if (panel->accessibleDescription() != beschreibung)
            panel->setAccessibleDescription(beschreibung);
        panel->SetzeCaption(QtText(PanelText(wert->wert)));
    };
    zeige(marken.panel1, panel1);
    zeige(marken.panel2, panel2);
}

void TfrmWinkel3::pntGrafik1Paint()
{
    BeginneZeichnung(pntGrafik1->Canvas, pntGrafik1->width(), pntGrafik1->height(), weltWinkel3);
    Zeichne(pntGrafik1->Canvas, Winkel3Bild(modus, {P1X, P1Y}, {P2X, P2Y}, hoehe1, kreuzung1, Marken(1)));
}

void TfrmWinkel3::pntGrafik2Paint()
{
    BeginneZeichnung(pntGrafik2->Canvas, pntGrafik2->width(), pntGrafik2->height(), weltWinkel3);
    Zeichne(pntGrafik2->Canvas, Winkel3Bild(modus, {Q1X, Q1Y}, {Q2X, Q2Y}, hoehe2, kreuzung2, Marken(2)));
}
