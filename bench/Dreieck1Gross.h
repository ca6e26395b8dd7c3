// The busiest state of the largest drawing: the triangle constructions, SsW
// with two solutions (seed 7), stepped to the last step. Shared by the repaint
// and the picture-output benchmarks.
#pragma once

#include "lessons/Dreieck1U.h"

#include "Messen.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QApplication>

struct TDreieck1Gross {
    TfrmDreieck1 fenster;
    bool amEnde = false;
    TDreieck1Gross()
    {
        fenster.show();
        QApplication::processEvents();
        fenster.menSatz4->trigger();
        fenster.grpLoesungen->SetzeItemIndex(1);
        SetzeZufallsKeim(7);
        fenster.grpLoesungenClick();
        amEnde = BisZumLetztenSchritt(fenster.UpDown);
    }
    ~TDreieck1Gross() { fenster.close(); }
};
