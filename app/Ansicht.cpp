#include "app/Ansicht.h"

#include "app/Skalierung.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ansicht {

namespace {

bool an = false;
bool mitEinstellungen = false;
qreal wunsch = 1;
QMargins letzterRahmen(4, 30, 4, 4); // a usual title bar until one is seen

constexpr qreal stufen[] = {0.5, 0.6, 0.75, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
constexpr qreal kleinste = 0.6; // smaller only when the pupil asks for it
const char* const schluessel = "Ansicht/Vergroesserung";

} // namespace

void Einschalten(bool einstellungen)
{
    an = true;
    mitEinstellungen = einstellungen;
    if (einstellungen)
        wunsch = std::clamp(QSettings().value(QLatin1String(schluessel), 1.0).toDouble(), stufen[0], 3.0);
}

bool An() { return an; }

qreal Wunsch() { return wunsch; }

void SetzeWunsch(qreal skala)
{
    wunsch = std::clamp(skala, stufen[0], 3.0);
    if (mitEinstellungen)
        QSettings().setValue(QLatin1String(schluessel), wunsch);
}

qreal Groesser(qreal skala)
{
    for (const qreal s : stufen)
        if (s > skala + 1e-3)
            return s;
    return stufen[std::size(stufen) - 1];
}

qreal Kleiner(qreal skala)
{
    for (auto s = std::rbegin(stufen); s != std::rend(stufen); ++s)
        if (*s < skala - 1e-3)
            return *s;
    return stufen[0];
}

qreal PassendeSkala(QSize groesse, QMargins rahmen, QSize frei, qreal gewuenscht)
{
    if (groesse.isEmpty())
        return gewuenscht;
    const qreal breit = qreal(frei.width() - rahmen.left() - rahmen.right()) / groesse.width();
    const qreal hoch = qreal(frei.height() - rahmen.top() - rahmen.bottom()) / groesse.height();
    // Hundredths, rounded down: a scale that fits, fits with its rounding too.
    const qreal passt = std::floor(std::min(breit, hoch) * 100) / 100;
    return std::min(gewuenscht, std::max(passt, std::min(kleinste, gewuenscht)));
}

QPoint Platz(QSize groesse, QMargins rahmen, QRect frei, QPoint mitte)
{
    const QSize aussen = groesse.grownBy(rahmen);
    const int x = mitte.x() - aussen.width() / 2, y = mitte.y() - aussen.height() / 2;
    // The title bar first: where the window is taller than the free area, its top stays reachable.
    return QPoint(std::max(frei.left(), std::min(x, frei.right() + 1 - aussen.width())),
                  std::max(frei.top(), std::min(y, frei.bottom() + 1 - aussen.height())));
}

QMargins Rahmen(const QWidget* fenster)
{
    if (fenster->isVisible()) {
        const QRect aussen = fenster->frameGeometry(), innen = fenster->geometry();
        const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                              aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
        if (!rahmen.isNull())
            letzterRahmen = rahmen;
    }
    return letzterRahmen;
}

qreal Einpassen(QWidget* fenster, const std::function<void(qreal)>& skaliere, QPoint mitte)
{
    QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!schirm)
        return FensterSkala(fenster);
    const QRect frei = schirm->availableGeometry();
    const QMargins rahmen = Rahmen(fenster);
    const auto groesse = [fenster] {
        if (fenster->layout())
            fenster->layout()->activate();
        return fenster->size();
    };
    // The size at scale 1 from the size now; the menu bar does not scale quite
    // in proportion, so the result is checked and lowered until it fits.
    const qreal jetzt = FensterSkala(fenster);
    const QSizeF eins = QSizeF(groesse()) / jetzt;
    qreal skala = PassendeSkala(eins.toSize(), rahmen, frei.size(), wunsch);
    for (int versuch = 0; versuch < 20; ++versuch) {
        skaliere(skala);
        const QSize aussen = groesse().grownBy(rahmen);
        if ((aussen.width() <= frei.width() && aussen.height() <= frei.height()) || skala <= std::min(kleinste, wunsch))
            break;
        skala = std::max(std::min(kleinste, wunsch), skala - 0.01);
    }
    fenster->move(Platz(groesse(), rahmen, frei, mitte));
    return skala;
}

QMenu* BaueMenue(QMenuBar* leiste, QWidget* fenster, const std::function<void(qreal)>& skaliere,
                 const std::function<void(bool)>& vollbild)
{
    QMenu* menue = leiste->addMenu(QStringLiteral("&Ansicht"));
    menue->menuAction()->setObjectName(QStringLiteral("menAnsicht"));
    const auto zoom = [fenster, skaliere](qreal neu) {
        if (fenster->isFullScreen())
            return;
        SetzeWunsch(neu);
        Einpassen(fenster, skaliere, fenster->frameGeometry().center());
    };
    QAction* groesser = menue->addAction(QStringLiteral("Vergrößern"));
    groesser->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QObject::connect(groesser, &QAction::triggered, fenster, [=] { zoom(Groesser(FensterSkala(fenster))); });
    QAction* kleiner = menue->addAction(QStringLiteral("Verkleinern"));
    kleiner->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    QObject::connect(kleiner, &QAction::triggered, fenster, [=] { zoom(Kleiner(FensterSkala(fenster))); });
    QAction* original = menue->addAction(QStringLiteral("Originalgröße"));
    original->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QObject::connect(original, &QAction::triggered, fenster, [=] { zoom(1.0); });
    for (QAction* a : {groesser, kleiner, original})
        a->setShortcutContext(Qt::WindowShortcut);
    if (vollbild) {
        QAction* ganz = menue->addAction(QStringLiteral("Vollbild"));
        ganz->setShortcut(QKeySequence(Qt::Key_F11));
        ganz->setCheckable(true);
        ganz->setObjectName(QStringLiteral("menVollbild"));
        QObject::connect(ganz, &QAction::triggered, fenster, [vollbild](bool ein) { vollbild(ein); });
    }
    return menue;
}

} // namespace ansicht
