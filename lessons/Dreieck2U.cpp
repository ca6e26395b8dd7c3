#include "lessons/Dreieck2U.h"

#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"

#include <QAction>

using namespace dreieck2;

namespace {

// The instruction panel shows x from -20 to 20 and y from -2 to 2 on 1000 x 50
// of its pixels.
constexpr TWeltRechteck weltStatus{-20, 20, -2, 2};
constexpr int statusBreite = 1000;
constexpr int statusHoehe = 50;

const QString textEin = QStringLiteral("eingeschaltet");
const QString textAus = QStringLiteral("ausgeschaltet");

QString SchritteCaption(int maxSchritt)
{
    return QStringLiteral("Schritte (0–%1)").arg(maxSchritt);
}

} // namespace

TfrmDreieck2::TfrmDreieck2(QWidget* eltern) : TLektionsFenster(QStringLiteral("Besondere Eigenschaften"), eltern)
{
    pnlUeb1 = NeuesPanel(QRect(4, 5, 1007, 70));
    lblUeb = TitelLabel(pnlUeb1, QRect(10, 2, 987, 66));
    bevGrafik1 = NeuerBevel(QRect(4, 86, 1007, 488));
    pntGrafik = NeuePaintBox(QRect(7, 90, 1000, 480));

    const TSchrittGruppe schritte = NeueSchrittGruppe(QRect(4, 575, 150, 75), QStringLiteral(" Schritte (0-5) "),
                                                      5, QRect(15, 25, 120, 25), 22);
    grpSchritt = schritte.grp;
    UpDown = schritte.UpDown;
    lblSchritte = schritte.lblSchritte;

    const auto schalterGruppe = [this](int links, const QString& caption, QGroupBox*& grp, QCheckBox*& chk) {
        grp = new QGroupBox(caption, Client());
        grp->setGeometry(links, 575, 160, 75);
        chk = new QCheckBox(textEin, grp);
        chk->setGeometry(16, 32, 129, 17);
        chk->setChecked(true);
    };
    schalterGruppe(170, QStringLiteral(" Winkel "), grpWinkel, chkWinkel);
    schalterGruppe(350, QStringLiteral(" Beschriftung "), grpBeschriftung, chkBeschriftung);

    const TWiederholGruppe wiederholen = NeueWiederholGruppe();
    grpWH = wiederholen.grp;
    btnWH = wiederholen.btn;

    pnlStatus1 = NeuesPanel(QRect(4, 655, 1007, 55));
    pntStatus = new TPaintBox(pnlStatus1, QRect(2, 2, 1003, 51));

    const auto eigenschaft = [this](QAction* punkt) { menEigenClick(punkt); };
    menEigen1 = NeuerMenuePunkt(QStringLiteral("Höhen"), eigenschaft);
    menEigen2 = NeuerMenuePunkt(QStringLiteral("Seitensymmetralen"), eigenschaft);
    menEigen3 = NeuerMenuePunkt(QStringLiteral("Winkelsymmetralen"), eigenschaft);
    menEigen4 = NeuerMenuePunkt(QStringLiteral("Schwerlinien"), eigenschaft);

    UpDown->OnClick = [this](TUpDown*) { UpDownClick(); };
    connect(chkWinkel, &QCheckBox::clicked, this, [this] { chkWinkelClick(); });
    connect(chkBeschriftung, &QCheckBox::clicked, this, [this] { chkBeschriftungClick(); });
    connect(btnWH, &QPushButton::clicked, this, [this] { btnWHClick(); });
    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    pntStatus->OnPaint = [this] { pntStatusPaint(); };
    pntGrafik->setAccessibleName(QStringLiteral("Dreieck ABC"));
    pntGrafik->OnBeschreibung = [this] {
        return dreieck2::SchrittBeschreibung(Eigenschaft, Schritt, MaxSchritt, WinkelAn, BeschriftungAn, Dreieck());
    };
    pntStatus->setAccessibleName(QStringLiteral("Anweisung"));
    pntStatus->Rolle = TPaintBox::TRolle::Text;
    pntStatus->OnBeschreibung = [this] { return dreieck2::AnweisungsText(Eigenschaft, Schritt); };
}

// Every opening starts with the heights on the fixed triangle, both switches
// on and ticked, and the repeat button disabled.
void TfrmDreieck2::FormActivate()
{
    SetzeFarben();
    Eigenschaft = hoehen;
    Schritt = 0;
    A = startDreieck.A;
    B = startDreieck.B;
    C = startDreieck.C;
    for (int e = hoehen; e <= schwerlinien; ++e)
        SchritteJeEigenschaft[e] = schritteJeEigenschaft[e];
    MaxSchritt = SchritteJeEigenschaft[Eigenschaft];
    ZeigeEigenschaft();
    WinkelAn = true;
    BeschriftungAn = true;
    SchalterAn(chkWinkel);
    SchalterAn(chkBeschriftung);
    btnWH->setEnabled(false);
    pntGrafik->update();
    pntStatus->update();
}

void TfrmDreieck2::SchalterAn(QCheckBox* chk)
{
    chk->setChecked(true);
    chk->setText(textEin);
    chk->setEnabled(true);
}

// Title, step group and step control for the current topic, at step 0.
void TfrmDreieck2::ZeigeEigenschaft()
{
    QPalette farben = lblUeb->palette();
    farben.setColor(QPalette::WindowText, QtFarbe(Farbe(Eigenschaft)));
    lblUeb->setPalette(farben);
    lblUeb->setText(QtText(Titel(Eigenschaft)));
    grpSchritt->setTitle(SchritteCaption(MaxSchritt));
    UpDown->SetzeMax(MaxSchritt);
    UpDown->SetzePosition(0);
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, 0);
}

void TfrmDreieck2::menSchliessenClick()
{
    close();
}

// A new topic on the same triangle, from step 0. The medians have no angle marks.
void TfrmDreieck2::menEigenClick(QObject* sender)
{
    Schritt = 0;
    btnWH->setEnabled(false);
    if (sender == menEigen1)
        Eigenschaft = hoehen;
    else if (sender == menEigen2)
        Eigenschaft = seitensymmetralen;
    else if (sender == menEigen3)
        Eigenschaft = winkelsymmetralen;
    else if (sender == menEigen4)
        Eigenschaft = schwerlinien;
    chkWinkel->setEnabled(Eigenschaft != schwerlinien);
    MaxSchritt = SchritteJeEigenschaft[Eigenschaft];
    ZeigeEigenschaft();
    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck2::UpDownClick()
{
    Schritt = UpDown->Position();
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, Schritt);
    btnWH->setEnabled(Schritt == MaxSchritt);
    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck2::chkWinkelClick()
{
    WinkelAn = chkWinkel->isChecked();
    chkWinkel->setText(WinkelAn ? textEin : textAus);
    pntGrafik->repaint();
}

void TfrmDreieck2::chkBeschriftungClick()
{
    BeschriftungAn = chkBeschriftung->isChecked();
    chkBeschriftung->setText(BeschriftungAn ? textEin : textAus);
    pntGrafik->repaint();
}

// A new random triangle by the rule of the current topic, from step 0.
void TfrmDreieck2::btnWHClick()
{
    Schritt = 0;
    UpDown->SetzePosition(0);
    ZeigeSchritt({grpSchritt, UpDown, lblSchritte}, 0);
    btnWH->setEnabled(false);
    const TDreieck neu = ZufallsDreieck(Eigenschaft);
    A = neu.A;
    B = neu.B;
    C = neu.C;
    pntGrafik->repaint();
    pntStatus->repaint();
}

void TfrmDreieck2::pntGrafikPaint()
{
    Leinwand& lw = pntGrafik->Canvas;
    BeginneZeichnung(lw, pntGrafik->width(), pntGrafik->height(), weltGrafik);
    Zeichne(lw, SchrittBild(Eigenschaft, Schritt, WinkelAn, BeschriftungAn, Dreieck()));
}

// The instruction is written straight onto the panel's face: no fill, no grid.
void TfrmDreieck2::pntStatusPaint()
{
    SetzeWeltfenster(statusBreite, statusHoehe, weltStatus);
    Zeichne(pntStatus->Canvas, Anweisung(Eigenschaft, Schritt));
}
