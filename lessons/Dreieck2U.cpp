#include "lessons/Dreieck2U.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"

// The window frame with a working step control; the construction itself and
// its instruction texts are not built yet, so every step shows the empty area.

namespace {
constexpr int letzterSchritt = 4;
}

TfrmDreieck2::TfrmDreieck2(QWidget* eltern) : TLektionsFenster(QStringLiteral("Besondere Eigenschaften"), eltern)
{
    pnlUeb1 = NeuesPanel(QRect(4, 5, 1007, 70));
    lblUeb = TitelLabel(pnlUeb1, QRect(10, 2, 987, 66));
    bevGrafik1 = NeuerBevel(QRect(4, 86, 1007, 488));
    pntGrafik = NeuePaintBox(QRect(7, 90, 1000, 480));
    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    schritt = NeueSchrittGruppe(QRect(4, 575, 150, 75), QStringLiteral("Schritte (0–4)"), letzterSchritt,
                                QRect(15, 25, 120, 25), 22);
    schritt.UpDown->OnClick = [this](TUpDown*) { UpDownClick(); };
    wiederholen = NeueWiederholGruppe();
    connect(wiederholen.btn, &QPushButton::clicked, this, [this] { btnWHClick(); });
    pnlStatus1 = NeuesPanel(QRect(4, 655, 1007, 55));
    pntStatus = new TPaintBox(pnlStatus1, QRect(2, 2, 1003, 51));
}

void TfrmDreieck2::FormActivate()
{
    SetzeFarben(0);
    lblUeb->setText(QStringLiteral("Höhen und Höhenschnittpunkt"));
    Schritt = 0;
    schritt.UpDown->SetzePosition(0);
    ZeigeSchritt(schritt, 0);
    wiederholen.btn->setEnabled(false);
}

void TfrmDreieck2::UpDownClick()
{
    Schritt = schritt.UpDown->Position();
    ZeigeSchritt(schritt, Schritt);
    wiederholen.btn->setEnabled(Schritt == letzterSchritt);
    pntGrafik->repaint();
}

void TfrmDreieck2::btnWHClick()
{
    Schritt = 0;
    schritt.UpDown->SetzePosition(0);
    ZeigeSchritt(schritt, 0);
    wiederholen.btn->setEnabled(false);
    pntGrafik->repaint();
}

void TfrmDreieck2::pntGrafikPaint()
{
    Leinwand& lw = pntGrafik->Canvas;
    BeginneZeichnung(lw, pntGrafik->width(), pntGrafik->height(), {-20, 20, -10, 10});
}
