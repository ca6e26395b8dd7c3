#include "app/Tastatur.h"

#include "lessons/Lesefolge.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>

// ---------------------------------------------------------------- focus frame

TFokusRahmen::TFokusRahmen(QWidget* fenster) : QWidget(fenster)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* neu) { folge(neu); });
    // A window laid out anew (zoom, full screen) moves controls without moving them themselves.
    fenster->installEventFilter(this);
}

void TFokusRahmen::folge(QWidget* neu)
{
    if (neu && (neu->window() != parentWidget() || neu == parentWidget()))
        neu = nullptr; // another window's focus, or none of a control
    if (neu == ziel_)
        return;
    if (ziel_) {
        ziel_->removeEventFilter(this);
        ziel_->disconnect(this);
    }
    ziel_ = neu;
    if (ziel_) {
        ziel_->installEventFilter(this);
        // In the menu bar the keys go to one item, and the style marks it only once its menu is open.
        if (auto* leiste = qobject_cast<QMenuBar*>(ziel_.data()))
            connect(leiste, &QMenuBar::hovered, this, &TFokusRahmen::lege);
    }
    lege();
}

bool TFokusRahmen::eventFilter(QObject* o, QEvent* e)
{
    switch (e->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (o == ziel_ || (o == parentWidget() && e->type() == QEvent::Resize && ziel_))
            lege();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(o, e);
}

void TFokusRahmen::lege()
{
    if (!ziel_ || !ziel_->isVisible()) {
        hide();
        return;
    }
    QRect r(ziel_->mapTo(parentWidget(), QPoint(0, 0)), ziel_->size());
    auto* leiste = qobject_cast<QMenuBar*>(ziel_.data());
    if (leiste && leiste->activeAction()) // round the item itself, where the window's edge cannot clip it
        r = leiste->actionGeometry(leiste->activeAction()).translated(r.topLeft());
    else
        r.adjust(-breite, -breite, breite, breite);
    setGeometry(r);
    raise();
    show();
    update();
}

void TFokusRahmen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor farbe = QtFarbe(fokusFarbe);
    const int w = width(), h = height();
    p.fillRect(0, 0, w, breite, farbe);
    p.fillRect(0, h - breite, w, breite, farbe);
    p.fillRect(0, 0, breite, h, farbe);
    p.fillRect(w - breite, 0, breite, h, farbe);
}

// ---------------------------------------------------------------- menu bar

void OeffneMenueleiste(QMenuBar* leiste)
{
    if (!leiste || !leiste->isVisible())
        return;
    // The menu bar opens itself for the keys when Alt is tapped; F10 taps it for the pupil.
    QWidget* fenster = leiste->window();
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(fenster, &druck);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(fenster, &los);
}

// ---------------------------------------------------------------- focus guard

namespace {

// Keeps the keys of one window on a control the pupil can see and use. It
// remembers the last control that had them: the menu bar gives them back to
// that one, and a control that is hidden or disabled while it has them may
// leave the keys nowhere.
class TFokusWaechter : public QObject {
public:
    explicit TFokusWaechter(QWidget* fenster) : QObject(fenster), fenster_(fenster)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* neu) { folge(neu); });
    }

    void Pruefe()
    {
        QWidget* jetzt = QApplication::focusWidget();
        if (!jetzt || jetzt->window() != fenster_)
            jetzt = fenster_->focusWidget();
        QWidget* weg = !jetzt || qobject_cast<QMenuBar*>(jetzt) ? letzter_.data() : jetzt;
        if (!weg || weg == fenster_ || (weg->isVisibleTo(fenster_) && weg->isEnabled()))
            return;
        if (QWidget* ziel = NaechstesTabZiel(fenster_, weg))
            ziel->setFocus(Qt::OtherFocusReason);
    }

private:
    void folge(QWidget* neu)
    {
        if (!neu || neu == fenster_ || neu->window() != fenster_ || qobject_cast<QMenuBar*>(neu))
            return;
        letzter_ = neu;
        // The menu bar hands the keys back even to a control its item just hid.
        if (!neu->isVisibleTo(fenster_) || !neu->isEnabled())
            Pruefe();
    }

    QWidget* fenster_;
    QPointer<QWidget> letzter_;
};

} // namespace

void HalteFokusSichtbar(QWidget* fenster)
{
    for (QObject* kind : fenster->children())
        if (auto* waechter = dynamic_cast<TFokusWaechter*>(kind))
            waechter->Pruefe();
}

void RichteTastaturEin(QWidget* fenster, QMenuBar* leiste)
{
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), fenster);
    QObject::connect(f10, &QShortcut::activated, fenster, [leiste] { OeffneMenueleiste(leiste); });
    new TFokusRahmen(fenster);
    new TFokusWaechter(fenster);
}

// ---------------------------------------------------------------- Tab order

QList<QWidget*> Lesefolge(QWidget* fenster)
{
    QList<QWidget*> steuer;
    std::vector<lektion::TRechteck> orte;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        // A radio button keeps its place even while another of its group is the Tab stop.
        const bool tab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus
                      || (qobject_cast<QRadioButton*>(w) && w->focusPolicy() != Qt::NoFocus);
        if (w->window() != fenster || !tab || qobject_cast<QMenuBar*>(w) || w->focusProxy())
            continue;
        const QPoint ecke = w->mapTo(fenster, QPoint(0, 0));
        steuer.append(w);
        orte.push_back({ecke.x(), ecke.y(), w->width(), w->height()});
    }
    QList<QWidget*> folge;
    for (int i : lektion::Lesefolge(orte))
        folge.append(steuer[i]);
    return folge;
}

bool TabZiel(const QWidget* w)
{
    if (!w->isVisibleTo(w->window()) || !w->isEnabled())
        return false;
    const auto* knopf = qobject_cast<const QRadioButton*>(w);
    if (!knopf || knopf->isChecked() || !knopf->autoExclusive())
        return true;
    const auto gruppe = w->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return std::none_of(gruppe.begin(), gruppe.end(), [](const QRadioButton* k) { return k->isChecked(); });
}

QWidget* NaechstesTabZiel(QWidget* fenster, QWidget* weg)
{
    const QList<QWidget*> folge = Lesefolge(fenster);
    const qsizetype hier = std::max<qsizetype>(folge.indexOf(weg), 0);
    for (qsizetype d = weg && folge.contains(weg) ? 1 : 0; d < folge.size(); ++d) {
        if (hier + d < folge.size() && TabZiel(folge[hier + d]))
            return folge[hier + d];
        if (hier - d >= 0 && TabZiel(folge[hier - d]))
            return folge[hier - d];
    }
    return nullptr;
}

QWidget* OrdneTabfolge(QWidget* fenster)
{
    const QList<QWidget*> folge = Lesefolge(fenster);
    for (qsizetype i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
    for (QWidget* w : folge)
        if (TabZiel(w))
            return w;
    return nullptr;
}
