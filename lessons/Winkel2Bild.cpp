#include "lessons/Winkel2Bild.h"

#include "draw/GlobalU.h"
#include "draw/Texte.h"
#include "draw/PolKartU.h"

#include <vector>

#include <algorithm>

int Winkel2Ergebnis(int art, int winkelEins, int winkelZwei)
{
    return art == 1 ? winkelEins + winkelZwei : winkelZwei - winkelEins;
}

std::string Winkel2Anweisung(int schritt, int art, int ergebnis)
{
    switch (schritt) {
    case 1:
        return "Zeichne um den Scheitel des 1.Winkels einen Kreisbogen.";
    case 2:
        return art == 1
            ? "Zeichne um den Scheitel des 2.Winkels einen gleich großen, verlängerten Kreisbogen."
            : "Zeichne um den Scheitel des 2.Winkels einen gleich großen Kreisbogen.";
    case 3:
        return "Nimm die Sehne beim 1.Keisbogen in den Zirkel.";
    case 4:
        return "Trage diese Sehne beim 2.Keisbogen ab.";
    case 5:
        return "Verbinde den Scheitel mit dem neuen Endpunkt am Kreisbogen.";
    case 6:
        return (art == 1 ? "Die Summe der Winkel beträgt "
                         : "Die Differenz der Winkel beträgt ")
            + std::to_string(ergebnis) + "°";
    default:
        return std::string(
            "Verändere die Winkel mit den Bildlaufleisten oder trage die Winkel in die Eingabefeld ein.");
    }
}

std::string Winkel2Beschreibung(int schritt, int art, int winkelEins, int winkelZwei)
{
    const int ergebnis = Winkel2Ergebnis(art, winkelEins, winkelZwei);
    std::string text =
        Satz("Links der 2. Winkel von %1°, rechts der 1. Winkel von %2°, jeweils mit Scheitel S.",
             {winkelZwei, winkelEins});
    if (schritt <= 0)
        return text;
    // What each step adds to the drawing, in the order of the steps.
    const std::string teile[] = {
        "Kreisbogen um den Scheitel des 1. Winkels",
        "Kreisbogen um den Scheitel des 2. Winkels",
        "Sehne beim 1. Kreisbogen",
        "Sehne beim 2. Kreisbogen abgetragen",
        "neuer Schenkel",
        (art == 1 ? "Summe " : "Differenz ") + std::to_string(ergebnis) + "°",
    };
    std::vector<std::string> gezeichnet;
    for (int i = 0; i < std::min(schritt, 6); ++i)
        gezeichnet.push_back(teile[i]);
    return text
        + Satz(" Schritt %1 von 6: %2 Gezeichnet: %3.",
               {schritt, Winkel2Anweisung(schritt, art, ergebnis), Verbunden(gezeichnet, ", ")});
}

TBild Winkel2Bild(int schritt, int art, int winkelEins, int winkelZwei, float schenkelRadius,
                  const TWinkelFigur& eins, const TWinkelFigur& zwei)
{
    using namespace bild;
    const float r = 0.75f * schenkelRadius; // the compass opening: three quarters of a leg
    const int ergebnis = Winkel2Ergebnis(art, winkelEins, winkelZwei);
    const auto schenkel = [](TWeltPunkt s, TWeltPunkt ende, TFarbe farbe) {
        return TStrecke{s, ende, 2, farbe, linieVoll};
    };
    const auto sehne = [r](TWeltPunkt s, int von, int bis) {
        return TStrecke{Polar(s, float(von), r), Polar(s, float(bis), r), 3, palette::himbeer, linieVoll};
    };

    TBild b;
    b << schenkel(eins.s, eins.fest, palette::meergruen) << schenkel(eins.s, eins.frei, palette::meergruen)
      << schenkel(zwei.s, zwei.fest, palette::violett) << schenkel(zwei.s, zwei.frei, palette::violett);
    // 1: the arc about angle 1's vertex, ten degrees beyond each leg.
    if (schritt >= 1)
        b << TBogen{eins.s, r, -10.0f, float(winkelEins + 10), 1, clBlack};
    // 2: the arc about angle 2's vertex; for a sum it must reach the result,
    // and near a full turn it is the whole circle.
    if (schritt >= 2) {
        const int bis = art == 1 ? winkelEins + winkelZwei + 10 : winkelZwei + 10;
        if (art == 1 && bis >= 350)
            b << TBogen{zwei.s, r, 0.0f, 360.0f, 1, clBlack};
        else
            b << TBogen{zwei.s, r, -10.0f, float(bis), 1, clBlack};
    }
    // 3: the chord of angle 1 taken into the compass; 4: marked off on arc 2
    // from angle 2's leg; 5: the new leg, in angle 1's colour.
    if (schritt >= 3)
        b << sehne(eins.s, 0, winkelEins);
    if (schritt >= 4)
        b << sehne(zwei.s, winkelZwei, ergebnis);
    if (schritt >= 5)
        b << schenkel(zwei.s, Polar(zwei.s, float(ergebnis), schenkelRadius), palette::meergruen);

    // 6: the result angle and its size. A difference of 0° has no arc: equal
    // rays would make the canvas draw a whole circle. The first vertex name
    // is centred in the font the size leaves on the canvas.
    TSchrift mass;
    if (schritt == 6) {
        if (ergebnis != 0)
            b << TBogen{zwei.s, 0.9f * schenkelRadius, 0.0f, float(ergebnis), 2, palette::braun};
        const TWeltPunkt ort = Polar(zwei.s, float(ergebnis) / 2.0f, 1.05f * schenkelRadius);
        b << TText{TTextArt::Zentriert, std::to_string(ergebnis) + "°", ort, palette::braun, 14, true};
        mass = {"Arial", 14, true, palette::braun};
    }
    b << TText{TTextArt::Zentriert, "S", {9.5f, 0.0f}, clBlack, 12, true, clBlack, mass}
      << TText{TTextArt::Zentriert, "S", {-10.5f, 0.0f}, clBlack, 12, true};
    return b;
}
