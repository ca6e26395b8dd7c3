#include "lessons/Sitzung.h"

#include "lessons/Ansage.h"
#include "lessons/Lektionen.h"

namespace lektion {

TSitzung::TSitzung(std::string_view name) : lektion_(NeueLektion(name)) { startTasten(); }

void TSitzung::startTasten()
{
    tasten_.clear();
    if (lektion_)
        for (const TBereich& b : lektion_->Layout().bereiche)
            tasten_.push_back(Startzeiger(b.grafik.breite, b.grafik.hoehe));
}

bool TSitzung::IstBereich(int bereich) const
{
    return lektion_ && bereich >= 0 && std::size_t(bereich) < lektion_->Layout().bereiche.size();
}

bool TSitzung::IstSteuer(int steuer) const
{
    return lektion_ && steuer >= 0 && std::size_t(steuer) < lektion_->Layout().steuer.size();
}

template <class F>
void TSitzung::eingabe(F veraendere)
{
    ansage_.clear();
    meldung_.clear();
    if (!vorlesen_) {
        veraendere(*lektion_);
    } else {
        const TVorlesestand vorher = Vorlesestand(*lektion_);
        veraendere(*lektion_);
        ansage_ = lektion::Ansage(vorher, Vorlesestand(*lektion_));
    }
    meldung_ = lektion_->NimmMeldung().value_or("");
}

void TSitzung::Aktiviere(unsigned keim)
{
    if (!lektion_)
        return;
    lektion_->Aktiviere(keim);
    startTasten(); // each opening starts the keyboard pointers afresh
    ansage_.clear();
    meldung_ = lektion_->NimmMeldung().value_or("");
}

void TSitzung::Zeiger(int bereich, TZeigerArt art, TWeltPunkt p)
{
    if (nimmtZeiger(bereich))
        eingabe([&](TLektion& l) { zeige(l, bereich, art, p); });
}

bool TSitzung::nimmtZeiger(int bereich) const
{
    return IstBereich(bereich) && lektion_->Layout().bereiche[std::size_t(bereich)].zeiger;
}

void TSitzung::zeige(TLektion& l, int bereich, TZeigerArt art, TWeltPunkt p) const
{
    // As on the desktop: presses where the area takes the pointer, moves and
    // releases only where it is dragged in.
    const TBereich& b = l.Layout().bereiche[std::size_t(bereich)];
    if (b.zeiger && (art == TZeigerArt::Druck || b.ziehen))
        l.Zeiger(bereich, art, p);
}

TZeigerZiel TSitzung::ziel(int bereich)
{
    const TBereich& b = lektion_->Layout().bereiche[std::size_t(bereich)];
    TZeigerZiel z;
    z.breite = b.grafik.breite;
    z.hoehe = b.grafik.hoehe;
    z.sende = [this, bereich](TZeigerArt art, int x, int y) -> std::optional<TPixelband> {
        zeige(*lektion_, bereich, art, ZuWelt(bereich, x, y));
        return art == TZeigerArt::Druck ? Ziehband(*lektion_, bereich) : std::nullopt;
    };
    // A refused press brings its message, which takes the keys on every front end.
    z.behaeltTasten = [this] { return !lektion_->HatMeldung(); };
    return z;
}

const TTastenzeiger& TSitzung::Tastenzeiger(int bereich) const
{
    static const TTastenzeiger keiner;
    return IstBereich(bereich) ? tasten_[std::size_t(bereich)] : keiner;
}

bool TSitzung::Taste(int bereich, TTaste taste, bool shift, bool wiederholt)
{
    bool gezielt = false;
    if (nimmtZeiger(bereich))
        eingabe([&](TLektion&) {
            gezielt = lektion::Taste(tasten_[std::size_t(bereich)], taste, shift, wiederholt, ziel(bereich));
        });
    return gezielt;
}

void TSitzung::TastenLos(int bereich)
{
    if (nimmtZeiger(bereich) && tasten_[std::size_t(bereich)].gedrueckt)
        eingabe([&](TLektion&) { Loese(tasten_[std::size_t(bereich)], ziel(bereich)); });
}

void TSitzung::MausDruck(int bereich, int x, int y, bool mitTasten)
{
    if (nimmtZeiger(bereich))
        eingabe([&](TLektion&) { lektion::MausDruck(tasten_[std::size_t(bereich)], x, y, mitTasten, ziel(bereich)); });
}

TWeltPunkt TSitzung::ZuWelt(int bereich, int x, int y) const
{
    if (!IstBereich(bereich))
        return {};
    const TBereich& b = lektion_->Layout().bereiche[std::size_t(bereich)];
    // A title panel alone has no drawing to convert in.
    if (b.grafik.breite <= 0 || b.grafik.hoehe <= 0 || b.welt.xMin == b.welt.xMax || b.welt.yMin == b.welt.yMax)
        return {};
    return TWeltfenster(b.grafik.breite, b.grafik.hoehe, b.welt).ZuWelt(x, y);
}

void TSitzung::ZeigerPixel(int bereich, TZeigerArt art, int x, int y) { Zeiger(bereich, art, ZuWelt(bereich, x, y)); }

void TSitzung::Geaendert(int steuer, int wert)
{
    if (IstSteuer(steuer))
        eingabe([&](TLektion& l) { l.Geaendert(steuer, wert); });
}

void TSitzung::Menue(int punkt)
{
    if (lektion_ && punkt >= 0 && std::size_t(punkt) < lektion_->Layout().menue.size())
        eingabe([&](TLektion& l) { l.Menue(punkt); });
}

void TSitzung::Text(int steuer, const std::string& text)
{
    if (IstSteuer(steuer))
        eingabe([&](TLektion& l) { l.Text(steuer, text); });
}

void TSitzung::Fertig(int steuer)
{
    if (IstSteuer(steuer))
        eingabe([&](TLektion& l) { l.Fertig(steuer); });
}

} // namespace lektion
