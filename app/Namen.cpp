#include "app/Namen.h"

#include "app/Vorlesen.h"
#include "lessons/Unterscheidung.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>

namespace {

// Kept on a control that got a name here: the name given, what it was
// before, and the base it was made from where no caption tells it again.
constexpr const char* gegeben = "geoNameGegeben";
constexpr const char* vorher = "geoNameVorher";
constexpr const char* grund = "geoNameGrund";

bool VonHier(const QWidget* w)
{
    return !w->accessibleName().isEmpty() && w->accessibleName() == w->property(gegeben).toString();
}

// What the reader hears of the control without what was added here.
QString Grundname(QWidget* w)
{
    const QString eigener = VonHier(w) ? w->property(vorher).toString() : w->accessibleName();
    if (!eigener.isEmpty())
        return eigener;
    if (auto* knopf = qobject_cast<QAbstractButton*>(w))
        return OhneFuellzeichen(knopf->text());
    if (auto* gruppe = qobject_cast<QGroupBox*>(w))
        return OhneFuellzeichen(gruppe->title());
    if (VonHier(w))
        return w->property(grund).toString();
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
    return zugang ? zugang->text(QAccessible::Name) : QString();
}

void Benenne(QWidget* w, const QString& grundname, const QString& name)
{
    if (!VonHier(w)) {
        if (name.isEmpty())
            return;
        w->setProperty(vorher, w->accessibleName());
    }
    if (name.isEmpty()) {
        // Alone with its name again.
        w->setAccessibleName(w->property(vorher).toString());
        w->setProperty(gegeben, QVariant());
        return;
    }
    w->setProperty(grund, grundname);
    w->setProperty(gegeben, name);
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

lektion::TRechteck Ort(const QWidget* w)
{
    const QPoint ecke = w->mapTo(w->window(), QPoint(0, 0));
    return {ecke.x(), ecke.y(), w->width(), w->height()};
}

// The name a reader hears of the group the control lies in; empty outside groups.
QString Gruppenname(QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (qobject_cast<QGroupBox*>(p))
            if (QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(p))
                return zugang->text(QAccessible::Name);
    return QString();
}

// Tells apart the controls of `steuer` that share a name; the others lose a name given here before.
// Groups are told apart by their places only.
void MacheEindeutig(const QList<QWidget*>& steuer, bool gruppen)
{
    QStringList grundnamen;
    std::vector<lektion::TBenannt> benannt;
    for (QWidget* w : steuer) {
        grundnamen << Grundname(w);
        benannt.push_back({grundnamen.back().toStdString(), gruppen ? std::string() : Gruppenname(w).toStdString(),
                           Ort(w)});
    }
    const std::vector<std::string> namen = lektion::Unterscheide(benannt);
    for (qsizetype i = 0; i < steuer.size(); ++i)
        Benenne(steuer[i], grundnamen[i], QString::fromStdString(namen[std::size_t(i)]));
}

} // namespace

void EindeutigeNamen(QWidget* fenster)
{
    QList<QWidget*> gruppen, steuer;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->window() != fenster || qobject_cast<QMenuBar*>(w))
            continue;
        if (qobject_cast<QGroupBox*>(w))
            gruppen << w;
        else if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus || qobject_cast<QRadioButton*>(w))
            steuer << w;
    }
    // A step control or scroll bar is called as its group, so the groups come first.
    MacheEindeutig(gruppen, true);
    MacheEindeutig(steuer, false);
}
