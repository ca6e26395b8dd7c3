// What a reader hears after an input: only the sentences the input changed.
#include "lessons/Ansage.h"

#include "lessons/Dreieck1Modell.h"

#include <gtest/gtest.h>

using lektion::Ansage;
using lektion::TVorlesestand;

namespace {

TVorlesestand Stand(std::string anweisung, std::string beschreibung)
{
    return {{"Titel"}, {std::move(anweisung)}, {std::move(beschreibung)}};
}

} // namespace

TEST(Ansage, SagtNurWasSichGeaendertHat)
{
    struct Fall {
        TVorlesestand vorher, nachher;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {Stand("Ziehe.", "Winkel von 40°. Scheitel S."), Stand("Ziehe.", "Winkel von 40°. Scheitel S."), ""},
        {Stand("Ziehe.", "Winkel von 40°. Scheitel S."), Stand("Ziehe.", "Winkel von 90°. Scheitel S."),
         "Winkel von 90°."},
        // A list that grew says its label and the new items only.
        {Stand("", "Strecke AB. Gezeichnet: Kreisbogen um A; Kreisbogen um B."),
         Stand("", "Strecke AB. Gezeichnet: Kreisbogen um A; Kreisbogen um B; Streckensymmetrale."),
         "Gezeichnet: Streckensymmetrale."},
        // The instruction is in the description too: said once, in full.
        {Stand("Markiere A.", "Schritt 1 von 3: Markiere A."), Stand("Markiere B.", "Schritt 2 von 3: Markiere B."),
         "Schritt 2 von 3: Markiere B."},
        // A new instruction over an unchanged drawing.
        {Stand("Lege die Symmetrale.", "0 von 2 Punkten markiert."),
         Stand("Markiere zwei Punkte.\nIm Rahmen.", "0 von 2 Punkten markiert."), "Markiere zwei Punkte. Im Rahmen."},
        // A drawing that emptied says nothing; one that was new says all of it.
        {Stand("", "Gezeichnet: a."), Stand("", ""), ""},
        {TVorlesestand{}, Stand("", "Dreieck ABC. Gezeichnet: a."), "Titel Dreieck ABC. Gezeichnet: a."},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Ansage(f.vorher, f.nachher), f.erwartet) << f.nachher.beschreibungen[0];
}

TEST(Ansage, EinSchrittSagtDieNeueAnweisung)
{
    dreieck1::TDreieck1 m;
    m.Aktiviere(7);
    const TVorlesestand vorher = lektion::Vorlesestand(m);
    m.Geaendert(m.Steuer("grpSchritt"), 1);
    const std::string ansage = Ansage(vorher, lektion::Vorlesestand(m));
    EXPECT_EQ(ansage.rfind("Schritt 1 von 5: Markiere die gegebenen Bestimmungsstücke.", 0), 0u) << ansage;
}
