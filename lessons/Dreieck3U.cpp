#include "lessons/Dreieck3U.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"

// The window frame only so far: the drawing area and the instruction panel.
// The triangle, its special lines and the dragging are not built yet.

TfrmDreieck3::TfrmDreieck3(QWidget* eltern) : TLektionsFenster(QStringLiteral("Dynamische Geometrie"), eltern)
{
    pnlUeb1 = NeuesPanel(QRect(4, 5, 1007, 70));
    lblUeb = TitelLabel(pnlUeb1, QRect(10, 2, 987, 66));
    bevGrafik1 = NeuerBevel(QRect(4, 90, 807, 548));
    pntGrafik = NeuePaintBox(QRect(7, 94, 800, 540));
    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    pnlStatus = NeuesPanel(QRect(4, 655, 1007, 55));
    pnlStatus->setFont(QtSchrift(QStringLiteral("Arial"), 16, true));
    pnlStatus->SetzeSchriftFarbe(clNavy);
}

void TfrmDreieck3::FormActivate()
{
    SetzeFarben(0);
    pnlStatus->SetzeCaption(QStringLiteral(
        "Ziehe die Eckpunkte des Dreiecks mit gedrückter linker Maustaste. Kleinster Abstand ca. 2 cm."));
}

void TfrmDreieck3::pntGrafikPaint()
{
    Leinwand& lw = pntGrafik->Canvas;
    BeginneZeichnung(lw, pntGrafik->width(), pntGrafik->height(), {-40, 40, -27, 27});
}
