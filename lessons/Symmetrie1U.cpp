// "Spiegeln": reflecting a marked figure in the y axis, step by step.
#include "lessons/Symmetrie1U.h"

#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"

namespace {

// The drawing shows 40 x 20 units.
constexpr TWeltRechteck weltSpiegeln{-20, 20, -10, 10};

const QString textUeb = QStringLiteral("Symmetrische Figuren – Symmetrieachse");
const QString textAnfang = QStringLiteral(
    "Wähle die Anzahl der Punkte aus und markiere diese durch Klicken mit der Maus innerhalb "
    "des strichlierten Rahmens.");
const QString textAusserhalb = QStringLiteral("Der Punkt liegt nicht innerhab der Markierung!");
const QString textKeinPunkt = QStringLiteral("Kein weiterer Punkt möglich!");

} // namespace

TfrmSymmetrie1::TfrmSymmetrie1(QWidget* eltern)
    : TLektionsFenster(QStringLiteral("Spiegeln"), eltern)
{
    EinBereich().Verteile(pnlUeb1, lblUeb, bevGrafik1, pntGrafik, pnlStatus1, lblStatus);

    grpAnzahl = new TRadioGroup(Client(), QRect(4, 575, 230, 75), QStringLiteral(" Markierungen "),
                                {QStringLiteral("2 Punkte"), QStringLiteral("3 Punkte"),
                                 QStringLiteral("4 Punkte"), QStringLiteral("5 Punkte")},
                                2);
    grpAnzahl->SetzeItemIndex(0);

    const TSchrittGruppe schritte = NeueSchrittGruppe(QRect(729, 575, 130, 75),
                                                      QStringLiteral("Schritte (0–4)"), letzterSchritt,
                                                      QRect(15, 25, 100, 25));
    grpSchritt = schritte.grp;
    UpDown = schritte.UpDown;
    lblSchritte = schritte.lblSchritte;
    grpSchritt->setVisible(false);

    const TWiederholGruppe wiederholen = NeueWiederholGruppe();
    grpWH = wiederholen.grp;
    btnWH = wiederholen.btn;
    btnWH->setEnabled(false);

    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    pntGrafik->OnMouseDown = [this](Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, int x, int y) {
        pntGrafikMouseDown(knopf, tasten, x, y);
    };
    grpAnzahl->OnClick = [this] { grpAnzahlClick(); };
    UpDown->OnClick = [this](TUpDown* sender) { UpDownClick(sender); };
    connect(btnWH, &QPushButton::clicked, this, [this] { btnWHClick(); });
    pntGrafik->OnBeschreibung = [this] {
        return symmetrie1::Beschreibung(anzahlPunkte, punkte, markiert, Schritt);
    };
}

// ---------------------------------------------------------------------------
// Opening the window: colours, texts, and a fresh start for state and controls.

void TfrmSymmetrie1::FormActivate()
{
    SetzeFarben();
    linienFarbe1 = farbeViolett;
    linienFarbe2 = farbeOliv;

    lblUeb->setText(textUeb);
    lblStatus->setText(textAnfang);
    grpSchritt->setTitle(QStringLiteral("Schritte (0–4)"));

    anzahlPunkte = 2;
    Schritt = 0;
    alleMarkiert = false;
    markiert = 0;
    for (TMarkierPunkt& p : punkte)
        p = TMarkierPunkt{};

    // The controls as on the very first opening: "2 Punkte", no step group, step 0.
    grpAnzahl->SetzeItemIndex(0);
    grpAnzahl->setEnabled(true);
    grpSchritt->setVisible(false);
    UpDown->SetzePosition(0);
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, 0);
    btnWH->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Handlers.

void TfrmSymmetrie1::grpAnzahlClick()
{
    for (TMarkierPunkt& p : punkte)
        p.gesetzt = false;
    markiert = 0;
    anzahlPunkte = grpAnzahl->ItemIndex() + 2;

    grpSchritt->setVisible(false);
    lblStatus->setText(QtText(symmetrie1::Anleitung(0)));

    Schritt = 0;
    UpDown->SetzePosition(0);
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, 0);
    btnWH->setEnabled(false);
    alleMarkiert = false;

    pntGrafik->repaint();
}

void TfrmSymmetrie1::pntGrafikMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int px, int py)
{
    // The mouse handler converts with this drawing's own world window, whatever
    // was painted last.
    setzeWeltfenster();
    float x = 0, y = 0;
    PixelZuWelt(px, py, x, y);

    // Strictly inside the frame; its border counts as outside. This holds also
    // once the frame is no longer drawn.
    if (x <= -rahmenX || x >= rahmenX || y <= -rahmenY || y >= rahmenY) {
        MessageDlg(this, textAusserhalb);
        return;
    }

    if (markiert >= anzahlPunkte) {
        MessageDlg(this, textKeinPunkt);
        markiert = anzahlPunkte;
    } else {
        ++markiert;
        punkte[markiert] = {x, y, true};
        if (markiert == anzahlPunkte) {
            grpSchritt->setVisible(true);
            alleMarkiert = true;
        }
    }
    pntGrafik->repaint();
}

void TfrmSymmetrie1::UpDownClick(TUpDown*)
{
    Schritt = UpDown->Position();
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, Schritt);
    lblStatus->setText(QtText(symmetrie1::Anleitung(Schritt)));

    // The number of points may be changed at step 0 and at the last step only;
    // reaching the last step also offers the repeat.
    if (Schritt == 0) {
        grpAnzahl->setEnabled(true);
    } else if (Schritt < letzterSchritt) {
        grpAnzahl->setEnabled(false);
    } else {
        grpAnzahl->setEnabled(true);
        btnWH->setEnabled(true);
    }
    pntGrafik->repaint();
}

void TfrmSymmetrie1::btnWHClick()
{
    Schritt = 0;
    UpDown->SetzePosition(0);
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, 0);
    lblStatus->setText(QtText(symmetrie1::Anleitung(0)));
    btnWH->setEnabled(false);
    grpAnzahl->setEnabled(false);
    pntGrafik->repaint();
}

// ---------------------------------------------------------------------------
// Drawing.

void TfrmSymmetrie1::setzeWeltfenster()
{
    SetzeWeltfenster(pntGrafik->width(), pntGrafik->height(), weltSpiegeln);
}

void TfrmSymmetrie1::pntGrafikPaint()
{
    BeginneZeichnung(pntGrafik->Canvas, pntGrafik->width(), pntGrafik->height(), weltSpiegeln);
    Zeichne(pntGrafik->Canvas, symmetrie1::Symmetrie1Bild(anzahlPunkte, punkte, markiert, alleMarkiert, Schritt,
                                                          linienFarbe1, linienFarbe2));
}
