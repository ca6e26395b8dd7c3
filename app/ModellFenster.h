// The one window that shows any lesson model: it builds the controls and
// drawing areas from the model's layout at their places, hands every input to
// the model and then shows once what the model says now.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Lektion.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QScrollBar;
class TRadioGroup;

class TModellFenster : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TModellFenster(std::unique_ptr<lektion::TLektion> modell, QWidget* eltern = nullptr);
    ~TModellFenster() override;

    lektion::TLektion& Modell() const { return *modell_; }
    template <class L>
    L& Modell() const
    {
        return dynamic_cast<L&>(*modell_);
    }

    // The window's inputs, as its controls and drawing areas give them; the
    // picture tool and the tests use them too.
    void Zeiger(int bereich, lektion::TZeigerArt art, TWeltPunkt p);
    void Aendere(int steuer, int wert);
    void Menue(int punkt); // the layout's menu item `punkt`

    // What the window built for the layout's areas and controls, by index.
    TPaintBox* Zeichnung(int bereich) const { return bereiche_.at(std::size_t(bereich)).pntGrafik; }
    QWidget* Steuerelement(int steuer) const { return steuer_.at(std::size_t(steuer)).grp; }
    TUpDown* UpDown(int steuer) const { return steuer_.at(std::size_t(steuer)).schritte.UpDown; }
    QPushButton* Knopf(int steuer) const { return steuer_.at(std::size_t(steuer)).knopf; }
    TRadioGroup* Radiogruppe(int steuer) const { return steuer_.at(std::size_t(steuer)).radio; }
    QScrollBar* Leiste(int steuer) const { return steuer_.at(std::size_t(steuer)).leiste; }
    QLineEdit* Feld(int steuer) const { return steuer_.at(std::size_t(steuer)).feld; }
    TPanel* Panel(int steuer) const { return steuer_.at(std::size_t(steuer)).panel; }
    QCheckBox* Kasten(int steuer) const { return steuer_.at(std::size_t(steuer)).kasten; }

    QString AktuelleAnweisung() const override;
    std::optional<int> TitelSchritt() const override { return modell_->Schritt(); }

protected:
    void FormActivate() override;
    void Blaettern(bool vor) override;

private:
    struct TGebaut {
        QWidget* grp = nullptr;
        TRadioGroup* radio = nullptr;
        TSchrittGruppe schritte;
        QPushButton* knopf = nullptr;
        QScrollBar* leiste = nullptr;
        QLabel* label = nullptr; // the scroll bar's
        QLineEdit* feld = nullptr; // on its own or beside the scroll bar
        TPanel* panel = nullptr;
        QCheckBox* kasten = nullptr;
    };

    void baueBereich(int index, const lektion::TBereich& b);
    // The area's pointer handlers hand the model world points.
    void verbindeZeiger(TPaintBox* box, int index, const lektion::TBereich& b);
    TGebaut baueSteuer(int index, const lektion::TSteuer& s);
    void baueEingabe(TGebaut& g, int index, const lektion::TSteuer& s);
    void baueSchalter(TGebaut& g, int index, const lektion::TSteuer& s);
    void baueFeld(TGebaut& g, int index, QWidget* grp, QRect ort, int stellen);
    // The group or panel named in a layout's `in`; the client area for none.
    QWidget* Behaelter(const std::string& name) const;
    void zeigeSteuer(int index, bool alleNeu);
    // Confinement and shape of the pointer as the model says after a pointer input.
    void zeigeZeiger(int bereich, lektion::TZeigerArt art);
    // Runs an input; a listening screen reader then hears what it changed.
    void mitAnsage(const std::function<void()>& eingabe);
    // Shows what the model says now: controls, texts, changed pictures, a message.
    void Abgleichen(bool alleNeu = false);

    std::unique_ptr<lektion::TLektion> modell_;
    std::vector<TBereich> bereiche_;
    std::vector<TGebaut> steuer_;
    std::vector<TBild> bilder_; // what each area shows, as painted last
    int seitenSchritte_ = -1; // the layout's one step control, moved by the Page keys; -1 for none or several
    std::map<std::string, QWidget*> behaelter_; // the controls by name, as places for others
};
