// The busiest state of the largest drawing: the triangle constructions, SsW
// with two solutions (seed 7), stepped to the last step. Shared by the repaint
// and the picture-output benchmarks.
#pragma once

#include "app/ModellFenster.h"
#include "lessons/Dreieck1Modell.h"

#include "Messen.h"
#include "draw/ZufallU.h"

#include <QApplication>

struct TDreieck1Gross {
    TModellFenster fenster{std::make_unique<dreieck1::TDreieck1>()};
    bool amEnde = false;
    TDreieck1Gross()
    {
        fenster.show();
        QApplication::processEvents();
        fenster.Menue(3);
        SetzeZufallsKeim(7);
        fenster.Aendere(fenster.Modell().Steuer("grpLoesungen"), 1);
        amEnde = BisZumLetztenSchritt(fenster.UpDown(fenster.Modell().Steuer("grpSchritt")));
    }
    const dreieck1::TZustand& zustand() const { return fenster.Modell<dreieck1::TDreieck1>().zustand; }
    ~TDreieck1Gross() { fenster.close(); }
};
