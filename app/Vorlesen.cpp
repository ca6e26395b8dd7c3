#include "app/Vorlesen.h"

#include "app/Lektionsrahmen.h"
#include "app/Steuerelemente.h"
#include "draw/Texte.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace {

LeserHaken leserHaken;
AnsageHaken ansageHaken;

QString GruppenTitel(const QWidget* w)
{
    for (const QWidget* p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        if (const auto* gruppe = qobject_cast<const QGroupBox*>(p))
            return gruppe->accessibleName().isEmpty() ? OhneFuellzeichen(gruppe->title()) : gruppe->accessibleName();
    return QString();
}

// A drawing area: a graphic with a name and what it shows; a box of painted
// text is static text whose name is its text.
class TPaintBoxZugang : public QAccessibleWidget {
public:
    explicit TPaintBoxZugang(TPaintBox* box)
        : QAccessibleWidget(box, box->Rolle == TPaintBox::TRolle::Text ? QAccessible::StaticText
                                                                       : QAccessible::Graphic)
    {
    }
    QAccessible::Role role() const override
    {
        return box()->Rolle == TPaintBox::TRolle::Text ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        const bool alsText = box()->Rolle == TPaintBox::TRolle::Text;
        switch (t) {
        case QAccessible::Name:
            if (alsText)
                return box()->Beschreibung();
            return box()->accessibleName();
        case QAccessible::Description:
            return alsText ? box()->accessibleName() : box()->Beschreibung();
        case QAccessible::Value:
            return alsText ? box()->Beschreibung() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    TPaintBox* box() const { return static_cast<TPaintBox*>(widget()); }
};

// A control that carries a value a reader can read and set: the widget it
// stands for is `W`.
template <class W>
class TWertZugang : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    TWertZugang(W* w, QAccessible::Role rolle) : QAccessibleWidget(w, rolle) {}
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

protected:
    W* steuer() const { return static_cast<W*>(widget()); }
};

// The step control: a spin box whose value is the step shown.
class TUpDownZugang : public TWertZugang<TUpDown> {
public:
    explicit TUpDownZugang(TUpDown* u) : TWertZugang(u, QAccessible::SpinBox) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && updown()->accessibleName().isEmpty()) {
            const QString titel = GruppenTitel(updown());
            return titel.isEmpty() ? QStringLiteral("Schritt") : titel;
        }
        if (t == QAccessible::Value)
            return QString::number(updown()->Position());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return updown()->Position(); }
    void setCurrentValue(const QVariant& wert) override
    {
        // A reader sets the step as the arrows would, one click at a time.
        const int ziel = std::clamp(wert.toInt(), updown()->Min(), updown()->Max());
        while (updown()->Position() < ziel)
            updown()->KlickRechts();
        while (updown()->Position() > ziel)
            updown()->KlickLinks();
    }
    QVariant maximumValue() const override { return updown()->Max(); }
    QVariant minimumValue() const override { return updown()->Min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TUpDown* updown() const { return steuer(); }
};

// A panel: static text with its caption, or a plain pane around its labels.
class TPanelZugang : public QAccessibleWidget {
public:
    explicit TPanelZugang(TPanel* p) : QAccessibleWidget(p, QAccessible::Pane) {}
    QAccessible::Role role() const override
    {
        return panel()->Caption().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && panel()->accessibleName().isEmpty())
            return panel()->Caption();
        return QAccessibleWidget::text(t);
    }

private:
    TPanel* panel() const { return static_cast<TPanel*>(widget()); }
};

// A group box says its caption as the pupil reads it.
class TGruppenZugang : public QAccessibleWidget {
public:
    explicit TGruppenZugang(QGroupBox* g) : QAccessibleWidget(g, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override
    {
        const auto* g = static_cast<QGroupBox*>(widget());
        if (t == QAccessible::Name && g->accessibleName().isEmpty())
            return OhneFuellzeichen(g->title());
        return QAccessibleWidget::text(t);
    }
};

// A scroll bar with the caption of its group as name and value and unit as text.
class TLeistenZugang : public TWertZugang<TBildlaufleiste> {
public:
    explicit TLeistenZugang(TBildlaufleiste* l) : TWertZugang(l, QAccessible::ScrollBar) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && leiste()->accessibleName().isEmpty())
            return GruppenTitel(leiste());
        if (t == QAccessible::Value || t == QAccessible::Description)
            return QString::number(leiste()->value()) + leiste()->Einheit;
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return leiste()->value(); }
    void setCurrentValue(const QVariant& wert) override { leiste()->setValue(wert.toInt()); }
    QVariant maximumValue() const override { return leiste()->maximum(); }
    QVariant minimumValue() const override { return leiste()->minimum(); }
    QVariant minimumStepSize() const override { return leiste()->singleStep(); }

private:
    TBildlaufleiste* leiste() const { return steuer(); }
};

// The announcement's status bar and its one notification.
QAccessibleInterface* Ansagezugang(QWidget* w)
{
    const QVariant art = w->property("geoAnsage");
    if (!art.isValid())
        return nullptr;
    return new QAccessibleWidget(w, art.toString() == QLatin1String("leiste") ? QAccessible::StatusBar
                                                                              : QAccessible::Notification);
}

QAccessibleInterface* Fabrik(const QString&, QObject* objekt)
{
    if (auto* w = qobject_cast<QWidget*>(objekt); w && w->property("geoAnsage").isValid())
        return Ansagezugang(w);
    if (auto* box = qobject_cast<TPaintBox*>(objekt))
        return new TPaintBoxZugang(box);
    if (auto* updown = qobject_cast<TUpDown*>(objekt))
        return new TUpDownZugang(updown);
    if (auto* panel = qobject_cast<TPanel*>(objekt))
        return new TPanelZugang(panel);
    if (auto* leiste = qobject_cast<TBildlaufleiste*>(objekt))
        return new TLeistenZugang(leiste);
    if (auto* gruppe = qobject_cast<QGroupBox*>(objekt); gruppe && !gruppe->isCheckable())
        return new TGruppenZugang(gruppe);
    return nullptr;
}

} // namespace

void VorlesenEinrichten()
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)eingerichtet;
}

QString OhneFuellzeichen(const QString& caption)
{
    return QtText(OhneFuellzeichen(caption.toStdString()));
}

void BenenneEingabefelder(QWidget* fenster)
{
    for (QLineEdit* feld : fenster->findChildren<QLineEdit*>()) {
        if (!feld->property("geoBenannt").toBool() && !feld->accessibleName().isEmpty())
            continue; // named by its window
        const QString titel = GruppenTitel(feld);
        if (titel.isEmpty())
            continue;
        // Every edit field of the course takes an angle in whole degrees.
        feld->setAccessibleName(titel + QStringLiteral(", in Grad"));
        feld->setProperty("geoBenannt", true);
    }
}

bool LeserHoertZu() { return leserHaken || QAccessible::isActive(); }

void MeldeLeser(QAccessibleEvent* ereignis)
{
    if (leserHaken)
        leserHaken(ereignis);
    else
        QAccessible::updateAccessibility(ereignis);
}

void SetzeLeserHaken(LeserHaken haken) { leserHaken = std::move(haken); }


namespace {

// Speaks through a notification inside a status bar: Qt 6.4's AT-SPI bridge
// passes a widget's "showing" change intact (its name and description changes
// arrive without the new text), and Orca says a status bar's notification
// without a role word. The bar is a window of its own, one pixel outside the
// screen, that never takes the focus or a click: inside a lesson window Orca
// would say the whole window before each text. Every text gets a fresh
// object, so that no reader's cache can hold an old name.
QWidget* Ansageleiste()
{
    static QPointer<QWidget> leiste;
    if (!leiste) {
        leiste = new QWidget(nullptr, Qt::ToolTip | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
        leiste->setProperty("geoAnsage", QStringLiteral("leiste"));
        leiste->setAccessibleName(QStringLiteral("Ansagen"));
        leiste->setAttribute(Qt::WA_ShowWithoutActivating);
        leiste->setAttribute(Qt::WA_DeleteOnClose);
        leiste->setGeometry(-10, -10, 1, 1);
        leiste->show();
    }
    return leiste;
}

void Spreche(const QString& text)
{
    QWidget* leiste = Ansageleiste();
    qDeleteAll(leiste->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    auto* ansage = new QWidget(leiste);
    ansage->setProperty("geoAnsage", QStringLiteral("text"));
    ansage->setAccessibleName(text);
    ansage->setGeometry(0, 0, 1, 1);
    ansage->show();
}

// Texts of one input are joined; a newer input's text replaces what waits.
struct TAnsager {
    QString wartend;
    bool sammelt = false;
    QTimer uhr;
    TAnsager()
    {
        uhr.setSingleShot(true);
        uhr.setInterval(250);
        QObject::connect(&uhr, &QTimer::timeout, [this] { Spreche(std::exchange(wartend, QString())); });
    }
};

TAnsager& Ansager()
{
    static TAnsager* ansager = new TAnsager; // lives as long as the application's event loop may use it
    return *ansager;
}

} // namespace

void SageAn(const QString& text)
{
    if (text.isEmpty())
        return;
    if (ansageHaken) {
        ansageHaken(text);
        return;
    }
    if (!QAccessible::isActive())
        return;
    TAnsager& a = Ansager();
    a.wartend = a.sammelt ? a.wartend + QLatin1Char(' ') + text : text;
    if (!a.sammelt) {
        a.sammelt = true;
        QTimer::singleShot(0, [] { Ansager().sammelt = false; });
    }
    a.uhr.start();
}

void SetzeAnsageHaken(AnsageHaken haken) { ansageHaken = std::move(haken); }
