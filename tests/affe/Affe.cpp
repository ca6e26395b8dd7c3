#include "Affe.h"

#include "app/Plattform.h"
#include "draw/ZufallU.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QAbstractPrintDialog>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// A single event may take this long; beyond it the run counts as hanging.
constexpr long long grenzeMs = 2000;

// What a crash, a sanitizer report or a hang prints: the report of the
// running monkey as it stands, kept up to date with every event.
std::mutex sperre;
std::string notBericht;

std::atomic<long long> ereignisBeginn{-1}; // ms on the steady clock, -1 between events

long long JetztMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SchreibeNotbericht(const char* grund)
{
    std::fprintf(stderr, "\n*** Zufallsereignisse: %s\n%s\n", grund, notBericht.c_str());
    std::fflush(stderr);
}

void Waechter()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const long long beginn = ereignisBeginn.load();
        if (beginn >= 0 && JetztMs() - beginn > 5 * grenzeMs) {
            std::lock_guard<std::mutex> g(sperre);
            SchreibeNotbericht("ein Ereignis hängt (über 10 s)");
            std::_Exit(3);
        }
    }
}

void RichteNotausgaengeEin()
{
    static bool bereit = false;
    if (bereit)
        return;
    bereit = true;
    std::thread(Waechter).detach();
    std::set_terminate([] {
        SchreibeNotbericht("nicht abgefangene Ausnahme");
        std::abort();
    });
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reports through its death callback; the undefined-
    // behaviour checks live in a runtime of their own and abort (see below).
    __sanitizer_set_death_callback([] { SchreibeNotbericht("Sanitizer-Bericht (siehe oben)"); });
    const int signale[] = {SIGABRT};
#else
    const int signale[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
#endif
    for (int signal : signale) {
        std::signal(signal, [](int s) {
            SchreibeNotbericht(s == SIGABRT ? "Abbruch (SIGABRT oder Sanitizer-Bericht, siehe oben)"
                                            : "Absturz (Signal)");
            std::signal(s, SIG_DFL);
            std::raise(s);
        });
    }
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// An undefined-behaviour report ends the run with abort(), so that the last
// events are printed after it.
extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:abort_on_error=1";
}
#endif

namespace {

// Qt's English texts of the context menus that edit fields and scroll bars
// bring along; with the German translation loaded none of them may show.
const QStringList& EnglischeQtTexte()
{
    static const QStringList texte = {
        QStringLiteral("&Undo"),        QStringLiteral("&Redo"),       QStringLiteral("Cu&t"),
        QStringLiteral("&Copy"),        QStringLiteral("&Paste"),      QStringLiteral("Delete"),
        QStringLiteral("Select All"),   QStringLiteral("Scroll here"), QStringLiteral("Left edge"),
        QStringLiteral("Right edge"),   QStringLiteral("Top"),         QStringLiteral("Bottom"),
        QStringLiteral("Page left"),    QStringLiteral("Page right"),  QStringLiteral("Page up"),
        QStringLiteral("Page down"),    QStringLiteral("Scroll left"), QStringLiteral("Scroll right"),
        QStringLiteral("Scroll up"),    QStringLiteral("Scroll down"), QStringLiteral("What's This?"),
    };
    return texte;
}

bool IstLeer(const QImage& bild)
{
    // One colour everywhere: the first row is uniform and every row equals it.
    if (bild.isNull())
        return true;
    const int breite = bild.width(), hoehe = bild.height();
    const auto* erste = reinterpret_cast<const QRgb*>(bild.constScanLine(0));
    for (int x = 1; x < breite; ++x)
        if (erste[x] != erste[0])
            return false;
    const size_t bytes = size_t(breite) * sizeof(QRgb);
    for (int y = 1; y < hoehe; ++y)
        if (std::memcmp(bild.constScanLine(y), erste, bytes) != 0)
            return false;
    return true;
}

QString KnopfName(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return QStringLiteral("links");
    case Qt::RightButton:
        return QStringLiteral("rechts");
    case Qt::MiddleButton:
        return QStringLiteral("Mitte");
    default:
        return QStringLiteral("?");
    }
}

QString TastenName(Qt::KeyboardModifiers m)
{
    QString s;
    if (m & Qt::ShiftModifier)
        s += QStringLiteral("Umschalt+");
    if (m & Qt::ControlModifier)
        s += QStringLiteral("Strg+");
    if (m & Qt::AltModifier)
        s += QStringLiteral("Alt+");
    return s;
}

} // namespace

// ---------------------------------------------------------------- generator

std::uint64_t TAffenZufall::Naechste()
{
    zustand_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = zustand_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int TAffenZufall::Bis(int n)
{
    if (n <= 0)
        return 0;
    return int(Naechste() % std::uint64_t(n)); // the tiny bias does not matter here
}

// ---------------------------------------------------------------- set-up

TAffe::TAffe(TProgramm& programm, const QString& menuePunkt, std::uint64_t keim)
    : programm_(programm), menuePunkt_(menuePunkt), keim_(keim), zufall_(keim * 0x2545F4914F6CDD1Dull + 7)
{
    fenster_ = menuePunkt.isEmpty() ? static_cast<QWidget*>(&programm.frmStart) : programm.frmStart.Fenster(menuePunkt);
    if (!menuePunkt.isEmpty())
        oeffner_ = programm.frmStart.MenuePunkt(menuePunkt);
    RichteNotausgaengeEin();
    mitschreiben_ = qEnvironmentVariableIsSet("GEOMETRIE_AFFE_PROTOKOLL");
    // Random figures repeat with the seed, however often a window is opened.
    FesteZufallsUhr(keim);
    SetzeMeldungsHaken([this](const QString& text) {
        ++meldungen_;
        Ergaenze(QStringLiteral("Meldung \"%1\"").arg(text));
        if (text.trimmed().isEmpty())
            Fehler(QStringLiteral("Meldung ohne Text"));
    });
    qApp->installEventFilter(this);
}

TAffe::~TAffe()
{
    qApp->removeEventFilter(this);
    SetzeMeldungsHaken({});
    std::lock_guard<std::mutex> g(sperre);
    notBericht.clear();
}

// ---------------------------------------------------------------- driving

QString TAffe::Lauf(int anzahl)
{
    anzahl_ = anzahl;
    if (!fenster_) {
        Fehler(QStringLiteral("kein Fenster zum Menüpunkt %1").arg(menuePunkt_));
        return Bericht();
    }
    TfrmStart& start = programm_.frmStart;
    if (!start.isVisible())
        ZeigeStart();
    RichteWachenEin();

    while (nummer_ < anzahl_ && fehler_.isEmpty()) {
        if (!oeffner_) {
            // The start window itself: the events run here, without a modal loop.
            if (!start.isVisible()) {
                ++nummer_;
                Protokolliere(QStringLiteral("Startfenster wieder zeigen"));
                BeginneZeit();
                ZeigeStart();
                EndeZeit();
            }
            Sitzung();
            continue;
        }
        ++nummer_;
        ++oeffnungen_;
        Protokolliere(QStringLiteral("Öffnen über %1").arg(menuePunkt_));
        BeginneZeit();
        bool gelaufen = false;
        QTimer::singleShot(0, fenster_, [this, &gelaufen] {
            gelaufen = true;
            // The window system makes the window active a moment after it
            // appears; the pupil's first key goes to it only then.
            const bool aktiv = QTest::qWaitForWindowActive(fenster_, int(grenzeMs));
            EndeZeit();
            if (!aktiv || !fenster_->isVisible() || QApplication::activeModalWidget() != fenster_)
                Fehler(QStringLiteral("das Fenster ist nach dem Öffnen nicht modal sichtbar und aktiv"));
            if (fehler_.isEmpty())
                Sitzung();
            if (fenster_->isVisible()) {
                LasseKnoepfeLos();
                fenster_->close();
            }
        });
        oeffner_->trigger(); // returns when the window is closed again
        if (!gelaufen)
            Fehler(QStringLiteral("das Fenster lief nicht modal"));
        else if (fenster_->isVisible())
            Fehler(QStringLiteral("das Fenster ist nach seiner modalen Schleife noch sichtbar"));
        else if (!start.isVisible())
            Fehler(QStringLiteral("das Startfenster erscheint nach dem Schließen nicht wieder"));
    }
    ereignisBeginn = -1;
    return fehler_.isEmpty() ? QString() : Bericht();
}

void TAffe::ZeigeStart()
{
    programm_.frmStart.show();
    if (!QTest::qWaitForWindowActive(&programm_.frmStart, int(grenzeMs)))
        Fehler(QStringLiteral("das Startfenster wird nicht aktiv"));
}

void TAffe::Sitzung()
{
    nichtLeer_.clear();
    gehalten_ = Qt::NoButton;
    mausZiel_ = nullptr;
    Rendere(true);
    while (nummer_ < anzahl_ && fehler_.isEmpty() && fenster_->isVisible()) {
        EinEreignis();
    }
}

void TAffe::EinEreignis()
{
    ++nummer_;
    BeginneZeit();
    MerkeGesperrte();
    try {
        switch (WaehleArt()) {
        case Art::Maus:
            MausEreignis();
            break;
        case Art::Knopf:
            KnopfEreignis();
            break;
        case Art::Schritt:
            SchrittEreignis();
            break;
        case Art::Taste:
            TastenEreignis();
            break;
        case Art::Leiste:
            LeistenEreignis();
            break;
        case Art::Eingabe:
            EingabeEreignis(false);
            break;
        case Art::Einfuegen:
            EingabeEreignis(true);
            break;
        case Art::Menue:
            MenueEreignis();
            break;
        case Art::Irgendwo:
            IrgendwoEreignis();
            break;
        case Art::Schliessen:
            SchliessEreignis();
            break;
        }
        QCoreApplication::processEvents();
        if (fenster_->isVisible() && !fenster_->isActiveWindow() && !QApplication::activePopupWidget()) {
            // The offscreen platform activates a popup menu like a window and
            // leaves nothing active when it closes; a window system gives the
            // activation back to the window, so that keys go to it again.
            fenster_->activateWindow();
            QCoreApplication::processEvents();
        }
        if (fenster_->isVisible()) {
            Rendere(false);
            PruefeSchrittAnzeigen();
        }
    } catch (const std::exception& e) {
        Fehler(QStringLiteral("Ausnahme: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Fehler(QStringLiteral("Ausnahme unbekannter Art"));
    }
    EndeZeit();
}

TAffe::Art TAffe::WaehleArt()
{
    struct Gewicht {
        Art art;
        int gewicht;
        bool moeglich;
    };
    const bool zeichnungen = !Bedienbar<TPaintBox>().isEmpty();
    const Gewicht tabelle[] = {
        {Art::Maus, 40, zeichnungen},
        {Art::Knopf, 12, !Bedienbar<QAbstractButton>().isEmpty()},
        {Art::Schritt, 8, !Bedienbar<TUpDown>().isEmpty()},
        {Art::Taste, 10, true},
        {Art::Leiste, 6, !Bedienbar<QScrollBar>().isEmpty()},
        {Art::Eingabe, 6, !Bedienbar<QLineEdit>().isEmpty()},
        {Art::Einfuegen, 3, !Bedienbar<QLineEdit>().isEmpty()},
        {Art::Menue, 2, !MenueAktionen().isEmpty()},
        {Art::Irgendwo, 7, true},
    };
    // The close box now and then: a few times in a thousand events.
    if (zufall_.Bis(1000) < 3)
        return Art::Schliessen;
    int summe = 0;
    for (const Gewicht& g : tabelle)
        summe += g.moeglich ? g.gewicht : 0;
    int r = zufall_.Bis(summe);
    for (const Gewicht& g : tabelle) {
        if (!g.moeglich)
            continue;
        if (r < g.gewicht)
            return g.art;
        r -= g.gewicht;
    }
    return Art::Taste;
}

void TAffe::Protokolliere(const QString& text)
{
    const QString eintrag = QStringLiteral("#%1 %2").arg(nummer_).arg(text);
    if (mitschreiben_)
        std::fprintf(stderr, "%s\n", qPrintable(eintrag));
    Mische(eintrag);
    std::lock_guard<std::mutex> g(sperre);
    ring_[ringPos_] = eintrag;
    ringPos_ = (ringPos_ + 1) % int(ring_.size());
    ringAnzahl_ = std::min(ringAnzahl_ + 1, int(ring_.size()));
    notBericht = Bericht().toStdString();
}

void TAffe::Ergaenze(const QString& text)
{
    if (mitschreiben_)
        std::fprintf(stderr, "    → %s\n", qPrintable(text));
    Mische(text);
    std::lock_guard<std::mutex> g(sperre);
    const int letzter = (ringPos_ + int(ring_.size()) - 1) % int(ring_.size());
    ring_[letzter] += QStringLiteral(" → ") + text;
    notBericht = Bericht().toStdString();
}

void TAffe::Mische(const QString& text)
{
    for (QChar c : text) // FNV-1a
        fingerabdruck_ = (fingerabdruck_ ^ c.unicode()) * 1099511628211ull;
}

void TAffe::Fehler(const QString& grund)
{
    if (fehler_.isEmpty())
        fehler_ = grund;
}

QString TAffe::Bericht() const
{
    const QString fensterName =
        oeffner_ ? QString::fromLatin1(fenster_->metaObject()->className()) : QStringLiteral("TfrmStart");
    QString text = QStringLiteral("Fenster %1, Keim %2, Ereignis %3 von %4")
                       .arg(fensterName)
                       .arg(keim_)
                       .arg(nummer_)
                       .arg(anzahl_);
    if (!fehler_.isEmpty())
        text += QStringLiteral(": %1").arg(fehler_);
    text += QStringLiteral("\nDie letzten Ereignisse:\n");
    for (int i = 0; i < ringAnzahl_; ++i) {
        const int pos = (ringPos_ - ringAnzahl_ + i + 2 * int(ring_.size())) % int(ring_.size());
        text += QStringLiteral("  %1\n").arg(ring_[pos]);
    }
    text += QStringLiteral("Wiederholen mit: GEOMETRIE_AFFE_KEIM=%1 GEOMETRIE_AFFE_EREIGNISSE=%2 %3")
                .arg(keim_)
                .arg(nummer_)
                .arg(QCoreApplication::applicationFilePath());
    if (!testName_.isEmpty())
        text += QStringLiteral(" --gtest_filter='%1'").arg(testName_);
    return text;
}

void TAffe::BeginneZeit()
{
    uhr_.start();
    ereignisBeginn = JetztMs();
}

void TAffe::EndeZeit()
{
    const qint64 dauer = uhr_.elapsed();
    ereignisBeginn = -1;
    if (dauer > grenzeMs)
        Fehler(QStringLiteral("das Ereignis dauerte %1 ms (Grenze %2 ms)").arg(dauer).arg(grenzeMs));
}

// ---------------------------------------------------------------- discovery

template <class T>
QList<T*> TAffe::Bedienbar() const
{
    QList<T*> liste;
    for (T* w : fenster_->findChildren<T*>()) {
        // Menu bars are driven by their actions; their own buttons (the overflow) count as widgets.
        if (w->isVisible() && w->isEnabled() && w->window() == fenster_)
            liste.append(w);
    }
    return liste;
}

QList<QAction*> TAffe::MenueAktionen() const
{
    QList<QAction*> aktionen;
    QMenuBar* leiste = fenster_->findChild<QMenuBar*>();
    if (!leiste)
        return aktionen;
    QList<QAction*> offen = leiste->actions();
    while (!offen.isEmpty()) {
        QAction* a = offen.takeFirst();
        if (!a->isVisible() || !a->isEnabled() || a->isSeparator())
            continue;
        if (a->menu())
            offen += a->menu()->actions();
        else
            aktionen.append(a);
    }
    return aktionen;
}

QList<QWidget*> TAffe::Fokussierbar() const
{
    QList<QWidget*> liste;
    for (QWidget* w : Bedienbar<QWidget>())
        if (w->focusPolicy() & Qt::TabFocus)
            liste.append(w);
    return liste;
}

QWindow* TAffe::Fenstergriff() const { return fenster_->windowHandle(); }

QPoint TAffe::ImFenster(const QWidget* w, QPoint lokal) const
{
    QPoint p = w->mapTo(fenster_, lokal);
    if (p.isNull())
        p = QPoint(0, 1); // (0, 0) is no special place; keep clear of "no position"
    return p;
}

QString TAffe::Name(const QWidget* w) const
{
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w); knopf && !knopf->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(knopf->text());
    const QPoint lage = w->mapTo(fenster_, QPoint(0, 0));
    return name + QStringLiteral(" @%1,%2").arg(lage.x()).arg(lage.y());
}

// ---------------------------------------------------------------- watching

void TAffe::RichteWachenEin()
{
    // A control's handler must never run while the control is disabled or hidden.
    for (QAbstractButton* knopf : fenster_->findChildren<QAbstractButton*>()) {
        if (bewacht_.contains(knopf))
            continue;
        bewacht_.insert(knopf);
        // The lesson's own handler runs first and may disable the button: what
        // counts is its state when the event began.
        connect(knopf, &QAbstractButton::clicked, this, [this, knopf] {
            if (gesperrt_.contains(knopf))
                Fehler(QStringLiteral("%1 löste aus, obwohl gesperrt oder verborgen").arg(Name(knopf)));
        });
    }
    for (TUpDown* ud : fenster_->findChildren<TUpDown*>()) {
        if (bewacht_.contains(ud))
            continue;
        bewacht_.insert(ud);
        auto alt = ud->OnClick;
        ud->OnClick = [this, ud, alt](TUpDown* sender) {
            if (!ud->isEnabled() || !ud->isVisible())
                Fehler(QStringLiteral("%1 schaltete, obwohl gesperrt oder verborgen").arg(Name(ud)));
            if (alt)
                alt(sender);
        };
    }
}

void TAffe::PruefeSchrittAnzeigen()
{
    // The label of a step group shows the step control's position.
    for (TUpDown* ud : fenster_->findChildren<TUpDown*>()) {
        if (!ud->isVisible() || !ud->parentWidget())
            continue;
        const QList<QLabel*> labels = ud->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        if (labels.size() != 1)
            continue;
        if (labels.first()->text() != QString::number(ud->Position()))
            Fehler(QStringLiteral("die Schrittanzeige zeigt \"%1\", die Schrittsteuerung steht auf %2")
                       .arg(labels.first()->text())
                       .arg(ud->Position()));
    }
}

void TAffe::Rendere(bool ersteNachOeffnen)
{
    // Every drawing area's paint handler runs into an image: those that the
    // event repainted at once, the others every eighth event (a state change
    // the window forgot to show, a paint handler that fails only later). A
    // drawing area that showed a figure when the window opened never goes blank.
    const bool alle = ersteNachOeffnen || nummer_ % 8 == 0;
    for (TPaintBox* box : fenster_->findChildren<TPaintBox*>()) {
        if (!box->isVisible() || !(alle || gemalt_.contains(box)))
            continue;
        const bool leer = IstLeer(box->Abbild());
        if (ersteNachOeffnen) {
            if (!leer)
                nichtLeer_.insert(box);
        } else if (leer && nichtLeer_.contains(box)) {
            Fehler(QStringLiteral("die Zeichenfläche %1 ist leer").arg(Name(box)));
        }
    }
    gemalt_.clear();
}

bool TAffe::eventFilter(QObject* ziel, QEvent* e)
{
    if (e->type() == QEvent::Paint && qobject_cast<TPaintBox*>(ziel))
        gemalt_.insert(ziel);
    if (e->type() == QEvent::Show && ziel->isWidgetType()) {
        auto* w = static_cast<QWidget*>(ziel);
        if (w->isWindow() && w != fenster_ && w != &programm_.frmStart)
            BehandlePopup(w);
    }
    return QObject::eventFilter(ziel, e);
}

void TAffe::BehandlePopup(QWidget* w)
{
    const QString art = QString::fromLatin1(w->metaObject()->className());
    if (auto* menue = qobject_cast<QMenu*>(w)) {
        // Allowed: the window's own submenus and the context menus that edit
        // fields and scroll bars bring along, in German.
        QWidget* eltern = menue->parentWidget();
        bool eigenesMenue = false;
        if (QMenuBar* leiste = fenster_->findChild<QMenuBar*>()) {
            QList<QAction*> offen = leiste->actions();
            while (!offen.isEmpty()) {
                QAction* a = offen.takeFirst();
                if (QMenu* unter = a->menu()) {
                    eigenesMenue = eigenesMenue || unter == menue;
                    offen += unter->actions();
                }
            }
        }
        const bool steuerMenue = qobject_cast<QLineEdit*>(eltern) || qobject_cast<QScrollBar*>(eltern);
        QStringList texte;
        for (QAction* a : menue->actions())
            if (!a->isSeparator())
                texte << a->text().section(QLatin1Char('\t'), 0, 0);
        Ergaenze(QStringLiteral("Menü [%1]").arg(texte.join(QStringLiteral(", "))));
        if (!eigenesMenue && !steuerMenue)
            Fehler(QStringLiteral("ein Kontextmenü erscheint, wo das Programm keins hat (über %1)")
                       .arg(eltern ? QString::fromLatin1(eltern->metaObject()->className()) : QStringLiteral("-")));
        for (const QString& t : texte)
            if (EnglischeQtTexte().contains(t))
                Fehler(QStringLiteral("Qt zeigt den englischen Text \"%1\"").arg(t));
        // The pupil picks an entry now and then, or closes the menu again.
        const int wahl = zufall_.Prozent(50) ? zufall_.Zwischen(1, std::max(1, int(texte.size()))) : 0;
        QPointer<QMenu> zeiger(menue);
        QTimer::singleShot(0, menue, [this, zeiger, wahl] {
            if (!zeiger || !zeiger->isVisible())
                return;
            if (wahl > 0) {
                for (int i = 0; i < wahl; ++i)
                    QTest::keyClick(zeiger.data(), Qt::Key_Down);
                Ergaenze(QStringLiteral("Eintrag %1 gewählt").arg(wahl));
                QTest::keyClick(zeiger.data(), Qt::Key_Return);
            }
            if (zeiger && zeiger->isVisible())
                zeiger->close();
        });
        return;
    }
    if (qobject_cast<QFileDialog*>(w) || qobject_cast<QAbstractPrintDialog*>(w)) {
        // "Speichern unter …" and "Drucken …" of the menu "Bild": the pupil
        // cancels them; nothing is written or printed. Rejecting ends the
        // dialog's modal loop whatever state it is in.
        ++dialoge_;
        Ergaenze(QStringLiteral("%1 \"%2\" abgebrochen").arg(art, w->windowTitle()));
        QPointer<QDialog> zeiger(static_cast<QDialog*>(w));
        QTimer::singleShot(0, w, [zeiger] {
            if (zeiger)
                zeiger->reject();
        });
        return;
    }
    const bool programmFenster = qobject_cast<TInhaltsFenster*>(w) != nullptr;
    if (qobject_cast<QDialog*>(w)) {
        // From the start window the pupil opens content windows; the monkey
        // closes them again. Any other dialog escaped the message hook.
        if (!(programmFenster && !oeffner_))
            Fehler(QStringLiteral("unerwarteter Dialog %1 \"%2\"").arg(art, w->windowTitle()));
        else
            Ergaenze(QStringLiteral("%1 geöffnet und wieder geschlossen").arg(art));
        QPointer<QWidget> zeiger(w);
        QTimer::singleShot(0, w, [zeiger] {
            if (zeiger)
                zeiger->close();
        });
        return;
    }
    if (w->windowType() == Qt::Popup) {
        Ergaenze(QStringLiteral("Popup %1").arg(art));
        QPointer<QWidget> zeiger(w);
        QTimer::singleShot(0, w, [zeiger] {
            if (zeiger)
                zeiger->close();
        });
    }
}

// ---------------------------------------------------------------- events

void TAffe::MausEreignis()
{
    const QList<TPaintBox*> boxen = Bedienbar<TPaintBox>();
    TPaintBox* box = (mausZiel_ && gehalten_ != Qt::NoButton && zufall_.Prozent(90))
                         ? qobject_cast<TPaintBox*>(mausZiel_.data())
                         : nullptr;
    if (!box || !box->isVisible())
        box = boxen.at(zufall_.Bis(int(boxen.size())));
    mausZiel_ = box;

    // Inside, on the border, or far outside.
    const int w = box->width(), h = box->height();
    QPoint p;
    const int lage = zufall_.Bis(100);
    QString wo;
    if (lage < 70) {
        p = QPoint(zufall_.Bis(w), zufall_.Bis(h));
        wo = QStringLiteral("innen");
    } else if (lage < 85) {
        const int rand = zufall_.Bis(4);
        const int d = zufall_.Zwischen(-1, 1);
        p = rand == 0   ? QPoint(d, zufall_.Bis(h))
            : rand == 1 ? QPoint(w - 1 + d, zufall_.Bis(h))
            : rand == 2 ? QPoint(zufall_.Bis(w), d)
                        : QPoint(zufall_.Bis(w), h - 1 + d);
        wo = QStringLiteral("Rand");
    } else {
        p = QPoint(zufall_.Zwischen(-1500, w + 1500), zufall_.Zwischen(-1500, h + 1500));
        wo = QStringLiteral("weit draußen");
    }
    const QPoint imFenster = ImFenster(box, p);
    const Qt::MouseButton knoepfe[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                       Qt::MiddleButton};
    const Qt::KeyboardModifiers tasten =
        zufall_.Prozent(85) ? Qt::NoModifier : (zufall_.Prozent(50) ? Qt::ShiftModifier : Qt::ControlModifier);
    const QString ort = QStringLiteral("%1 (%2, %3) %4").arg(Name(box)).arg(p.x()).arg(p.y()).arg(wo);

    const auto sende = [&](QPoint lokal, Qt::MouseButton knopf, QEvent::Type typ) {
        QPointer<QWindow> griff(Fenstergriff());
        if (!griff)
            return;
        QTest::lastMouseTimestamp += 20;
        qt_handleMouseEvent(griff, QPointF(lokal), griff->mapToGlobal(QPointF(lokal)), gehalten_, knopf, typ, tasten,
                            QTest::lastMouseTimestamp);
    };

    int art = zufall_.Bis(100);
    if (gehalten_ == Qt::NoButton) {
        // Press, move, click or double click.
        if (art < 40) {
            const Qt::MouseButton k = knoepfe[zufall_.Bis(5)];
            Protokolliere(QStringLiteral("Maus %1drücken %2 %3").arg(TastenName(tasten), KnopfName(k), ort));
            gehalten_ |= k;
            sende(imFenster, k, QEvent::MouseButtonPress);
        } else if (art < 80) {
            Protokolliere(QStringLiteral("Maus bewegen %1").arg(ort));
            sende(imFenster, Qt::NoButton, QEvent::MouseMove);
        } else if (art < 95) {
            const Qt::MouseButton k = knoepfe[zufall_.Bis(5)];
            Protokolliere(QStringLiteral("Maus %1klicken %2 %3").arg(TastenName(tasten), KnopfName(k), ort));
            gehalten_ |= k;
            sende(imFenster, k, QEvent::MouseButtonPress);
            gehalten_ &= ~k;
            sende(imFenster, k, QEvent::MouseButtonRelease);
            QTest::lastMouseTimestamp += 1000; // no double click by accident
        } else {
            const Qt::MouseButton k = knoepfe[zufall_.Bis(5)];
            Protokolliere(QStringLiteral("Maus %1doppelklicken %2 %3").arg(TastenName(tasten), KnopfName(k), ort));
            for (int i = 0; i < 2; ++i) {
                gehalten_ |= k;
                sende(imFenster, k, QEvent::MouseButtonPress);
                gehalten_ &= ~k;
                sende(imFenster, k, QEvent::MouseButtonRelease);
            }
            QTest::lastMouseTimestamp += 1000;
        }
        letzteMaus_ = imFenster;
        return;
    }
    // A button is held: drag, release, or press another one as well.
    if (art < 60) {
        const int schritte = zufall_.Zwischen(1, 8);
        Protokolliere(QStringLiteral("Maus ziehen in %1 Schritten nach %2").arg(schritte).arg(ort));
        const QPoint von = letzteMaus_;
        for (int i = 1; i <= schritte && fehler_.isEmpty(); ++i) {
            sende(von + (imFenster - von) * i / schritte, Qt::NoButton, QEvent::MouseMove);
            QCoreApplication::processEvents();
        }
    } else if (art < 92) {
        Qt::MouseButton k = Qt::LeftButton;
        for (Qt::MouseButton kand : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (gehalten_ & kand)
                k = kand;
        Protokolliere(QStringLiteral("Maus loslassen %1 %2").arg(KnopfName(k), ort));
        gehalten_ &= ~k;
        sende(imFenster, k, QEvent::MouseButtonRelease);
        QTest::lastMouseTimestamp += 1000;
    } else {
        Qt::MouseButton k = Qt::NoButton;
        for (Qt::MouseButton kand : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (!(gehalten_ & kand))
                k = kand;
        if (k == Qt::NoButton)
            k = Qt::LeftButton;
        Protokolliere(QStringLiteral("Maus zusätzlich drücken %1 %2").arg(KnopfName(k), ort));
        if (!(gehalten_ & k)) {
            gehalten_ |= k;
            sende(imFenster, k, QEvent::MouseButtonPress);
        }
    }
    letzteMaus_ = imFenster;
}

void TAffe::LasseKnoepfeLos()
{
    if (gehalten_ == Qt::NoButton)
        return;
    QWindow* griff = Fenstergriff();
    for (Qt::MouseButton k : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (!(gehalten_ & k))
            continue;
        gehalten_ &= ~k;
        if (griff)
            qt_handleMouseEvent(griff, QPointF(letzteMaus_), griff->mapToGlobal(QPointF(letzteMaus_)), gehalten_, k,
                                QEvent::MouseButtonRelease, Qt::NoModifier, QTest::lastMouseTimestamp += 20);
    }
    QCoreApplication::processEvents();
    MerkeGesperrte(); // the release may have switched controls on or off
}

void TAffe::MerkeGesperrte()
{
    gesperrt_.clear();
    for (QAbstractButton* knopf : fenster_->findChildren<QAbstractButton*>())
        if (!knopf->isEnabled() || !knopf->isVisible())
            gesperrt_.insert(knopf);
}

void TAffe::KnopfEreignis()
{
    LasseKnoepfeLos();
    const QList<QAbstractButton*> knoepfe = Bedienbar<QAbstractButton>();
    QAbstractButton* knopf = knoepfe.at(zufall_.Bis(int(knoepfe.size())));
    const Qt::MouseButton k = zufall_.Prozent(90) ? Qt::LeftButton : Qt::RightButton;
    const QPoint p(zufall_.Bis(std::max(1, knopf->width())), zufall_.Bis(std::max(1, knopf->height())));
    Protokolliere(QStringLiteral("Klick %1 auf %2").arg(KnopfName(k), Name(knopf)));
    QTest::mouseClick(Fenstergriff(), k, Qt::NoModifier, ImFenster(knopf, p));
}

void TAffe::SchrittEreignis()
{
    LasseKnoepfeLos();
    const QList<TUpDown*> steuer = Bedienbar<TUpDown>();
    TUpDown* ud = steuer.at(zufall_.Bis(int(steuer.size())));
    const int wahl = zufall_.Bis(10);
    if (wahl < 6) {
        QAbstractButton* pfeil = wahl < 3 ? ud->PfeilLinks() : ud->PfeilRechts();
        const int mal = zufall_.Zwischen(1, 4);
        Protokolliere(QStringLiteral("%1× Pfeil %2 an %3").arg(mal).arg(wahl < 3 ? "links" : "rechts", Name(ud)));
        for (int i = 0; i < mal && fenster_->isVisible(); ++i)
            QTest::mouseClick(Fenstergriff(), Qt::LeftButton, Qt::NoModifier, ImFenster(pfeil, pfeil->rect().center()));
    } else {
        static const Qt::Key tasten[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                                         Qt::Key_Home, Qt::Key_End};
        const Qt::Key taste = tasten[zufall_.Bis(6)];
        Protokolliere(QStringLiteral("Taste %1 an %2").arg(QKeySequence(taste).toString(), Name(ud)));
        ud->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Fenstergriff(), taste);
    }
}

void TAffe::TastenEreignis()
{
    static const Qt::Key tasten[] = {Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp,
                                     Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,  Qt::Key_Return, Qt::Key_Enter,
                                     Qt::Key_Space,  Qt::Key_Escape, Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Backspace,
                                     Qt::Key_Delete, Qt::Key_F1,     Qt::Key_Menu};
    const Qt::Key taste = tasten[zufall_.Bis(int(std::size(tasten)))];
    const Qt::KeyboardModifiers mod = zufall_.Prozent(85)   ? Qt::NoModifier
                                      : zufall_.Prozent(50) ? Qt::ShiftModifier
                                      : zufall_.Prozent(50) ? Qt::ControlModifier
                                                            : Qt::AltModifier;
    QString ziel;
    if (zufall_.Prozent(40)) {
        const QList<QWidget*> fokus = Fokussierbar();
        if (!fokus.isEmpty()) {
            QWidget* w = fokus.at(zufall_.Bis(int(fokus.size())));
            w->setFocus(Qt::TabFocusReason);
            ziel = QStringLiteral(" an ") + Name(w);
        }
    }
    Protokolliere(QStringLiteral("Taste %1%2%3").arg(TastenName(mod), QKeySequence(taste).toString(), ziel));
    QTest::keyClick(Fenstergriff(), taste, mod);
}

void TAffe::LeistenEreignis()
{
    LasseKnoepfeLos();
    const QList<QScrollBar*> leisten = Bedienbar<QScrollBar>();
    QScrollBar* leiste = leisten.at(zufall_.Bis(int(leisten.size())));
    const int min = leiste->minimum(), max = leiste->maximum();
    const int wahl = zufall_.Bis(10);
    int wert = zufall_.Zwischen(min, max);
    if (wahl == 0)
        wert = min;
    else if (wahl == 1)
        wert = max;
    else if (wahl == 2)
        wert = std::clamp(leiste->value() + zufall_.Zwischen(-1, 1), min, max);
    const int weg = zufall_.Bis(3);
    if (weg == 0) {
        // Dragging the slider.
        Protokolliere(QStringLiteral("Leiste %1 ziehen auf %2").arg(Name(leiste)).arg(wert));
        leiste->setSliderDown(true);
        leiste->setSliderPosition(wert);
        leiste->setSliderDown(false);
    } else if (weg == 1) {
        // A click somewhere on the bar: an arrow or the page area.
        const QPoint p(zufall_.Bis(leiste->width()), zufall_.Bis(leiste->height()));
        Protokolliere(QStringLiteral("Klick auf Leiste %1 bei (%2, %3)").arg(Name(leiste)).arg(p.x()).arg(p.y()));
        QTest::mouseClick(Fenstergriff(), Qt::LeftButton, Qt::NoModifier, ImFenster(leiste, p));
    } else {
        Protokolliere(QStringLiteral("Leiste %1 setzen auf %2").arg(Name(leiste)).arg(wert));
        leiste->setValue(wert);
    }
}

void TAffe::EingabeEreignis(bool einfuegen)
{
    LasseKnoepfeLos();
    const QList<QLineEdit*> felder = Bedienbar<QLineEdit>();
    QLineEdit* feld = felder.at(zufall_.Bis(int(felder.size())));
    QString text;
    switch (zufall_.Bis(7)) {
    case 0:
        text = QString::number(zufall_.Bis(10));
        break;
    case 1:
        text = QString::number(zufall_.Bis(1000));
        break;
    case 2:
        text = QString::number(zufall_.Bis(100000));
        break;
    case 3:
        for (int i = 0; i < 20; ++i)
            text += QChar(u'0' + zufall_.Bis(10));
        break;
    case 4: {
        static const QString zeichen = QStringLiteral("abcxyzäöüß-+.,°/ ");
        const int n = zufall_.Zwischen(1, 6);
        for (int i = 0; i < n; ++i)
            text += zeichen.at(zufall_.Bis(int(zeichen.size())));
        break;
    }
    case 5: {
        static const QString zeichen = QStringLiteral("0123456789-+,e ");
        const int n = zufall_.Zwischen(1, 8);
        for (int i = 0; i < n; ++i)
            text += zeichen.at(zufall_.Bis(int(zeichen.size())));
        break;
    }
    default:
        break; // empty
    }
    const bool alles = zufall_.Prozent(60);
    const bool eingabe = zufall_.Prozent(30);
    Protokolliere(QStringLiteral("%1 \"%2\" in %3%4%5")
                      .arg(einfuegen ? QStringLiteral("Einfügen") : QStringLiteral("Tippen"), text, Name(feld),
                           alles ? QStringLiteral(" (alles markiert)") : QString(),
                           eingabe ? QStringLiteral(" + Eingabetaste") : QString()));
    QTest::mouseClick(Fenstergriff(), Qt::LeftButton, Qt::NoModifier,
                      ImFenster(feld, QPoint(zufall_.Bis(feld->width()), feld->height() / 2)));
    if (!fenster_->isVisible())
        return;
    if (alles)
        QTest::keyClick(Fenstergriff(), Qt::Key_A, Qt::ControlModifier);
    if (einfuegen) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(Fenstergriff(), Qt::Key_V, Qt::ControlModifier);
    } else if (text.isEmpty()) {
        QTest::keyClick(Fenstergriff(), Qt::Key_Backspace);
    } else {
        for (QChar c : text) {
            // Letters beyond ASCII come with their Latin-1 key code, as a German keyboard sends them.
            if (c.unicode() < 128)
                QTest::keyClick(feld, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, feld, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
    if (eingabe && fenster_->isVisible())
        QTest::keyClick(Fenstergriff(), Qt::Key_Return);
}

void TAffe::MenueEreignis()
{
    LasseKnoepfeLos();
    QMenuBar* leiste = fenster_->findChild<QMenuBar*>();
    if (leiste && zufall_.Prozent(20)) {
        // A click on a title in the bar: its submenu opens (or its command runs).
        const QList<QAction*> titel = leiste->actions();
        QAction* a = titel.at(zufall_.Bis(int(titel.size())));
        const QRect r = leiste->actionGeometry(a);
        Protokolliere(QStringLiteral("Klick auf den Menütitel \"%1\"").arg(a->text()));
        if (!r.isEmpty())
            QTest::mouseClick(Fenstergriff(), Qt::LeftButton, Qt::NoModifier, ImFenster(leiste, r.center()));
        return;
    }
    const QList<QAction*> aktionen = MenueAktionen();
    QAction* a = aktionen.at(zufall_.Bis(int(aktionen.size())));
    // Closing the window is one item among few: take it only now and then.
    const auto* inhalt = qobject_cast<TInhaltsFenster*>(fenster_);
    const QAction* schliessen = inhalt ? inhalt->menSchliessen() : programm_.frmStart.MenuePunkt(QStringLiteral("menBeenden"));
    if (a == schliessen && zufall_.Prozent(75)) {
        QList<QAction*> andere = aktionen;
        andere.removeAll(a);
        if (andere.isEmpty()) {
            // Then a click on the empty part of the bar, right of its titles.
            if (!leiste)
                return;
            const QRect letzter = leiste->actionGeometry(leiste->actions().last());
            const QPoint p(std::min(leiste->width() - 1, letzter.right() + 1 + zufall_.Bis(400)),
                           zufall_.Bis(std::max(1, leiste->height())));
            const Qt::MouseButton k = zufall_.Prozent(50) ? Qt::RightButton : Qt::LeftButton;
            Protokolliere(QStringLiteral("Klick %1 auf die leere Menüleiste (%2, %3)").arg(KnopfName(k)).arg(p.x()).arg(p.y()));
            QTest::mouseClick(Fenstergriff(), k, Qt::NoModifier, ImFenster(leiste, p));
            return;
        }
        a = andere.at(zufall_.Bis(int(andere.size())));
    }
    Protokolliere(QStringLiteral("Menüpunkt \"%1\"").arg(a->text()));
    a->trigger();
}

void TAffe::IrgendwoEreignis()
{
    LasseKnoepfeLos();
    // Anywhere in the window: panels, labels, group boxes, the empty part of the menu bar.
    const QPoint p(zufall_.Bis(fenster_->width()), zufall_.Bis(fenster_->height()));
    const Qt::MouseButton k = zufall_.Prozent(50) ? Qt::RightButton : Qt::LeftButton;
    QWidget* dort = fenster_->childAt(p);
    Protokolliere(QStringLiteral("Klick %1 irgendwo (%2, %3) auf %4")
                      .arg(KnopfName(k))
                      .arg(p.x())
                      .arg(p.y())
                      .arg(dort ? QString::fromLatin1(dort->metaObject()->className()) : QStringLiteral("Fenster")));
    QTest::mouseClick(Fenstergriff(), k, Qt::NoModifier, p.isNull() ? QPoint(0, 1) : p);
}

void TAffe::SchliessEreignis()
{
    LasseKnoepfeLos();
    Protokolliere(QStringLiteral("Schließfeld des Fensters"));
    fenster_->close();
}
