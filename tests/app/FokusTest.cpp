// Over every window: no two controls a reader hears under one name, and the
// keys never stay on a control that a switch of the lesson's menu hid or
// disabled.
#include "app/Programm.h"
#include "app/Tastatur.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<TInhaltsFenster*> InhaltsFenster(TProgramm& p)
{
    return {&p.frmWinkel1,  &p.frmWinkel2,  &p.frmWinkel3,  &p.frmSymmetrie1, &p.frmSymmetrie2,
            &p.frmDreieck0, &p.frmDreieck1, &p.frmDreieck2, &p.frmDreieck3,   &p.frmInformation};
}

// The lesson's own menu items: between "Schließen" and "Bild".
QList<QAction*> Modi(TInhaltsFenster* f)
{
    QList<QAction*> modi = f->MainMenu1()->actions().mid(1);
    const auto* lektion = dynamic_cast<TLektionsFenster*>(f);
    if (lektion && lektion->menBild() && modi.last()->menu() == lektion->menBild())
        modi.removeLast();
    return modi;
}

// Names a reader hears of the controls Tab reaches and, apart, of the groups
// around them: a step control is called as its group is.
void PruefeNamen(QWidget* fenster, const QString& wo)
{
    QStringList steuer, gruppen;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
        if (!w->isVisibleTo(fenster) || !zugang)
            continue;
        if (qobject_cast<QGroupBox*>(w))
            gruppen << zugang->text(QAccessible::Name);
        else if (zugang->state().focusable && !qobject_cast<QMenuBar*>(w))
            steuer << zugang->text(QAccessible::Name);
    }
    for (const QStringList& namen : {steuer, gruppen})
        for (const QString& name : namen)
            EXPECT_EQ(namen.count(name), 1) << wo.toStdString() << ": \"" << name.toStdString() << "\"";
}

void Taste(Qt::Key taste, int mal = 1)
{
    for (int i = 0; i < mal; ++i) {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        ASSERT_NE(ziel, nullptr);
        QTest::keyClick(ziel, taste);
    }
}

// The lesson's menu item `index` (1: the first after "Schließen") by F10, arrows and Return.
void WaehleModus(QWidget* fenster, int index)
{
    QApplication::setActiveWindow(fenster);
    Taste(Qt::Key_F10);
    Taste(Qt::Key_Right, index);
    Taste(Qt::Key_Return);
}

QList<QWidget*> TabZiele(QWidget* fenster)
{
    QList<QWidget*> ziele;
    for (QWidget* w : Lesefolge(fenster))
        if (TabZiel(w))
            ziele << w;
    return ziele;
}

} // namespace

TEST(Fokus, JederNameEinmalInJedemFensterUndModus)
{
    TProgramm p;
    p.frmStart.show();
    PruefeNamen(&p.frmStart, QStringLiteral("Start"));
    p.frmStart.hide();
    int modi = 0;
    for (TInhaltsFenster* f : InhaltsFenster(p)) {
        f->show();
        PruefeNamen(f, f->windowTitle());
        for (QAction* modus : Modi(f)) {
            modus->trigger();
            PruefeNamen(f, f->windowTitle() + QStringLiteral(", ") + modus->text());
            ++modi;
        }
        f->hide();
    }
    EXPECT_EQ(modi, 14);
}

// For every pair of modes: the keys on each control that the second mode
// hides or disables, then the second mode chosen from the menu bar by keys.
TEST(Fokus, NachJedemModuswechselAufEinemSichtbarenSteuerelement)
{
    TProgramm p;
    int faelle = 0;
    for (TInhaltsFenster* f : InhaltsFenster(p)) {
        f->show();
        const QList<QAction*> modi = Modi(f);
        for (int alt = 0; alt < modi.size(); ++alt) {
            for (int neu = 0; neu < modi.size(); ++neu) {
                modi[alt]->trigger();
                const QList<QWidget*> vorher = TabZiele(f);
                modi[neu]->trigger();
                const QList<QWidget*> nachher = TabZiele(f);
                for (QWidget* w : vorher) {
                    if (nachher.contains(w))
                        continue;
                    SCOPED_TRACE(QStringLiteral("%1: %2 -> %3, %4").arg(f->windowTitle(), modi[alt]->text(),
                        modi[neu]->text(), QString::fromLatin1(w->metaObject()->className())).toStdString());
                    modi[alt]->trigger();
                    QApplication::setActiveWindow(f);
                    w->setFocus(Qt::TabFocusReason);
                    ASSERT_EQ(QApplication::focusWidget(), w);
                    WaehleModus(f, int(neu) + 1);
                    QWidget* jetzt = QApplication::focusWidget();
                    ASSERT_NE(jetzt, nullptr);
                    EXPECT_TRUE(jetzt->window() == f && TabZiel(jetzt)) << jetzt->metaObject()->className();
                    ++faelle;
                }
            }
        }
        f->hide();
    }
    EXPECT_GT(faelle, 0);
}

// By keys: "Ja" after the last step leaves the keys on a control that is
// shown; Tab enters a radio group at its chosen button, whichever it is.
TEST(Fokus, NachJaUndInDieRadiogruppe)
{
    TModellFenster winkel2(std::make_unique<winkel2::TWinkel2>());
    winkel2.show();
    QApplication::setActiveWindow(&winkel2);
    winkel2.UpDown(3)->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Right, 6);
    ASSERT_TRUE(winkel2.Knopf(4)->isEnabled());
    Taste(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), winkel2.Knopf(4));
    Taste(Qt::Key_Return);
    EXPECT_EQ(winkel2.UpDown(3)->Position(), 0);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(TabZiel(QApplication::focusWidget())) << QApplication::focusWidget()->metaObject()->className();
    // A step by the Page key locks the radio group that has the keys.
    winkel2.Radiogruppe(0)->Knopf(0)->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_PageDown);
    EXPECT_EQ(winkel2.UpDown(3)->Position(), 1);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(TabZiel(QApplication::focusWidget())) << QApplication::focusWidget()->metaObject()->className();
    winkel2.hide();

    TModellFenster dreieck1(std::make_unique<dreieck1::TDreieck1>());
    dreieck1.show();
    dreieck1.Menue(dreieck1::satzSsW - 1);
    TRadioGroup* loesungen = dreieck1.Radiogruppe(1);
    for (int gewaehlt : {0, 1}) {
        loesungen->Knopf(gewaehlt)->click();
        QApplication::setActiveWindow(&dreieck1);
        dreieck1.UpDown(0)->setFocus(Qt::TabFocusReason);
        Taste(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), loesungen->Knopf(gewaehlt)) << gewaehlt;
    }
    dreieck1.hide();
}
