// A lesson as a front end without its own rules drives it: opened by name,
// every input checked against the layout and followed by what a reader hears
// and the message of a refused input. The web page's binding and the native
// comparison of the core's builds both go through here, so they cannot differ.
#pragma once

#include "lessons/Lektion.h"
#include "lessons/Tastenzeiger.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lektion {

class TSitzung {
public:
    // An unknown name gives a session without a lesson: every input is ignored.
    explicit TSitzung(std::string_view name);

    bool Gueltig() const { return lektion_ != nullptr; }
    const TLektion& Lektion() const { return *lektion_; }
    bool IstBereich(int bereich) const;
    bool IstSteuer(int steuer) const;

    void Aktiviere(unsigned keim);
    // A pointer in the area's world units, or in its pixels from the top-left
    // of its drawing (converted as the desktop converts them).
    void Zeiger(int bereich, TZeigerArt art, TWeltPunkt p);
    void ZeigerPixel(int bereich, TZeigerArt art, int x, int y);
    TWeltPunkt ZuWelt(int bereich, int x, int y) const;
    // The keyboard pointer of a drawing that takes the pointer: a key, the
    // keys leaving the drawing, a mouse press that takes over. A key answers
    // whether it aimed the pointer, so that a reader hears its place.
    const TTastenzeiger& Tastenzeiger(int bereich) const;
    bool Taste(int bereich, TTaste taste, bool shift, bool wiederholt);
    void TastenLos(int bereich);
    void MausDruck(int bereich, int x, int y, bool mitTasten);
    void Geaendert(int steuer, int wert);
    void Menue(int punkt);
    void Text(int steuer, const std::string& text);
    void Fertig(int steuer);

    // What the last input changed for a reader; empty while nobody listens.
    const std::string& Ansage() const { return ansage_; }
    // The message of the last input, if the lesson refused it; else empty.
    const std::string& Meldung() const { return meldung_; }
    // Whether inputs compute the announcement (it reads every description twice).
    void SetzeVorlesen(bool an) { vorlesen_ = an; }

private:
    template <class F>
    void eingabe(F veraendere);
    // Passes a pointer on where the area takes it, without the announcement.
    void zeige(TLektion& l, int bereich, TZeigerArt art, TWeltPunkt p) const;
    bool nimmtZeiger(int bereich) const;
    void startTasten();
    TZeigerZiel ziel(int bereich);

    std::unique_ptr<TLektion> lektion_;
    std::vector<TTastenzeiger> tasten_; // one per area
    std::string ansage_, meldung_;
    bool vorlesen_ = true;
};

} // namespace lektion
