// The random-event test ("monkey"): it opens one window of the whole program
// the way the start menu does and fires random pupil events at whatever
// controls the window has, found by their kind, from a fixed seed. After every
// event it lets pending events run, renders the drawing areas and checks a few
// invariants; the first fault ends the run with a report of the seed and the
// last events, so that the run can be repeated.
#pragma once

#include "app/Programm.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QAbstractButton;
class QMenu;
class QMenuBar;
class QWindow;

// Small deterministic generator (SplitMix64): the same seed gives the same events.
class TAffenZufall {
public:
    explicit TAffenZufall(std::uint64_t keim) : zustand_(keim) {}
    std::uint64_t Naechste();
    // 0 <= r < n (0 for n <= 0).
    int Bis(int n);
    // lo <= r <= hi.
    int Zwischen(int lo, int hi) { return lo + Bis(hi - lo + 1); }
    bool Prozent(int p) { return Bis(100) < p; }

private:
    std::uint64_t zustand_;
};

class TAffe : public QObject {
public:
    // `menuePunkt`: the start menu item that opens the window ("menArten", ...);
    // empty for the start window itself.
    TAffe(TProgramm& programm, const QString& menuePunkt, std::uint64_t keim);
    ~TAffe() override;

    // Fires `anzahl` events (openings included). Empty on success, otherwise
    // the report: what went wrong, the seed, the last 20 events, how to repeat.
    QString Lauf(int anzahl);

    // A fingerprint of every event and every message so far: equal for two
    // runs with the same seed when the program behaves the same.
    std::uint64_t Fingerabdruck() const { return fingerabdruck_; }
    int Meldungen() const { return meldungen_; }
    int Oeffnungen() const { return oeffnungen_; }
    // File and print dialogs opened (and cancelled) from the menu "Bild".
    int Dialoge() const { return dialoge_; }

    // Where a failing run is repeated from: the test's name for the filter.
    void SetzeTestName(const QString& name) { testName_ = name; }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    enum class Art { Maus, Knopf, Schritt, Taste, Leiste, Eingabe, Einfuegen, Menue, Irgendwo, Schliessen };

    // Driving.
    void Sitzung();
    void ZeigeStart();
    void EinEreignis();
    Art WaehleArt();
    void Protokolliere(const QString& text);
    void Ergaenze(const QString& text);
    void Mische(const QString& text); // into the fingerprint
    void Fehler(const QString& grund);
    QString Bericht() const;
    void BeginneZeit();
    void EndeZeit();

    // Events.
    void MausEreignis();
    void KnopfEreignis();
    void SchrittEreignis();
    void TastenEreignis();
    void LeistenEreignis();
    void EingabeEreignis(bool einfuegen);
    void MenueEreignis();
    void IrgendwoEreignis();
    void SchliessEreignis();
    void LasseKnoepfeLos();
    void MerkeGesperrte();

    // Discovery (every event: what is visible and enabled changes).
    template <class T>
    QList<T*> Bedienbar() const;
    QList<QAction*> MenueAktionen() const;
    QList<QWidget*> Fokussierbar() const;

    // After an event.
    void Rendere(bool ersteNachOeffnen);
    void PruefeSchrittAnzeigen();
    void BehandlePopup(QWidget* popup);
    void RichteWachenEin();

    // Mouse input through the window, as the window system delivers it.
    QWindow* Fenstergriff() const;
    QPoint ImFenster(const QWidget* w, QPoint lokal) const;
    QString Name(const QWidget* w) const;

    TProgramm& programm_;
    QString menuePunkt_;
    QWidget* fenster_;        // the window under test
    QAction* oeffner_ = nullptr;
    std::uint64_t keim_;
    TAffenZufall zufall_;
    QString testName_;
    bool mitschreiben_ = false; // every event to stderr (GEOMETRIE_AFFE_PROTOKOLL)

    int anzahl_ = 0;
    int nummer_ = 0;
    int oeffnungen_ = 0;
    int meldungen_ = 0;
    int dialoge_ = 0;
    QString fehler_;
    std::uint64_t fingerabdruck_ = 1469598103934665603ull;

    // The last events, newest at `ringPos_ - 1`.
    std::array<QString, 20> ring_;
    int ringPos_ = 0;
    int ringAnzahl_ = 0;

    // Mouse state of the current drag.
    Qt::MouseButtons gehalten_;
    QPoint letzteMaus_;
    QPointer<QWidget> mausZiel_;

    QSet<const QWidget*> nichtLeer_; // drawing areas that showed a figure when the window opened
    QSet<QObject*> gemalt_;          // drawing areas the program repainted since the last render
    QSet<QObject*> bewacht_;         // controls whose handlers are watched
    QSet<QObject*> gesperrt_;        // buttons disabled or hidden when the current event began
    QElapsedTimer uhr_;
};
