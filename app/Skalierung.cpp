#include "app/Skalierung.h"

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace {

const char* const skalaName = "geoSkala";
const char* const ortName = "geoEntwurf";
const char* const schriftName = "geoSchrift";

// The style's marks and margins grow with the text: radio and check marks,
// scroll bar arrows, menu margins.
class TSkalenStil : public QProxyStyle {
public:
    TSkalenStil(qreal skala, QStyle* basis) : QProxyStyle(basis), skala_(skala) {}

    int pixelMetric(PixelMetric m, const QStyleOption* option, const QWidget* w) const override
    {
        const int wert = QProxyStyle::pixelMetric(m, option, w);
        switch (m) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_ButtonMargin:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarItemSpacing:
        case PM_MenuBarPanelWidth:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuPanelWidth:
        case PM_SmallIconSize:
            return int(std::lround(wert * skala_));
        default:
            return wert;
        }
    }

private:
    qreal skala_;
};

QStyle* StilFuer(qreal s)
{
    // One per scale for the whole run; widgets do not own their style.
    static QMap<int, QPointer<QStyle>> stile;
    const int schluessel = int(std::lround(s * 1000));
    QPointer<QStyle>& stil = stile[schluessel];
    if (!stil) {
        stil = new TSkalenStil(s, QStyleFactory::create(QApplication::style()->name()));
        stil->setParent(qApp);
    }
    return stil;
}

QFont SkalierteSchrift(QFont schrift, qreal s)
{
    if (schrift.pixelSize() > 0)
        schrift.setPixelSize(std::max(1, int(std::lround(schrift.pixelSize() * s))));
    else if (schrift.pointSizeF() > 0)
        schrift.setPointSizeF(schrift.pointSizeF() * s);
    return schrift;
}

// The font `w` chose for itself, at scale `s`; fonts inherited follow their parent.
void SkaliereSchrift(QWidget* w, qreal s)
{
    if (!w->testAttribute(Qt::WA_SetFont))
        return;
    QVariant entwurf = w->property(schriftName);
    if (!entwurf.isValid()) {
        entwurf = w->font();
        w->setProperty(schriftName, entwurf);
    }
    const QFont soll = SkalierteSchrift(entwurf.value<QFont>(), s);
    if (w->font() != soll)
        w->setFont(soll);
}

void SetzeStil(QWidget* w, qreal s)
{
    if (s == 1) {
        if (w->testAttribute(Qt::WA_SetStyle))
            w->setStyle(nullptr);
    } else if (w->style() != StilFuer(s)) {
        w->setStyle(StilFuer(s));
    }
}

} // namespace

qreal FensterSkala(const QWidget* w)
{
    const QVariant s = w ? w->window()->property(skalaName) : QVariant();
    return s.isValid() ? s.toReal() : 1.0;
}

QRect EntwurfsOrt(const QWidget* w)
{
    const QVariant ort = w->property(ortName);
    return ort.isValid() ? ort.toRect() : w->geometry();
}

QPoint EntwurfsLage(const QWidget* w, const QWidget* vorfahr)
{
    QPoint lage;
    for (; w && w != vorfahr; w = w->parentWidget())
        lage += EntwurfsOrt(w).topLeft();
    return lage;
}

QRect Skaliert(QRect r, qreal s)
{
    if (s == 1)
        return r;
    const auto mal = [s](int v) { return int(std::lround(v * s)); };
    return QRect(QPoint(mal(r.left()), mal(r.top())), QPoint(mal(r.left() + r.width()) - 1, mal(r.top() + r.height()) - 1));
}

void SetzeEntwurfsOrt(QWidget* w, QRect ort)
{
    const qreal s = FensterSkala(w);
    if (s != 1 || w->property(ortName).isValid())
        w->setProperty(ortName, ort);
    w->setGeometry(Skaliert(ort, s));
}

void SkaliereFenster(QWidget* fenster, QWidget* client, qreal s)
{
    if (s == FensterSkala(fenster) && s == 1)
        return;
    fenster->setProperty(skalaName, s);
    QVariant groesse = client->property(ortName);
    if (!groesse.isValid()) {
        groesse = QRect(QPoint(), client->size());
        client->setProperty(ortName, groesse);
    }
    client->setFixedSize(Skaliert(groesse.toRect(), s).size());
    // Outside in: a group's children are placed after the group has its size.
    for (QWidget* w : client->findChildren<QWidget*>()) {
        if (w->isWindow())
            continue;
        QVariant ort = w->property(ortName);
        if (!ort.isValid()) {
            ort = w->geometry();
            w->setProperty(ortName, ort);
        }
        w->setGeometry(Skaliert(ort.toRect(), s));
    }
    SkaliereSchrift(fenster, s);
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        SkaliereSchrift(w, s);
        SetzeStil(w, s);
    }
}
