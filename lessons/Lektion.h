// What every lesson is to a front end, without any window: its layout as
// data, its state started afresh by the activation, the inputs that change the
// state, and everything shown computed from the state. A desktop window or a
// web page builds the controls from the layout, hands every input to the
// lesson and then shows what the lesson says now.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lektion {

// Left, top, width and height in pixels of the window's client area (or, for
// what lies inside a group or panel, of that group or panel).
struct TRechteck {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
    bool operator==(const TRechteck&) const = default;
};

// A drawing area with the title panel above it and the instruction panel
// below it, each panel with its label.
struct TBereich {
    std::string name;    // the paint box's name in the lesson ("pntGrafik")
    std::string zugName; // what a screen reader calls the drawing
    TRechteck ueb{}, lblUeb{}, bevel{}, grafik{}, status{}, lblStatus{};
    TWeltRechteck welt{};
    bool gitter = false; // the dot grid under the figure
    bool zeiger = false; // the pupil clicks or drags in it
};

// The frame's places: one wide area, or the left or right of two.
TBereich EinBereich(std::string name, TWeltRechteck welt);
TBereich LinkerBereich(std::string name, TWeltRechteck welt);
TBereich RechterBereich(std::string name, TWeltRechteck welt);

enum class TArt {
    Radiogruppe, // a group of radio buttons; value: the chosen item
    Schritte,    // step group: group box, up-down control, step label; value: the step
    Knopfgruppe, // group box with one button (" Wiederholen  ", " Neuer Versuch  ")
};

// One control of the layout.
struct TSteuer {
    TArt art = TArt::Knopfgruppe;
    std::string name;                   // as the lesson names it ("grpAnzahl")
    TRechteck ort{};                    // in the client area
    std::string text;                   // caption
    std::vector<std::string> eintraege{}; // the radio items
    int spalten = 1;                    // columns of a radio group
    int max = 0;                        // the last step
    TRechteck innen{};                  // the up-down control or the button inside the group
    int labelHoehe = 20;                // height of the step label
    std::string knopf = "Ja";           // the button's caption
};

struct TLayout {
    std::string caption;
    int breite = 1016, hoehe = 714;
    std::vector<TBereich> bereiche;
    std::vector<TSteuer> steuer;
};

// A control as it is to be shown now.
struct TSteuerZustand {
    int wert = 0;        // step, chosen radio item
    bool aktiv = true;   // enabled (a group: everything in it)
    bool sichtbar = true;
    bool knopfAktiv = false; // the button of a button group
    bool upDownAktiv = true; // the up-down control of a step group, which may wait while its group shows
    bool operator==(const TSteuerZustand&) const = default;
};

enum class TZeigerArt { Druck, Bewegung, Los };

class TLektion {
public:
    virtual ~TLektion() = default;

    virtual const TLayout& Layout() const = 0;
    // The activation: everything as at the very first opening. `keim` seeds
    // the random figures, so that a run can be repeated.
    virtual void Aktiviere(unsigned keim) = 0;

    // Inputs. A pointer in area `bereich`, in its world units; a control's
    // new value (a button's is ignored).
    virtual void Zeiger(int bereich, TZeigerArt art, TWeltPunkt p) = 0;
    virtual void Geaendert(int steuer, int wert) = 0;

    // Outputs, computed from the state.
    virtual TSteuerZustand Steuerzustand(int steuer) const = 0;
    virtual std::string Titel(int bereich) const = 0;
    virtual std::string Anweisung(int bereich) const = 0;
    virtual TBild Bild(int bereich) const = 0;
    virtual std::string Beschreibung(int bereich) const = 0;
    // The step the window's title and printed page name; nothing where the
    // window shows no single step.
    virtual std::optional<int> Schritt() const = 0;

    // A refused input's message, given once to the window that shows it.
    std::optional<std::string> NimmMeldung() { return std::exchange(meldung_, std::nullopt); }

    // Index of the control or area named `name` in the layout; -1 if none.
    int Steuer(std::string_view name) const;
    int Bereich(std::string_view name) const;

protected:
    void Melde(std::string text) { meldung_ = std::move(text); }

private:
    std::optional<std::string> meldung_;
};

} // namespace lektion
