// What all nine lesson windows share: a fixed-size modal window with a menu bar
// whose first item is "Schließen", title and instruction panels, bevelled
// drawing areas, the step group and the repeat group at their design
// positions, and the activation that runs each time the window is opened.
#pragma once

#include "app/Inhaltsfenster.h"
#include "app/Steuerelemente.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QPrinter;
enum class TBildFormat;

// The step group: caption, up-down control, label with the current step.
struct TSchrittGruppe {
    QGroupBox* grp = nullptr;
    TUpDown* UpDown = nullptr;
    QLabel* lblSchritte = nullptr;
};

// The repeat group " Wiederholen  " (or a lesson's " Neuer Versuch  ") with its "Ja" button.
struct TWiederholGruppe {
    QGroupBox* grp = nullptr;
    QPushButton* btn = nullptr;
};

// One drawing area with its title and instruction panels.
struct TBereich {
    TPanel* pnlUeb = nullptr;
    QLabel* lblUeb = nullptr;
    TBevel* bevGrafik = nullptr;
    TPaintBox* pntGrafik = nullptr;
    TPanel* pnlStatus = nullptr;
    QLabel* lblStatus = nullptr;

    // Hands the controls over to the window's members, named as that window names them.
    void Verteile(TPanel*& ueb, QLabel*& lblU, TBevel*& bevel, TPaintBox*& grafik, TPanel*& status,
                  QLabel*& lblS) const
    {
        ueb = pnlUeb;
        lblU = lblUeb;
        bevel = bevGrafik;
        grafik = pntGrafik;
        status = pnlStatus;
        lblS = lblStatus;
    }
};

class TLektionsFenster : public TInhaltsFenster {
    Q_OBJECT
public:
    // A window with the given caption and client size (1016 x 714 unless a lesson differs).
    TLektionsFenster(const QString& caption, QWidget* eltern = nullptr, int clientBreite = 1016,
                     int clientHoehe = 714);
    ~TLektionsFenster() override;

    // The client area below the menu bar; controls are placed on it by pixel.
    QWidget* Client() const { return client_; }
    // A further top-level item (or submenu) in the menu bar after "Schließen".
    QAction* NeuerMenuePunkt(const QString& caption);
    // The same item, calling beiKlick with itself when chosen (lessons pass one
    // handler for all their menu items).
    QAction* NeuerMenuePunkt(const QString& caption, const std::function<void(QAction*)>& beiKlick);
    QMenu* NeuesMenue(const QString& caption);

    // Outer window height minus client height: caption, menu bar and borders.
    int RahmenHoehe() const;

    // Finds the window's step control for the page keys, then runs the lesson's activation.
    void Aktivieren() override;

    // The menu "Bild" after the lesson's own menus: copy, save and print the
    // drawing. Made at the first opening, when the lesson's menus exist.
    QMenu* menBild() const { return menBild_; }
    QAction* menBildKopieren() const { return menBildKopieren_; }
    QAction* menBildSpeichern() const { return menBildSpeichern_; }
    QAction* menBildDrucken() const { return menBildDrucken_; }
    void menBildKopierenClick();
    void menBildSpeichernClick();
    void menBildDruckenClick();
    // Saves the picture; a failure is reported to the user and changes nothing else.
    bool SpeichereBildUnter(QString datei, TBildFormat format);

    // The window's caption, with the step where the window shows one
    // ("Dreieckskonstruktionen – Schritt 4"): title of the page, name of the file.
    QString BildTitel() const;
    // The instruction the window shows now, printed below the picture; empty
    // where there is none. By default the texts of the instruction labels.
    virtual QString AktuelleAnweisung() const;
    // The step the title names; none where the window shows no single step.
    // By default the step of the one visible step control.
    virtual std::optional<int> TitelSchritt() const;

protected:
    // The lesson's activation: texts, state reset, controls reset.
    virtual void FormActivate() = 0;

    // Standard layouts of the frame.
    TBereich EinBereich();    // one 1000 x 480 area
    TBereich LinkerBereich(); // left of two 480 x 480 areas
    TBereich RechterBereich();

    TPanel* NeuesPanel(QRect geometrie, QWidget* eltern = nullptr);
    QLabel* TitelLabel(TPanel* panel, QRect geometrie);      // Arial 19 px bold, centred
    QLabel* StatusLabel(TPanel* panel, QRect geometrie);     // Arial 16 px bold navy, centred
    TBevel* NeuerBevel(QRect geometrie);
    TPaintBox* NeuePaintBox(QRect geometrie);
    // Step group at `geometrie` with the up-down control at `upDownGeometrie` and the
    // step label bottom-aligned with `labelHoehe`.
    TSchrittGruppe NeueSchrittGruppe(QRect geometrie, const QString& caption, int max,
                                     QRect upDownGeometrie, int labelHoehe = 20);
    // Repeat group; by default " Wiederholen  " at (874, 575, 136, 75) with "Ja" disabled.
    TWiederholGruppe NeueWiederholGruppe(QRect geometrie = QRect(874, 575, 136, 75),
                                         const QString& caption = QStringLiteral(" Wiederholen  "),
                                         int knopfBreite = 100);

    // Shows a step number in a step group's label.
    static void ZeigeSchritt(const TSchrittGruppe& gruppe, int schritt);

    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Page Down and Page Up move the window's only step control forward and back,
    // unless the focused control uses those keys itself.
    void keyPressEvent(QKeyEvent* e) override;
    // One step forward or back, as the Page keys ask; by default with the
    // window's only step control while it can be used.
    virtual void Blaettern(bool vor);

    TBereich NeuerBereich(QRect ueb, QRect lblUeb, QRect bevel, QRect grafik, QRect status, const QString& name);

private:
    void gibZeigerFrei();
    void baueBildMenue();

    QWidget* client_;
    QList<QPointer<QLabel>> anweisungen_; // the instruction labels made by StatusLabel
    QMenu* menBild_ = nullptr;
    QAction* menBildKopieren_ = nullptr;
    QAction* menBildSpeichern_ = nullptr;
    QAction* menBildDrucken_ = nullptr;
    std::unique_ptr<QPrinter> drucker_; // keeps the user's printer and page choices for the run
    TUpDown* seitenUpDown_ = nullptr; // the window's only step control, if it has exactly one
};

// The silent corrections of an angle field (0..360) while the pupil types: an
// emptied field gets `letzter` back and a value above 360 becomes "360". The
// value as it stands, or nothing when the field had to be corrected.
std::optional<int> GradImFeld(QLineEdit* feld, int letzter);
