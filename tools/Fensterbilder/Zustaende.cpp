// The table of window states for the picture tool.
//
// Each entry is a name (the PNG file's name) and a function that opens the
// window and returns it. Oeffne<T>() shows the window, so its activation has
// already run; a state changes the window afterwards, the way a pupil would,
// through its controls:
//
//     {"Winkel2-Schritt3", [] {
//          auto* f = OeffneModell<winkel2::TWinkel2>();
//          for (int i = 0; i < 3; ++i)
//              f->UpDown(f->Modell().Steuer("grpSchritt"))->KlickRechts();
//          return f;
//      }},
//
// Klicke and Ziehe (Zustaende.h) send mouse input to a drawing area.
//
// Keep the opening state of each window first; add further states of a
// window right after it.
#include "Zustaende.h"

#include "app/InformationU.h"
#include "app/StartU.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/ZufallU.h"
#include "lessons/Dreieck0Modell.h"
#include "lessons/Dreieck1Modell.h"
#include "lessons/Dreieck2Modell.h"
#include "lessons/Dreieck3Modell.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Symmetrie2Modell.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel2Modell.h"
#include "lessons/Winkel3Modell.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <tuple>

namespace {

// "Spiegeln" with a pentagon marked by clicks, stepped forward to `schritt`.
QWidget* SpiegelnMitFuenfPunkten(int schritt)
{
    auto* f = OeffneModell<symmetrie1::TSymmetrie1>();
    const lektion::TLektion& m = f->Modell();
    f->Aendere(m.Steuer("grpAnzahl"), 3);
    const float punkte[5][2] = {{-15, 6}, {-5, 7}, {-0.5f, -2}, {-8, -7}, {-16, -3}};
    TPaintBox* zeichnung = f->Zeichnung(0);
    const TWeltfenster welt(zeichnung->Breite(), zeichnung->Hoehe(), m.Layout().bereiche[0].welt);
    for (const auto& p : punkte) {
        int px, py;
        welt.ZuPixel({p[0], p[1]}, px, py);
        Klicke(zeichnung, QPoint(px, py));
    }
    for (int i = 0; i < schritt; ++i)
        f->UpDown(m.Steuer("grpSchritt"))->KlickRechts();
    return f;
}

// "Übertragung von Winkeln" with angle 1 set by its scroll bar, stepped to the end.
QWidget* UebertragenBisSchritt6(int winkelEins)
{
    auto* f = OeffneModell<winkel2::TWinkel2>();
    const lektion::TLektion& m = f->Modell();
    f->Leiste(m.Steuer("grpWinkel1"))->setValue(winkelEins);
    for (int i = 0; i < 6; ++i)
        f->UpDown(m.Steuer("grpSchritt"))->KlickRechts();
    return f;
}

// "Einteilung der Dreiecke" with three triangles of a fixed seed, by sides or by angles.
TModellFenster* DreieckeMitKeim(bool nachWinkeln)
{
    auto* f = OeffneModell<dreieck0::TDreieck0>();
    SetzeZufallsKeim(2024);
    f->Menue(nachWinkeln ? 1 : 0);
    return f;
}

// The same, with the isosceles box showing the first triangle (seeds 1, 2, ...)
// whose apex is `spitze`.
QWidget* GleichschenkeligMitSpitze(int spitze)
{
    TModellFenster* f = DreieckeMitKeim(false);
    std::uint64_t keim = 1;
    do {
        SetzeZufallsKeim(keim++);
        f->Aendere(f->Modell().Steuer("btnGrafik2"), 0);
    } while (f->Modell<dreieck0::TDreieck0>().zustand.Spitze != spitze);
    return f;
}

// "Besondere Eigenschaften": a topic chosen in the menu, on the start triangle
// or on the given one, stepped forward to `schritt`. The given triangle is
// drawn by the repeat button: the first seed whose first draw by the topic's
// rule it is seeds the opening.
QWidget* BesondereEigenschaft(int eigenschaft, int schritt, std::optional<dreieck2::TDreieck> dreieck = {})
{
    auto* f = OeffneModell<dreieck2::TDreieck2>();
    lektion::TLektion& m = f->Modell();
    if (dreieck) {
        unsigned keim = 0;
        do
            SetzeZufallsKeim(++keim);
        while (dreieck2::ZufallsKandidat(eigenschaft) != *dreieck);
        m.Aktiviere(keim);
    }
    f->Menue(eigenschaft - 1);
    const int schritte = m.Steuer("grpSchritt");
    if (dreieck) {
        for (int i = 0; i < dreieck2::schritteJeEigenschaft[eigenschaft]; ++i)
            f->UpDown(schritte)->KlickRechts();
        f->Knopf(m.Steuer("grpWH"))->click();
        if (f->Modell<dreieck2::TDreieck2>().zustand.Dreieck() != *dreieck)
            qFatal("Besondere Eigenschaften: the seed gives another triangle");
    }
    for (int i = 0; i < schritt; ++i)
        f->UpDown(schritte)->KlickRechts();
    return f;
}

// "Dynamische Geometrie" with vertices pushed against the edges of the drag
// field: B dragged to the right edge and A flicked onto it; with `ecke` also C
// dragged into the top right corner and B, then A flicked onto it. Every
// vertex stays inside the field with its name; two lines of each kind but the
// angle bisectors are switched on.
QWidget* DreieckAmRand(bool ecke)
{
    using namespace dreieck3;
    auto* f = OeffneModell<TDreieck3>();
    for (int kasten : {chkHA, chkHB, chkSA, chkSB, chkSWA, chkSWB})
        f->Aendere(kasten, 1);
    const TZustand& z = f->Modell<TDreieck3>().zustand;
    TPaintBox* zeichnung = f->Zeichnung(pntGrafik);
    const TWeltfenster welt(zeichnung->Breite(), zeichnung->Hoehe(), weltDreieck3);
    const auto pixel = [&welt](TWeltPunkt p) {
        int px, py;
        welt.ZuPixel(p, px, py);
        return QPoint(px, py);
    };
    Ziehe(zeichnung, pixel(z.B), pixel({36.8f, 0.0f}));
    Ziehe(zeichnung, pixel(z.A), pixel(z.B), 1);
    if (ecke) {
        Ziehe(zeichnung, pixel(z.C), pixel({36.9f, 24.2f}));
        Ziehe(zeichnung, pixel(z.B), pixel(z.C), 1);
        Ziehe(zeichnung, pixel(z.A), pixel(z.C), 1);
    }
    return f;
}

// "Dynamische Geometrie" in mode "Thaleskreis" with C set by the scroll bar.
QWidget* ThalesBeiWinkel(int winkel)
{
    auto* f = OeffneModell<dreieck3::TDreieck3>();
    f->Menue(dreieck3::menKreis);
    f->Aendere(dreieck3::grpWinkel, winkel);
    Verarbeite();
    return f;
}

// "Dreieckskonstruktionen" with the triangle that the seed gives: theorem
// `satz` (1 SSS ... 4 SsW) with one or two solutions, stepped forward to `schritt`.
QWidget* Konstruktion(int satz, int loesungen, int schritt, std::uint64_t keim)
{
    auto* f = OeffneModell<dreieck1::TDreieck1>();
    if (loesungen == 2) {
        f->Menue(dreieck1::satzSsW - 1);
        f->Aendere(f->Modell().Steuer("grpLoesungen"), 1);
    }
    SetzeZufallsKeim(keim);
    f->Menue(satz - 1);
    for (int i = 0; i < schritt; ++i)
        f->UpDown(f->Modell().Steuer("grpSchritt"))->KlickRechts();
    Verarbeite();
    return f;
}

} // namespace

const std::vector<Zustand>& Zustaende()
{
    static const std::vector<Zustand> zustaende = {
        {"Start", [] { return Oeffne<TfrmStart>(); }},

        {"Winkel1", [] { return OeffneModell<winkel1::TWinkel1>(); }},
        {"Winkel1-90", [] {
             auto* f = OeffneModell<winkel1::TWinkel1>();
             f->Leiste(f->Modell().Steuer("grpWinkel1"))->setValue(90);
             return f;
         }},
        {"Winkel1-200", [] {
             auto* f = OeffneModell<winkel1::TWinkel1>();
             f->Leiste(f->Modell().Steuer("grpWinkel1"))->setValue(200);
             return f;
         }},
        {"Winkel1-Tastatur", // the leg dragged by keys, the button still held
         [] {
             auto* f = OeffneModell<winkel1::TWinkel1>();
             TPaintBox* rechts = f->Zeichnung(f->Modell().Bereich("pntGrafik2"));
             QApplication::setActiveWindow(f);
             rechts->setFocus(Qt::TabFocusReason);
             // From its start up right of the middle to 80 pixels right of the middle, on the fixed leg.
             for (const auto& [taste, mal, shift] : {std::tuple{Qt::Key_Right, 4, false}, {Qt::Key_Right, 4, true},
                                                     {Qt::Key_Down, 3, false}, {Qt::Key_Down, 6, true}})
                 for (int i = 0; i < mal; ++i)
                     QTest::keyClick(rechts, taste, shift ? Qt::ShiftModifier : Qt::NoModifier);
             QTest::keyClick(rechts, Qt::Key_Space);
             for (int i = 0; i < 6; ++i)
                 QTest::keyClick(rechts, Qt::Key_Up);
             Verarbeite();
             return f;
         },
         true},

        {"Winkel2", [] { return OeffneModell<winkel2::TWinkel2>(); }},
        {"Winkel2-Addition-Schritt6", [] { return UebertragenBisSchritt6(25); }},

        {"Winkel2-Vollwinkel-Schritt6", // with angle 2 at 40 the sum is a full turn
         [] { return UebertragenBisSchritt6(320); }},

        {"Winkel3", [] { return OeffneModell<winkel3::TWinkel3>(); }},
        {"Winkel3-Modus2-Schritt3", [] {
             auto* f = OeffneModell<winkel3::TWinkel3>();
             f->Menue(1);
             for (int i = 0; i < 3; ++i)
                 f->UpDown(f->Modell().Steuer("grpSchritt1"))->KlickRechts();
             return f;
         }},

        {"Symmetrie1", [] { return OeffneModell<symmetrie1::TSymmetrie1>(); }},
        {"Symmetrie1-5Punkte-Schritt3", [] { return SpiegelnMitFuenfPunkten(3); }},
        {"Symmetrie1-5Punkte-Schritt4", [] { return SpiegelnMitFuenfPunkten(4); }},

        {"Symmetrie2", [] { return OeffneModell<symmetrie2::TSymmetrie2>(); }},
        {"Symmetrie2-LetzteSchritte", [] {
             auto* f = OeffneModell<symmetrie2::TSymmetrie2>();
             const auto druck = lektion::TZeigerArt::Druck;
             f->Zeiger(symmetrie2::strecke, druck, {-3, -2});
             f->Zeiger(symmetrie2::strecke, druck, {2, 1.5f});
             for (TWeltPunkt p : {TWeltPunkt{4, -1}, {-2, -3}, {-4, 1}})
                 f->Zeiger(symmetrie2::winkel, druck, p);
             for (const char* name : {"grpSchritt1", "grpSchritt2"}) {
                 TUpDown* upDown = f->UpDown(f->Modell().Steuer(name));
                 while (upDown->Position() < upDown->Max())
                     upDown->KlickRechts();
             }
             return f;
         }},

        {"Dreieck0", [] { return OeffneModell<dreieck0::TDreieck0>(); }},
        {"Dreieck0-Seiten", [] { return DreieckeMitKeim(false); }},
        {"Dreieck0-Winkel", [] { return DreieckeMitKeim(true); }},
        {"Dreieck0-Spitze-C", [] { return GleichschenkeligMitSpitze(dreieck0::spitzeC); }},
        {"Dreieck0-Spitze-B", [] { return GleichschenkeligMitSpitze(dreieck0::spitzeB); }},
        {"Dreieck0-Spitze-A", [] { return GleichschenkeligMitSpitze(dreieck0::spitzeA); }},

        {"Dreieck1", [] { return OeffneModell<dreieck1::TDreieck1>(); }},
        {"Dreieck1-Skizze", [] { return Konstruktion(1, 1, 0, 1); }},
        {"Dreieck1-SSS-Schritt5", [] { return Konstruktion(1, 1, 5, 1); }},
        {"Dreieck1-WSW-Schritt5", [] { return Konstruktion(2, 1, 5, 2); }},
        {"Dreieck1-SWS-Schritt5", [] { return Konstruktion(3, 1, 5, 3); }},
        {"Dreieck1-SsW-eine-Schritt6", [] { return Konstruktion(4, 1, 6, 4); }},
        {"Dreieck1-SsW-zwei-Schritt4", [] { return Konstruktion(4, 2, 4, 7); }},
        {"Dreieck1-SsW-zwei-Schritt6", [] { return Konstruktion(4, 2, 6, 7); }},

        {"Dreieck2", [] { return OeffneModell<dreieck2::TDreieck2>(); }},
        {"Dreieck2-Hoehen-Schritt4", [] { return BesondereEigenschaft(1, 4); }},
        {"Dreieck2-Seitensymmetralen-Schritt5", [] { return BesondereEigenschaft(2, 5); }},
        {"Dreieck2-Winkelsymmetralen-Schritt5", [] { return BesondereEigenschaft(3, 5); }},
        {"Dreieck2-Schwerlinien-Schritt4", [] { return BesondereEigenschaft(4, 4); }},
        // Obtuse at A and at B: the sides and heights prolonged past the feet outside.
        {"Dreieck2-Hoehen-StumpfBeiA", [] { return BesondereEigenschaft(1, 4, dreieck2::TDreieck{{-8, -12}, {14, -12}, {-12, 14}}); }},
        {"Dreieck2-Hoehen-StumpfBeiB", [] { return BesondereEigenschaft(1, 4, dreieck2::TDreieck{{-14, -12}, {8, -12}, {12, 14}}); }},
        // H 6.75 below AB: the heights from B and C are prolonged to H and past it.
        {"Dreieck2-Hoehen-TiefesH", [] { return BesondereEigenschaft(1, 4, dreieck2::TDreieck{{-8, -10}, {14, -10}, {-13, 10}}); }},

        {"Dreieck3", [] { return OeffneModell<dreieck3::TDreieck3>(); }},
        {"Dreieck3-AlleLinien-Euler", [] {
             using namespace dreieck3;
             auto* f = OeffneModell<TDreieck3>();
             for (int kasten : {chkHA, chkHB, chkHC, chkSA, chkSB, chkSC, chkWA, chkWB, chkWC, chkSWA, chkSWB,
                                chkSWC, chkEuler})
                 f->Aendere(kasten, 1);
             Verarbeite();
             return f;
         }},
        {"Dreieck3-Rand", [] { return DreieckAmRand(false); }},
        {"Dreieck3-Ecke", [] { return DreieckAmRand(true); }},
        {"Dreieck3-Thales30", [] { return ThalesBeiWinkel(30); }},
        {"Dreieck3-Thales90", [] { return ThalesBeiWinkel(90); }},
        {"Dreieck3-Thales150", [] { return ThalesBeiWinkel(150); }},

        {"Information", [] { return Oeffne<TfrmInformation>(); }},
    };
    return zustaende;
}

void Verarbeite()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void Klicke(QWidget* ziel, QPoint punkt)
{
    QTest::mouseClick(ziel, Qt::LeftButton, Qt::NoModifier, punkt);
    Verarbeite();
}

void Ziehe(QWidget* ziel, QPoint von, QPoint bis, int schritte)
{
    QTest::mousePress(ziel, Qt::LeftButton, Qt::NoModifier, von);
    for (int i = 1; i <= schritte; ++i)
        QTest::mouseMove(ziel, von + (bis - von) * i / schritte);
    QTest::mouseRelease(ziel, Qt::LeftButton, Qt::NoModifier, bis);
    Verarbeite();
}
