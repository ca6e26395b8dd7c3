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
// below it, each panel with its label. An area without a drawing's width is a
// title panel only.
struct TBereich {
    std::string name;    // the paint box's name in the lesson ("pntGrafik")
    std::string zugName; // what a screen reader calls the drawing
    TRechteck ueb{}, lblUeb{}, bevel{}, grafik{}, status{}, lblStatus{};
    TWeltRechteck welt{};
    bool gitter = false; // the dot grid under the figure
    bool zeiger = false; // the pupil clicks or drags in it
    bool ziehen = false; // moves and releases of the pointer go to the lesson too
    // A bare drawing has no title panel, bevel or instruction panel (their
    // rectangles stay empty) and may lie in a group or panel of the layout.
    std::string in{};     // that control's name; empty: the client area
    bool alsText = false; // read as a text (an instruction, a legend), not as a drawing
    bool imBild = true;   // copied, saved and printed as the window's picture
    // A drawing on the client area built right after this control, where the
    // order of a screen reader's walk asks for it; empty: before all controls.
    std::string nach{};
    // The pixels from the top-left the world window spans; 0: all of them.
    int weltBreite = 0, weltHoehe = 0;
    bool grund = true; // a white ground under the picture; false: the panel's face shows
    bool statusSichtbar = true; // false: the instruction panel is there but hidden, another one says it
};

// The frame's places: one wide area, or the left or right of two.
TBereich EinBereich(std::string name, TWeltRechteck welt);
TBereich LinkerBereich(std::string name, TWeltRechteck welt);
TBereich RechterBereich(std::string name, TWeltRechteck welt);

enum class TArt {
    Radiogruppe, // a group of radio buttons; value: the chosen item
    Schritte,    // step group: group box, up-down control, step label; value: the step
    Knopfgruppe, // group box with one button (" Wiederholen  ", " Neuer Versuch  ")
    Leiste,      // group box, scroll bar 0..max (steps 1 and 10), label below it; value: the position
    Feld,        // group box with an edit field for digits; input: the typed text
    Anzeige,     // panel whose caption the lesson sets
    Gruppe,      // a plain group box that holds other controls or drawings
    Kasten,      // check box; value: 1 ticked, 0 not
    Knopf,       // push button on its own; its caption is `text`
};

// One control of the layout.
struct TSteuer {
    TArt art = TArt::Knopfgruppe;
    std::string name;                   // as the lesson names it ("grpAnzahl")
    TRechteck ort{};                    // in the client area
    std::string text;                   // caption
    std::vector<std::string> eintraege{}; // the radio items
    int spalten = 1;                    // columns of a radio group
    int max = 0;                        // the last step; a scroll bar's end
    TRechteck innen{};                  // the up-down control, button, scroll bar or edit field in the group
    int labelHoehe = 20;                // height of the step or scroll bar label
    std::string knopf = "Ja";           // the button's caption
    std::string einheit{};              // what a screen reader says after a scroll bar's value
    int stellen = 3;                    // digits an edit field takes
    int schriftHoehe = 16;              // a panel's caption font, bold Arial
    TFarbe schriftFarbe = clBlack;
    bool weiss = false;                 // a panel with a white face
    std::string in{};                   // the group or panel it lies in; empty: the client area
    std::string zugName{};              // what a screen reader calls it, where its caption does not say
    std::string zugBeschreibung{};      // what a screen reader adds ("für Dreieck 1")
    TRechteck feld{};                   // a scroll bar's edit field beside it in its group; none if empty
};

struct TLayout {
    std::string caption;
    int breite = 1016, hoehe = 714;
    std::vector<TBereich> bereiche;
    std::vector<TSteuer> steuer;
    std::vector<std::string> menue{}; // the lesson's own menu items after "Schließen", "&" before the Alt letter
};

// A control as it is to be shown now.
struct TSteuerZustand {
    int wert = 0;        // step, chosen radio item
    bool aktiv = true;   // enabled (a group: everything in it)
    bool sichtbar = true;
    bool knopfAktiv = false; // the button of a button group
    std::string text{};      // an edit field's text, a scroll bar's label, a panel's or check box's caption
    bool upDownAktiv = true; // the up-down control of a step group, which may wait while its group shows
    std::optional<TFarbe> farbe{}; // a panel's caption colour, where it differs from the layout's
    std::optional<std::string> titel{}; // a group's new caption; none: it keeps the one it has
    std::optional<TRechteck> ort{};     // where the control moves to; none: it stays
    std::optional<int> max{}; // a step group's last step, where it differs from the layout's
    std::string feldText{};        // the text of a scroll bar's edit field
    bool innenSichtbar = true;     // a scroll bar and its field, which may hide while their group and label show
    std::string zugBeschreibung{}; // what a screen reader adds, where it follows the state (a panel's colour)
    bool operator==(const TSteuerZustand&) const = default;
};

enum class TZeigerArt { Druck, Bewegung, Los };

// The pointer's shape over a drawing: the hand over what can be dragged;
// `Bleibt` leaves the shape the pointer has.
enum class TZeigerForm { Pfeil, Hand, Bleibt };

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
    // The text the pupil typed into an edit field.
    virtual void Text(int, const std::string&) {}
    // The entry in a scroll bar's edit field is finished: Return, Tab or leaving it.
    virtual void Fertig(int) {}
    // One of the layout's menu items was chosen.
    virtual void Menue(int) {}

    // Outputs, computed from the state.
    virtual TSteuerZustand Steuerzustand(int steuer) const = 0;
    virtual std::string Titel(int bereich) const = 0;
    virtual TFarbe TitelFarbe(int) const { return clBlack; }
    virtual std::string Anweisung(int bereich) const = 0;
    virtual TBild Bild(int bereich) const = 0;
    virtual std::string Beschreibung(int bereich) const = 0;
    // The step the window's title and printed page name; nothing where the
    // window shows no single step.
    virtual std::optional<int> Schritt() const = 0;
    // While a drag runs: the world rectangle the pointer is held in, taken at
    // each press. The pointer's shape follows moves and releases.
    virtual std::optional<TWeltRechteck> Ziehbereich(int) const { return std::nullopt; }
    virtual TZeigerForm Zeigerform(int) const { return TZeigerForm::Pfeil; }
    // Where a pointer at `p` in area `bereich` stands, as a screen reader says
    // it while the pupil aims by keys: the place in world units and, where that
    // decides what a click does, what it is on ("auf A", "im Rahmen" ...).
    virtual std::string ZeigerOrt(int bereich, TWeltPunkt p) const;

    // A refused input's message, given once to the window that shows it.
    std::optional<std::string> NimmMeldung() { return std::exchange(meldung_, std::nullopt); }
    bool HatMeldung() const { return meldung_.has_value(); }

    // Index of the control or area named `name` in the layout; -1 if none.
    int Steuer(std::string_view name) const;
    int Bereich(std::string_view name) const;

protected:
    void Melde(std::string text) { meldung_ = std::move(text); }
    // A drawing's description with the keys that work it, for a drawing that
    // takes the pointer: its instruction speaks only of the mouse.
    std::string MitTasten(int bereich, std::string beschreibung) const;
    // The pointer's place "(3|2)", with what it is on: "(3|2), auf B".
    static std::string Ort(TWeltPunkt p, std::string_view was = {});

private:
    std::optional<std::string> meldung_;
};

} // namespace lektion
