#include "app/Namen.h"

#include "app/Vorlesen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QMenuBar>
#include <QMultiMap>
#include <QRadioButton>
#include <algorithm>

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

QRect Ort(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Words for the places of alike controls: side by side left, in the middle
// and right; one above the other above and below; else numbers top to bottom.
QStringList Orte(QList<QWidget*>& alike)
{
    const auto getrennt = [&](bool waagrecht) {
        std::stable_sort(alike.begin(), alike.end(), [waagrecht](const QWidget* a, const QWidget* b) {
            return waagrecht ? Ort(a).left() < Ort(b).left() : Ort(a).top() < Ort(b).top();
        });
        for (qsizetype i = 1; i < alike.size(); ++i)
            if (waagrecht ? Ort(alike[i]).left() <= Ort(alike[i - 1]).right()
                          : Ort(alike[i]).top() <= Ort(alike[i - 1]).bottom())
                return false;
        return true;
    };
    if (alike.size() <= 3 && getrennt(true))
        return alike.size() == 2 ? QStringList{QStringLiteral("links"), QStringLiteral("rechts")}
                                 : QStringList{QStringLiteral("links"), QStringLiteral("in der Mitte"),
                                               QStringLiteral("rechts")};
    if (alike.size() == 2 && getrennt(false))
        return {QStringLiteral("oben"), QStringLiteral("unten")};
    getrennt(false);
    QStringList zahlen;
    for (qsizetype i = 1; i <= alike.size(); ++i)
        zahlen << QString::number(i);
    return zahlen;
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
void MacheEindeutig(const QList<QWidget*>& steuer, bool gruppen)
{
    QMultiMap<QString, QWidget*> nachName;
    for (QWidget* w : steuer)
        nachName.insert(Grundname(w), w);
    for (const QString& name : nachName.uniqueKeys()) {
        QList<QWidget*> alike = nachName.values(name);
        if (alike.size() == 1 || name.isEmpty()) {
            for (QWidget* w : alike)
                Benenne(w, name, QString());
            continue;
        }
        // In groups of different names the group says which one it is.
        QStringList umgebung;
        for (QWidget* w : alike)
            umgebung << (gruppen ? QString() : Gruppenname(w));
        if (!umgebung.contains(QString()) && umgebung.removeDuplicates() == 0) {
            for (qsizetype i = 0; i < alike.size(); ++i)
                Benenne(alike[i], name, name + QStringLiteral(", ") + umgebung[i]);
            continue;
        }
        const QStringList orte = Orte(alike);
        for (qsizetype i = 0; i < alike.size(); ++i)
            Benenne(alike[i], name, name + QLatin1Char(' ') + orte[i]);
    }
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
