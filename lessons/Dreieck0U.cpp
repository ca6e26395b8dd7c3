// "Einteilung der Dreiecke": three random triangles of the kinds of one
// classification, their measures, and a new triangle per box on request.
#include "lessons/Dreieck0U.h"

#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QPushButton>

namespace {

// A drawing box shows 30 x 30 units, a text box 30 x 8 units over 300 x 80 of
// its 304 x 80 pixels.
constexpr TWeltRechteck weltDreieck{-15, 15, -15, 15};
constexpr TWeltRechteck weltText{-15, 15, -4, 4};
constexpr int textBreite = 300;

} // namespace

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

    const auto art = [this](QAction* punkt) { menArtClick(punkt); };
    menSeiten = NeuerMenuePunkt(QStringLiteral("Einteilung nach Seitenlängen"), art);
    menWinkel = NeuerMenuePunkt(QStringLiteral("Einteilung nach Winkeln"), art);
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
    lblUeb->setText(QtText(texte.titel));
    for (int i = 0; i < 3; ++i) {
        ueb_[i]->SetzeSchriftFarbe(texte.farbe);
        ueb_[i]->SetzeCaption(QtText(texte.arten[i]));
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
    BeginneZeichnung(flaeche->Canvas, flaeche->width(), flaeche->height(), weltDreieck);
    Zeichne(flaeche->Canvas, DreieckBild(box, Einteilung, Spitze, Dreieck(box)));
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
    Zeichne(lw, TextBild(box, Einteilung, DreieckMasse[box - 1]));
}
