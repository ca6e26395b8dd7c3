// The whole program's windows wired to the start menu as at program start:
// every menu command opens its window modally with its caption and size, and
// closing it returns to the start window.
#include "app/Programm.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The client area of a content window: the layout's widget below the menu bar.
QSize ClientGroesse(QDialog* fenster)
{
    QLayout* layout = fenster->layout();
    if (!layout || layout->count() == 0 || !layout->itemAt(0)->widget())
        return QSize();
    return layout->itemAt(0)->widget()->size();
}

} // namespace

TEST(Navigation, JederMenuebefehlOeffnetSeinFensterUndKehrtZurueck)
{
    struct Ziel {
        const char* menuePunkt;
        const char* caption;
        QSize client;
    };
    const Ziel ziele[] = {
        {"menArten", "Arten von Winkeln", {1016, 714}},
        {"menUebertragen", "Übertragung von Winkeln", {1016, 714}},
        {"menParall", "Parallelwinkeln", {1016, 714}},
        {"menSpiegeln", "Spiegeln", {1016, 714}},
        {"menSymmetralen", "Symmetralen", {1016, 714}},
        {"menDreieck0", "Einteilung der Dreiecke", {1016, 716}},
        {"menDreieck1", "Dreieckskonstruktionen", {1016, 714}},
        {"menDreieck2", "Besondere Eigenschaften", {1016, 714}},
        {"menDreieck3", "Dynamische Geometrie", {1016, 714}},
        {"menInformation", "Informationen", {1016, 722}},
    };

    TProgramm p;
    p.frmStart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.frmStart));
    for (const Ziel& z : ziele) {
        const QString name = QString::fromLatin1(z.menuePunkt);
        QDialog* fenster = p.frmStart.Fenster(name);
        ASSERT_NE(fenster, nullptr) << z.menuePunkt;
        bool offen = false, startVersteckt = false;
        QString caption;
        QSize client;
        QAction* schliessen = nullptr;
        QTimer::singleShot(0, [&] {
            offen = fenster->isVisible() && QApplication::activeModalWidget() == fenster;
            startVersteckt = !p.frmStart.isVisible();
            caption = fenster->windowTitle();
            client = ClientGroesse(fenster);
            if (auto* leiste = fenster->findChild<QMenuBar*>(); leiste && !leiste->actions().isEmpty())
                schliessen = leiste->actions().first();
            if (schliessen && schliessen->text() == QStringLiteral("Schließen"))
                schliessen->trigger();
            else
                fenster->close();
        });
        p.frmStart.MenuePunkt(name)->trigger();
        EXPECT_TRUE(offen) << z.menuePunkt;
        EXPECT_TRUE(startVersteckt) << z.menuePunkt;
        EXPECT_EQ(caption, QString::fromUtf8(z.caption));
        EXPECT_EQ(client, z.client) << z.menuePunkt;
        ASSERT_NE(schliessen, nullptr) << z.menuePunkt;
        EXPECT_EQ(schliessen->text(), QStringLiteral("Schließen")) << "first menu item of " << z.menuePunkt;
        EXPECT_FALSE(fenster->isVisible()) << z.menuePunkt;
        EXPECT_TRUE(p.frmStart.isVisible()) << "back from " << z.menuePunkt;
    }
}
