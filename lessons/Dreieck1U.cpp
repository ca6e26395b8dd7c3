#include "lessons/Dreieck1U.h"

#include "app/Vorlesen.h"

#include "draw/Bild.h"
#include "draw/Texte.h"
#include "draw/Zeichne.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/ZufallU.h"

#include <QAction>

using namespace dreieck1;

namespace {

// The drawing shows 40 x 20 units.
constexpr TWeltRechteck weltDreieck1{-20.0f, 20.0f, -10.0f, 10.0f};

// Title, its colour and the last step of each theorem.
struct TSatzZeile {
    const char* titel;
    const TFarbe* farbe; // a palette colour, set on activation
    int maxSchritt;
};
const TSatzZeile saetze[] = {
    {"Seiten – Seiten – Seiten – Satz", &farbeViolett, 5},
    {"Winkel – Seiten – Winkel – Satz", &farbeBraun, 5},
    {"Seiten – Winkel – Seiten – Satz", &farbeOliv, 5},
    {"Seiten – Seiten – Winkel – Satz", &farbeMagenta, 6},
};

QString SchritteCaption(int maxSchritt)
{
    return QStringLiteral("Schritte (0–") + QString::number(maxSchritt) + QStringLiteral(")");
}

} // namespace

// ---------------------------------------------------------------------------
// Window

TfrmDreieck1::TfrmDreieck1(QWidget* eltern) : TLektionsFenster(QStringLiteral("Dreieckskonstruktionen"), eltern)
{
    pnlUeb1 = NeuesPanel(QRect(4, 5, 1007, 70));
    lblUeb = TitelLabel(pnlUeb1, QRect(10, 2, 987, 66));
    bevGrafik1 = NeuerBevel(QRect(4, 86, 1007, 488));
    pntGrafik = NeuePaintBox(QRect(7, 90, 1000, 480));

    const TSchrittGruppe schritte =
        NeueSchrittGruppe(QRect(4, 575, 150, 75), QStringLiteral(" Schritte (0-5) "), 5, QRect(15, 25, 120, 25), 22);
    grpSchritt = schritte.grp;
    UpDown = schritte.UpDown;
    lblSchritte = schritte.lblSchritte;

    grpLoesungen = new TRadioGroup(Client(), QRect(168, 576, 150, 75), QStringLiteral(" Lösungen "),
                                   {QStringLiteral("eine"), QStringLiteral("zwei")});
    grpLoesungen->SetzeItemIndex(0);
    grpLoesungen->hide();

    const TWiederholGruppe wiederholen = NeueWiederholGruppe();
    grpWH = wiederholen.grp;
    btnWH = wiederholen.btn;
    btnWH->setAutoDefault(false);
    btnWH->setDefault(false);

    // The instruction is drawn as marked-up text on the panel's face.
    pnlStatus1 = NeuesPanel(QRect(4, 655, 1007, 55));
    pntStatus = new TPaintBox(pnlStatus1, QRect(2, 2, 1003, 51));

    const auto satz = [this](QAction* punkt) { menSatzClick(punkt); };
    menSatz1 = NeuerMenuePunkt(QStringLiteral("Satz &1 (SSS)"), satz);
    menSatz2 = NeuerMenuePunkt(QStringLiteral("Satz &2 (WSW)"), satz);
    menSatz3 = NeuerMenuePunkt(QStringLiteral("Satz &3 (SWS)"), satz);
    menSatz4 = NeuerMenuePunkt(QStringLiteral("Satz &4 (SSW)"), satz);

    UpDown->OnClick = [this](TUpDown*) { UpDownClick(); };
    grpLoesungen->OnClick = [this] { grpLoesungenClick(); };
    connect(btnWH, &QPushButton::clicked, this, [this] { btnWHClick(); });
    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    pntStatus->OnPaint = [this] { pntStatusPaint(); };
    pntGrafik->setAccessibleName(QStringLiteral("Konstruktion"));
    pntGrafik->OnBeschreibung = [this] {
        return dreieck1::KonstruktionsBeschreibung(Satz, Loesungen, Schritt, MaxSchritt, {A, B, C});
    };
    pntStatus->setAccessibleName(QStringLiteral("Anweisung"));
    pntStatus->Rolle = TPaintBox::TRolle::Text;
    pntStatus->OnBeschreibung = [this] { return Klartext(dreieck1::Anweisung(Satz, Schritt, Loesungen)); };
}

void TfrmDreieck1::FormActivate()
{
    SetzeFarben();
    linienFarbe1 = farbeViolett;
    linienFarbe2 = farbeOliv;

    Satz = satzSSS;
    Schritt = 0;
    MaxSchritt = saetze[0].maxSchritt;
    Loesungen = 1;
    SetzeTitel(QString::fromUtf8(saetze[0].titel), *saetze[0].farbe);
    grpSchritt->setTitle(SchritteCaption(MaxSchritt));

    // The window always opens as the SSS lesson at step 0 with one solution chosen.
    UpDown->SetzeMax(MaxSchritt);
    SchrittAufNull();
    grpLoesungen->SetzeItemIndex(0);
    grpLoesungen->hide();
    grpLoesungen->setEnabled(true);
    btnWH->setEnabled(false);

    // A low apex for the first triangle; every later one is drawn by its theorem's rule.
    Randomize();
    const TDreieck d = ZieheEinmal(true);
    A = d.A;
    B = d.B;
    C = d.C;

    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck1::menSchliessenClick()
{
    close();
}

void TfrmDreieck1::menSatzClick(QObject* sender)
{
    grpLoesungen->hide();
    btnWH->setEnabled(false);
    const QAction* punkte[] = {menSatz1, menSatz2, menSatz3, menSatz4};
    for (int i = 0; i < 4; ++i) {
        if (sender != punkte[i])
            continue;
        Satz = i + 1;
        SetzeTitel(QString::fromUtf8(saetze[i].titel), *saetze[i].farbe);
        MaxSchritt = saetze[i].maxSchritt;
    }
    if (Satz == satzSsW) {
        grpLoesungen->show();
        grpLoesungen->setEnabled(true);
    }
    NeuesDreieck();
    SchrittAufNull();
    grpSchritt->setTitle(SchritteCaption(MaxSchritt));
    UpDown->SetzeMax(MaxSchritt);
    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck1::UpDownClick()
{
    Schritt = UpDown->Position();
    lblSchritte->setText(QString::number(Schritt));
    grpLoesungen->setEnabled(Schritt == 0);
    btnWH->setEnabled(Schritt == MaxSchritt);
    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck1::grpLoesungenClick()
{
    Loesungen = grpLoesungen->ItemIndex() + 1;
    NeuesDreieck();
    pntGrafik->repaint();
}

void TfrmDreieck1::btnWHClick()
{
    SchrittAufNull();
    btnWH->setEnabled(false);
    if (Satz == satzSsW)
        grpLoesungen->setEnabled(true);
    NeuesDreieck();
    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck1::NeuesDreieck()
{
    const TDreieck alt{A, B, C};
    TDreieck d = ZieheDreieck(Satz, Loesungen);
    while (d == alt)
        d = ZieheDreieck(Satz, Loesungen);
    A = d.A;
    B = d.B;
    C = d.C;
}

void TfrmDreieck1::SchrittAufNull()
{
    Schritt = 0;
    UpDown->SetzePosition(0);
    lblSchritte->setText(QStringLiteral("0"));
}

void TfrmDreieck1::SetzeTitel(const QString& text, TFarbe farbe)
{
    QPalette farben = lblUeb->palette();
    farben.setColor(QPalette::WindowText, QtFarbe(farbe));
    lblUeb->setPalette(farben);
    lblUeb->setText(text);
}

// ---------------------------------------------------------------------------
// Painting

void TfrmDreieck1::pntGrafikPaint()
{
    Leinwand& lw = pntGrafik->Canvas;
    BeginneZeichnung(lw, pntGrafik->width(), pntGrafik->height(), weltDreieck1);
    Zeichne(lw, KonstruktionsBild(Satz, Loesungen, Schritt, {A, B, C}));
}

void TfrmDreieck1::pntStatusPaint()
{
    // 40 x 4 units on 1000 x 50 pixels, and no fill: the panel's face shows
    // behind the sentence.
    SetzeWeltfenster(0, 1000, 0, 50, -20.0f, 20.0f, -2.0f, 2.0f);
    Zeichne(pntStatus->Canvas, AnweisungsBild(Satz, Schritt, Loesungen));
}
