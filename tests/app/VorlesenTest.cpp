// What a screen reader gets: every window's accessibility tree in every mode of
// its menu, at the first and the last step. Fails on an enabled control without
// a name, a drawing without a description, and a drawing whose description
// lacks a number its picture shows.
#include "app/Plattform.h"
#include "app/Programm.h"
#include "app/Vorlesen.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A paint device that keeps the texts a paint handler draws, with their places.
// Lines, shapes and images all end in the polygon and pixmap calls, which draw nothing.
class TTextMitschrift : public QPaintEngine {
public:
    QList<std::pair<QPointF, QString>> eintraege;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& t) override { eintraege.append({p, t.text()}); }
    Type type() const override { return User; }
};

class TMitschreibGeraet : public QPaintDevice {
public:
    explicit TMitschreibGeraet(QSize groesse) : groesse_(groesse) {}
    TTextMitschrift maschine;
    QPaintEngine* paintEngine() const override { return const_cast<TTextMitschrift*>(&maschine); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return groesse_.width();
        case PdmHeight: return groesse_.height();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        case PdmDepth: return 32;
        default: return 96; // resolution and the rest
        }
    }

private:
    QSize groesse_;
};

QStringList Zahlen(const QString& text)
{
    QStringList zahlen;
    static const QRegularExpression zahl(QStringLiteral("\\d+(,\\d+)?"));
    for (const auto& treffer : zahl.globalMatch(text))
        zahlen << treffer.captured();
    return zahlen;
}

// The numbers a paint box's picture shows ("22", "49,40"). The renderers draw
// a text character by character; a character that does not follow on the line
// of the one before starts a new text.
QStringList GemalteZahlen(TPaintBox* box)
{
    TMitschreibGeraet geraet(box->size());
    {
        QPainter p(&geraet);
        box->Canvas.Binde(&p);
        box->OnPaint();
        box->Canvas.Loese();
    }
    QString alles;
    QPointF vorher(-1000, -1000);
    for (const auto& [ort, text] : geraet.maschine.eintraege) {
        if (std::abs(ort.y() - vorher.y()) >= 14 || ort.x() <= vorher.x() || ort.x() - vorher.x() >= 40)
            alles += QLatin1Char('|');
        alles += text;
        vorher = ort;
    }
    return Zahlen(alles);
}

bool IstSteuerelement(QAccessible::Role r)
{
    using enum QAccessible::Role;
    return QList{PushButton, CheckBox, RadioButton, ScrollBar, SpinBox, EditableText, Grouping, ButtonMenu, Slider}
        .contains(r);
}

// Walks the tree below `knoten` and collects every fault with where it was
// found; counts the drawings it heard described.
void Pruefe(QAccessibleInterface* knoten, const QString& wo, QStringList& fehler, int& zeichnungen)
{
    if (!knoten || knoten->state().invisible)
        return;
    const QString name = knoten->text(QAccessible::Name);
    const QAccessible::Role rolle = knoten->role();
    QObject* objekt = knoten->object();
    const QString was = wo + QStringLiteral(" / ") + (objekt ? objekt->metaObject()->className() : "?");
    if (IstSteuerelement(rolle) && !knoten->state().disabled && name.trimmed().isEmpty())
        fehler << was + QStringLiteral(": Steuerelement ohne Namen");
    if (name != name.trimmed())
        fehler << was + QStringLiteral(": Name mit Füllzeichen \"") + name + QLatin1Char('"');
    if (auto* box = qobject_cast<TPaintBox*>(objekt); box && box->OnPaint) {
        const QString gesagt = name + QLatin1Char(' ') + knoten->text(QAccessible::Description);
        if (rolle == QAccessible::Graphic && knoten->text(QAccessible::Description).isEmpty())
            fehler << was + QStringLiteral(" \"") + name + QStringLiteral("\": Zeichnung ohne Beschreibung");
        if (box->accessibleName().isEmpty())
            fehler << was + QStringLiteral(": Zeichenfläche ohne Namen");
        if (!knoten->text(QAccessible::Description).isEmpty())
            ++zeichnungen;
        const QStringList gesagteZahlen = Zahlen(gesagt);
        for (const QString& z : GemalteZahlen(box))
            if (!gesagteZahlen.contains(z))
                fehler << was + QStringLiteral(" \"") + box->accessibleName() + QStringLiteral("\": gezeigte Zahl ") + z
                        + QStringLiteral(" fehlt in \"") + gesagt + QLatin1Char('"');
    }
    for (int i = 0; i < knoten->childCount(); ++i)
        Pruefe(knoten->child(i), wo, fehler, zeichnungen);
}

// The number of drawings described in the window.
int PruefeFenster(QWidget* fenster, const QString& zustand, QStringList& fehler)
{
    int zeichnungen = 0;
    Pruefe(QAccessible::queryAccessibleInterface(fenster), fenster->windowTitle() + ", " + zustand, fehler,
           zeichnungen);
    return zeichnungen;
}

// Every step control of the window to its last step, as the arrows do it.
void ZumLetztenSchritt(QWidget* fenster)
{
    for (TUpDown* u : fenster->findChildren<TUpDown*>())
        while (u->isVisible() && u->isEnabled() && u->Position() < u->Max())
            u->KlickRechts();
}

// The points a lesson needs before its steps begin, as mouse clicks, and every
// line of the dynamic triangle switched on.
void MarkierePunkte(TProgramm& p, QWidget* fenster)
{
    const auto klick = [](TPaintBox* box, std::initializer_list<QPoint> punkte) {
        for (QPoint q : punkte)
            box->OnMouseDown(Qt::LeftButton, Qt::NoModifier, q.x(), q.y());
    };
    if (fenster == &p.frmSymmetrie1) {
        klick(p.frmSymmetrie1.Zeichnung(0), {{250, 150}, {400, 300}});
    } else if (fenster == &p.frmSymmetrie2) {
        klick(p.frmSymmetrie2.Zeichnung(0), {{200, 200}, {300, 280}});
        klick(p.frmSymmetrie2.Zeichnung(1), {{150, 150}, {240, 300}, {340, 160}});
    } else if (fenster == &p.frmDreieck3) {
        for (QCheckBox* chk : fenster->findChildren<QCheckBox*>())
            if (chk->isVisible() && chk->isEnabled() && !chk->isChecked())
                chk->click();
    }
}

} // namespace

TEST(VorlesenTest, JedesFensterIstInJedemZustandVorlesbar)
{
    SetzeMeldungsHaken([](const QString&) {});
    TProgramm p;
    QStringList fehler;
    p.frmStart.show();
    PruefeFenster(&p.frmStart, QStringLiteral("Start"), fehler);
    p.frmStart.hide();

    QList<TInhaltsFenster*> fenster{&p.frmWinkel1, &p.frmWinkel2, &p.frmWinkel3, &p.frmSymmetrie1,
                                    &p.frmSymmetrie2, &p.frmDreieck0, &p.frmDreieck1, &p.frmDreieck2,
                                    &p.frmDreieck3, &p.frmInformation};
    int zustaende = 0; // a walk that reaches nothing must not pass
    for (TInhaltsFenster* f : fenster) {
        f->show();
        PruefeFenster(f, QStringLiteral("geöffnet"), fehler);
        // Each mode of the menu (not "Schließen", not the picture output), at
        // its first and its last step.
        const auto* lektion = dynamic_cast<TLektionsFenster*>(f);
        QList<QAction*> modi;
        for (QAction* a : f->MainMenu1()->actions()) {
            if (lektion && a->menu() == lektion->menBild())
                continue;
            if (a->menu())
                modi += a->menu()->actions();
            else if (!a->text().contains(QStringLiteral("Schließen")))
                modi << a;
        }
        if (modi.isEmpty())
            modi << nullptr;
        for (QAction* modus : modi) {
            if (modus)
                modus->trigger();
            const QString name = modus ? modus->text() : QStringLiteral("ohne Menü");
            MarkierePunkte(p, f);
            const bool lektion = dynamic_cast<TLektionsFenster*>(f);
            EXPECT_TRUE(PruefeFenster(f, name + QStringLiteral(", erster Schritt"), fehler) > 0 || !lektion)
                << name.toStdString() << ": keine Zeichnung beschrieben";
            ZumLetztenSchritt(f);
            PruefeFenster(f, name + QStringLiteral(", letzter Schritt"), fehler);
            ++zustaende;
        }
        f->hide();
    }
    // The modes of the menus: one each for five windows, two for Parallelwinkeln,
    // Einteilung and Dynamische Geometrie, four for Dreieckskonstruktionen and
    // Besondere Eigenschaften.
    EXPECT_EQ(zustaende, 5 + 3 * 2 + 2 * 4);
    SetzeMeldungsHaken({});
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

// A reader hears of each change from the handler that made it, once per change.
TEST(VorlesenTest, AenderungenWerdenGemeldet)
{
    TProgramm p;
    struct TFall {
        const char* was;
        QWidget* fenster;
        std::function<void()> tun;
        QObject* objekt;
        QAccessible::Event art;
        int wert; // the value a step control reports, -1 for others
        int anzahl;
    };
    struct TGemeldet {
        QObject* objekt;
        QAccessible::Event art;
        int wert;
    };
    QList<TGemeldet> gemeldet;
    TModellFenster& w1 = p.frmWinkel1;
    TModellFenster& d1 = p.frmDreieck1;
    TUpDown* d1Schritte = d1.UpDown(d1.Modell().Steuer("grpSchritt"));
    const auto bisZumEnde = [&] {
        while (d1Schritte->Position() < d1Schritte->Max())
            d1Schritte->KlickRechts();
        gemeldet.clear();
        d1Schritte->KlickRechts(); // at the end: nothing changes
    };
    const TFall faelle[] = {
        {"Winkel per Leiste", &w1, [&] { w1.Leiste(0)->setValue(45); }, w1.Zeichnung(0),
         QAccessible::DescriptionChanged, -1, 1},
        {"derselbe Winkel, neu gezeichnet", &w1, [&] { w1.Leiste(0)->setValue(45), w1.Zeichnung(0)->update(); },
         w1.Zeichnung(0), QAccessible::DescriptionChanged, -1, 1},
        {"Schritt weiter: Wert", &p.frmWinkel2, [&] { p.frmWinkel2.UpDown(3)->PfeilRechts()->click(); },
         p.frmWinkel2.UpDown(3), QAccessible::ValueChanged, 1, 1},
        {"Schritt weiter: Zeichnung", &p.frmWinkel2, [&] { p.frmWinkel2.UpDown(3)->PfeilRechts()->click(); },
         p.frmWinkel2.Zeichnung(0), QAccessible::DescriptionChanged, -1, 1},
        {"Schritt weiter: Anweisung", &d1, [&] { d1Schritte->KlickRechts(); }, d1.Zeichnung(1),
         QAccessible::NameChanged, -1, 1},
        {"am Ende kein Schritt mehr", &d1, bisZumEnde, d1Schritte, QAccessible::ValueChanged, -1, 0},
        {"andere Art, dann ein Schritt", &p.frmWinkel3,
         [&] { p.frmWinkel3.Menue(1), p.frmWinkel3.UpDown(8)->KlickRechts(); }, p.frmWinkel3.Zeichnung(0),
         QAccessible::DescriptionChanged, -1, 2},
    };
    SetzeLeserHaken([&gemeldet](QAccessibleEvent* e) {
        const bool wertAenderung = e->type() == QAccessible::ValueChanged;
        gemeldet.append({e->object(), e->type(),
                         wertAenderung ? static_cast<QAccessibleValueChangeEvent*>(e)->value().toInt() : -1});
    });
    for (const TFall& f : faelle) {
        f.fenster->show();
        gemeldet.clear();
        f.tun();
        int anzahl = 0;
        for (const TGemeldet& g : gemeldet)
            if (g.objekt == f.objekt && g.art == f.art && (f.wert < 0 || g.wert == f.wert))
                ++anzahl;
        EXPECT_EQ(anzahl, f.anzahl) << f.was;
        f.fenster->hide();
    }
    SetzeLeserHaken({});
}

TEST(VorlesenTest, NachEinerEingabeWirdDasNeueAngesagt)
{
    TProgramm p;
    QStringList angesagt;
    SetzeLeserHaken([](QAccessibleEvent*) {});
    SetzeAnsageHaken([&angesagt](const QString& text) { angesagt.append(text); });
    TModellFenster& w1 = p.frmWinkel1;
    TModellFenster& d1 = p.frmDreieck1;
    w1.show();
    w1.Leiste(0)->setValue(45);
    w1.Leiste(0)->setValue(45); // unchanged: nothing to say
    d1.show();
    d1.UpDown(d1.Modell().Steuer("grpSchritt"))->KlickRechts();
    SetzeAnsageHaken({});
    SetzeLeserHaken({});
    ASSERT_EQ(angesagt.size(), 2) << angesagt.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(angesagt[0].startsWith(QStringLiteral("Winkel von 45°"))) << angesagt[0].toStdString();
    EXPECT_TRUE(angesagt[1].startsWith(QStringLiteral("Schritt 1 von 5: Markiere"))) << angesagt[1].toStdString();
}
