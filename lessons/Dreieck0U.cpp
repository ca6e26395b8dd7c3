#include "lessons/Dreieck0U.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"

// The window frame only so far: title panel and the three drawing boxes. The
// random triangles, their panels and buttons are not built yet.

TfrmDreieck0::TfrmDreieck0(QWidget* eltern)
    : TLektionsFenster(QStringLiteral("Einteilung der Dreiecke"), eltern, 1016, 716)
{
    pnlUeb = NeuesPanel(QRect(10, 5, 1000, 70));
    lblUeb = TitelLabel(pnlUeb, QRect(10, 2, 980, 66));
    const int links[3] = {10, 355, 702};
    const int boxLinks[3] = {14, 360, 706};
    for (int i = 0; i < 3; ++i) {
        bevGrafik[i] = NeuerBevel(QRect(links[i], 200, 308, 308));
        pntGrafik[i] = NeuePaintBox(QRect(boxLinks[i], 204, 300, 300));
        TPaintBox* box = pntGrafik[i];
        box->OnPaint = [this, box] { pntGrafikPaint(box); };
    }
}

void TfrmDreieck0::FormActivate()
{
    SetzeFarben(0);
    lblUeb->setText(QStringLiteral("Einteilung der Dreiecke nach den Seitenlängen"));
}

void TfrmDreieck0::pntGrafikPaint(TPaintBox* box)
{
    Leinwand& lw = box->Canvas;
    BeginneZeichnung(lw, box->width(), box->height(), {-15, 15, -15, 15});
}
