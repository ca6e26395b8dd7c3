// The program's eleven windows, created once in their fixed order (the start
// window first, as the main window) and wired to the start menu. main() builds
// it; tests build it to drive the whole program as the pupil sees it.
#pragma once

#include "app/InformationU.h"
#include "app/ModellFenster.h"
#include "app/StartU.h"
#include "lessons/Dreieck0Modell.h"
#include "lessons/Dreieck1Modell.h"
#include "lessons/Dreieck2Modell.h"
#include "lessons/Dreieck3Modell.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Symmetrie2Modell.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel2Modell.h"
#include "lessons/Winkel3Modell.h"

struct TProgramm {
    // The windows live as long as the program.
    TfrmStart frmStart;
    TModellFenster frmWinkel1{std::make_unique<winkel1::TWinkel1>()};
    TModellFenster frmWinkel2{std::make_unique<winkel2::TWinkel2>()};
    TModellFenster frmWinkel3{std::make_unique<winkel3::TWinkel3>()};
    TModellFenster frmSymmetrie1{std::make_unique<symmetrie1::TSymmetrie1>()};
    TModellFenster frmSymmetrie2{std::make_unique<symmetrie2::TSymmetrie2>()};
    TModellFenster frmDreieck1{std::make_unique<dreieck1::TDreieck1>()};
    TModellFenster frmDreieck2{std::make_unique<dreieck2::TDreieck2>()};
    TModellFenster frmDreieck0{std::make_unique<dreieck0::TDreieck0>()};
    TModellFenster frmDreieck3{std::make_unique<dreieck3::TDreieck3>()};
    TfrmInformation frmInformation;

    TProgramm()
    {
        frmStart.SetzeFenster(QStringLiteral("menArten"), &frmWinkel1);
        frmStart.SetzeFenster(QStringLiteral("menUebertragen"), &frmWinkel2);
        frmStart.SetzeFenster(QStringLiteral("menParall"), &frmWinkel3);
        frmStart.SetzeFenster(QStringLiteral("menSpiegeln"), &frmSymmetrie1);
        frmStart.SetzeFenster(QStringLiteral("menSymmetralen"), &frmSymmetrie2);
        frmStart.SetzeFenster(QStringLiteral("menDreieck0"), &frmDreieck0);
        frmStart.SetzeFenster(QStringLiteral("menDreieck1"), &frmDreieck1);
        frmStart.SetzeFenster(QStringLiteral("menDreieck2"), &frmDreieck2);
        frmStart.SetzeFenster(QStringLiteral("menDreieck3"), &frmDreieck3);
        frmStart.SetzeFenster(QStringLiteral("menInformation"), &frmInformation);
    }
};
