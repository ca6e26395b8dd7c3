// The table of lesson inputs on the native core: after each line, everything
// the lesson shows, in the format web/test/vergleich.js writes from the
// WebAssembly build. Lines of the table:
//   lektion <Name> <keim>            opens and activates a lesson
//   aendere <Steuer> <wert>          a control's new value (a button's click)
//   text <Steuer> <text>             typed into an edit field ("-" for empty)
//   fertig <Steuer>                  the edit field's entry is finished
//   menue <punkt>                    a menu item of the lesson
//   druck|zieh|los <Bereich> <x> <y> the pointer in the area's pixels
//   zufall <anzahl> <keim>           random inputs a pupil could make, drawn
//                                    by the xorshift that vergleich.js also has
#include "draw/BildText.h"
#include "lessons/LektionJson.h"
#include "lessons/Sitzung.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

using lektion::TSitzung;

namespace {

void Zeige(const TSitzung& s, std::ostream& aus)
{
    const lektion::TLektion& l = s.Lektion();
    aus << "ansage: " << s.Ansage() << "\nmeldung: " << s.Meldung() << "\nschritt: ";
    if (const std::optional<int> schritt = l.Schritt())
        aus << *schritt;
    aus << '\n';
    for (int b = 0; b < int(l.Layout().bereiche.size()); ++b) {
        aus << "bereich " << b << " titel: " << l.Titel(b) << "\nanweisung: " << l.Anweisung(b)
            << "\nbeschreibung: " << l.Beschreibung(b) << "\nbild:\n" << BildAlsText(l.Bild(b));
    }
    for (int i = 0; i < int(l.Layout().steuer.size()); ++i)
        aus << "steuer " << i << ": " << lektion::SteuerzustandAlsJson(l.Steuerzustand(i)) << '\n';
}

// After a pointer input also where the pointer stands and how it looks.
void ZeigeZeiger(const TSitzung& s, int b, int x, int y, std::ostream& aus)
{
    const TWeltPunkt p = s.ZuWelt(b, x, y);
    aus << "ort: " << s.Lektion().ZeigerOrt(b, p) << "\nform: " << int(s.Lektion().Zeigerform(b)) << '\n';
}

// xorshift32; web/test/vergleich.js draws the same numbers.
struct TWuerfel {
    std::uint32_t z;
    int operator()(int n)
    {
        z ^= z << 13;
        z ^= z >> 17;
        z ^= z << 5;
        return int(z % std::uint32_t(n));
    }
};

// A value for a control the pupil could give; false where it takes none.
bool Wert(const lektion::TSteuer& s, TWuerfel& w, int& wert)
{
    using lektion::TArt;
    switch (s.art) {
    case TArt::Leiste:
    case TArt::Schritte: wert = w(s.max + 1); return true;
    case TArt::Radiogruppe: wert = w(int(s.eintraege.size())); return true;
    case TArt::Kasten: wert = w(2); return true;
    case TArt::Knopf:
    case TArt::Knopfgruppe:
    case TArt::Feld: wert = 0; return true;
    default: return false;
    }
}

// One random input, said as a line "~ …" before what the lesson shows then.
void Zufall(TSitzung& s, TWuerfel& w, std::ostream& aus)
{
    const lektion::TLayout& layout = s.Lektion().Layout();
    const int k = w(10);
    if (k < 4) {
        const int b = w(int(layout.bereiche.size()));
        const lektion::TBereich& bereich = layout.bereiche[std::size_t(b)];
        const int art = w(3), x = w(bereich.grafik.breite + 1), y = w(bereich.grafik.hoehe + 1);
        aus << "~ zeiger " << b << ' ' << art << ' ' << x << ' ' << y << '\n';
        s.ZeigerPixel(b, lektion::TZeigerArt(art), x, y);
    } else if (k < 9 || layout.menue.empty()) {
        const int i = w(int(layout.steuer.size()));
        const lektion::TSteuerZustand z = s.Lektion().Steuerzustand(i);
        int wert = 0;
        if (!z.aktiv || !z.sichtbar || !Wert(layout.steuer[std::size_t(i)], w, wert)) {
            aus << "~ nichts\n";
            return;
        }
        aus << "~ steuer " << i << ' ' << wert << '\n';
        if (layout.steuer[std::size_t(i)].art == lektion::TArt::Feld) {
            s.Text(i, std::to_string(w(400)));
            s.Fertig(i);
        } else {
            s.Geaendert(i, wert);
        }
    } else {
        const int punkt = w(int(layout.menue.size()));
        aus << "~ menue " << punkt << '\n';
        s.Menue(punkt);
    }
}

int Index(const TSitzung& s, const std::string& name, bool bereich)
{
    return bereich ? s.Lektion().Bereich(name) : s.Lektion().Steuer(name);
}

// One line of the table; false for one it does not know.
bool Fuehre(std::unique_ptr<TSitzung>& s, const std::string& zeile, std::ostream& aus)
{
    std::istringstream ein(zeile);
    std::string befehl, name;
    ein >> befehl;
    if (befehl == "lektion") {
        unsigned keim = 0;
        ein >> name >> keim;
        s = std::make_unique<TSitzung>(name);
        if (!s->Gueltig())
            return false;
        s->Aktiviere(keim);
    } else if (!s) {
        return false;
    } else if (befehl == "aendere" || befehl == "text" || befehl == "fertig") {
        std::string wert;
        ein >> name >> wert;
        const int i = Index(*s, name, false);
        if (i < 0)
            return false;
        if (befehl == "aendere")
            s->Geaendert(i, std::atoi(wert.c_str()));
        else if (befehl == "text")
            s->Text(i, wert == "-" ? "" : wert);
        else
            s->Fertig(i);
    } else if (befehl == "zufall") {
        int anzahl = 0;
        TWuerfel w{0};
        ein >> anzahl >> w.z;
        for (int i = 0; i < anzahl; ++i) {
            Zufall(*s, w, aus);
            if (i + 1 < anzahl)
                Zeige(*s, aus);
        }
    } else if (befehl == "menue") {
        int punkt = 0;
        ein >> punkt;
        s->Menue(punkt);
    } else if (befehl == "druck" || befehl == "zieh" || befehl == "los") {
        int x = 0, y = 0;
        ein >> name >> x >> y;
        const int b = Index(*s, name, true);
        if (b < 0)
            return false;
        const lektion::TZeigerArt art = befehl == "druck" ? lektion::TZeigerArt::Druck
            : befehl == "zieh"                            ? lektion::TZeigerArt::Bewegung
                                                          : lektion::TZeigerArt::Los;
        s->ZeigerPixel(b, art, x, y);
        ZeigeZeiger(*s, b, x, y, aus);
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: Kernvergleich <Tabelle>\n";
        return 2;
    }
    std::ifstream tabelle(argv[1]);
    if (!tabelle) {
        std::cerr << "Kann " << argv[1] << " nicht lesen\n";
        return 2;
    }
    std::unique_ptr<TSitzung> sitzung;
    std::string zeile;
    for (int nummer = 1; std::getline(tabelle, zeile); ++nummer) {
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::cout << "> " << zeile << '\n';
        if (!Fuehre(sitzung, zeile, std::cout)) {
            std::cerr << argv[1] << ':' << nummer << ": unbekannt: " << zeile << '\n';
            return 2;
        }
        Zeige(*sitzung, std::cout);
    }
    return 0;
}
