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

#include <utility>

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
        // Each lesson's window by the start menu's item that opens it.
        static constexpr std::pair<const char*, TModellFenster TProgramm::*> lektionen[] = {
            {"menArten", &TProgramm::frmWinkel1},          {"menUebertragen", &TProgramm::frmWinkel2},
            {"menParall", &TProgramm::frmWinkel3},         {"menSpiegeln", &TProgramm::frmSymmetrie1},
            {"menSymmetralen", &TProgramm::frmSymmetrie2}, {"menDreieck0", &TProgramm::frmDreieck0},
            {"menDreieck1", &TProgramm::frmDreieck1},      {"menDreieck2", &TProgramm::frmDreieck2},
            {"menDreieck3", &TProgramm::frmDreieck3},
        };
        for (const auto& [punkt, fenster] : lektionen)
            frmStart.SetzeFenster(QString::fromLatin1(punkt), &(this->*fenster));
        frmStart.SetzeFenster(QStringLiteral("menInformation"), &frmInformation);
    }
};
