// Over every window and mode: no two controls (nor two groups) a reader hears
// under one name, and the keys never stay on a control that a switch of the
// lesson's menu hid or disabled.
#include "app/Programm.h"
#include "app/Tastatur.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void PruefeNamen(QWidget* fenster, const QString& wo)
{
    QStringList steuer, gruppen; // a step control is called as its group
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
        if (w->isVisibleTo(fenster) && (qobject_cast<QGroupBox*>(w) || zugang->state().focusable))
            (qobject_cast<QGroupBox*>(w) ? gruppen : steuer) << zugang->text(QAccessible::Name);
    }
    for (const QStringList& namen : {steuer, gruppen})
        for (const QString& name : namen)
            EXPECT_EQ(namen.count(name), 1) << wo.toStdString() << ": \"" << name.toStdString() << "\"";
}

void Taste(Qt::Key taste, int mal = 1)
{
    for (int i = 0; i < mal; ++i)
        QTest::keyClick(QApplication::focusWidget(), taste);
}

} // namespace

// Each window in each mode of its menu (between "Schließen" and "Bild"). For
// every pair of modes: the keys on each control that the second mode hides or
// disables, then the second mode chosen by F10, arrows and Return (the menu
// bar hands the keys back to where it took them from).
TEST(Fokus, JederNameEinmalUndNachJedemModuswechselAufEinemSichtbarenSteuerelement)
{
    TProgramm p;
    p.frmStart.show();
    PruefeNamen(&p.frmStart, QStringLiteral("Start"));
    p.frmStart.hide();
    int zustaende = 0, faelle = 0;
    for (TInhaltsFenster* f : QList<TInhaltsFenster*>{&p.frmWinkel1, &p.frmWinkel2, &p.frmWinkel3, &p.frmSymmetrie1,
             &p.frmSymmetrie2, &p.frmDreieck0, &p.frmDreieck1, &p.frmDreieck2, &p.frmDreieck3, &p.frmInformation}) {
        f->show();
        PruefeNamen(f, f->windowTitle());
        const qsizetype n = f->MainMenu1()->actions().size();
        const QList<QAction*> modi = f->MainMenu1()->actions().mid(1, n - (dynamic_cast<TModellFenster*>(f) ? 2 : 1));
        for (qsizetype alt = 0; alt < modi.size(); ++alt) {
            for (qsizetype neu = 0; neu < modi.size(); ++neu) {
                modi[alt]->trigger();
                QList<QWidget*> weg = Lesefolge(f);
                weg.removeIf([](QWidget* w) { return !TabZiel(w); });
                modi[neu]->trigger();
                if (alt == 0) {
                    PruefeNamen(f, f->windowTitle() + QStringLiteral(", ") + modi[neu]->text());
                    ++zustaende;
                }
                for (QWidget* w : weg) {
                    if (TabZiel(w))
                        continue;
                    SCOPED_TRACE(QStringLiteral("%1: %2 -> %3, %4").arg(f->windowTitle(), modi[alt]->text(),
                        modi[neu]->text(), QString::fromLatin1(w->metaObject()->className())).toStdString());
                    modi[alt]->trigger();
                    QApplication::setActiveWindow(f);
                    w->setFocus(Qt::TabFocusReason);
                    Taste(Qt::Key_F10);
                    Taste(Qt::Key_Right, int(neu) + 1);
                    Taste(Qt::Key_Return);
                    QWidget* jetzt = QApplication::focusWidget();
                    ASSERT_NE(jetzt, nullptr);
                    EXPECT_TRUE(jetzt->window() == f && TabZiel(jetzt)) << jetzt->metaObject()->className();
                    ++faelle;
                }
            }
        }
        f->hide();
    }
    EXPECT_EQ(zustaende, 14);
    // Dreieckskonstruktionen: the radio group of SsW, three times; Parallelwinkeln: the two
    // step controls; Besondere Eigenschaften: a check box Schwerlinien disables, three
    // times; Dynamische Geometrie: twelve check boxes, and back the angle's scroll bar.
    EXPECT_EQ(faelle, 3 + 2 + 3 + 12 + 1);
}

// Tab enters a radio group at its chosen button: chosen by the arrows, or by
// the lesson when it opens again (Qt would keep the stop where the keys were).
TEST(Fokus, TabInDieRadiogruppeBeimGewaehltenKnopf)
{
    TModellFenster dreieck1(std::make_unique<dreieck1::TDreieck1>());
    for (int gewaehlt : {0, 1, 0}) {
        if (!dreieck1.isVisible()) {
            dreieck1.show();
            QApplication::setActiveWindow(&dreieck1);
            dreieck1.Menue(dreieck1::satzSsW - 1);
        }
        dreieck1.UpDown(0)->setFocus(Qt::TabFocusReason);
        Taste(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dreieck1.Radiogruppe(1)->Knopf(gewaehlt)) << gewaehlt;
        if (gewaehlt == 0)
            Taste(Qt::Key_Down);
        else
            dreieck1.hide();
    }
}
