// The whole program's windows wired to the start menu as at program start:
// every menu command opens its own window, with its caption and size, and its
// "Schließen" returns. How a window opens and returns is the start window's
// test, the frame all windows share is the frame's.
#include "app/Programm.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
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
        auto* fenster = qobject_cast<TInhaltsFenster*>(p.frmStart.Fenster(name));
        ASSERT_NE(fenster, nullptr) << z.menuePunkt;
        QString caption;
        QSize client;
        QTimer::singleShot(0, [&] {
            caption = fenster->windowTitle();
            client = ClientGroesse(fenster);
            fenster->menSchliessen()->trigger();
        });
        p.frmStart.MenuePunkt(name)->trigger();
        EXPECT_EQ(caption, QString::fromUtf8(z.caption));
        EXPECT_EQ(client, z.client) << z.menuePunkt;
        EXPECT_TRUE(p.frmStart.isVisible()) << "back from " << z.menuePunkt;
    }
}

TEST(Navigation, BestaetigteMeldungOhneAktivesFensterBeendetDasProgrammNicht)
{
    // In the application's event loop: a refused click while no window is active
    // (as without a window manager), the message confirmed with Return.
    TProgramm p;
    TModellFenster& lektion = p.frmSymmetrie1;
    bool beimFenster = false, laeuftNoch = false;
    QTimer::singleShot(0, &p.frmStart, [&] { p.frmStart.MenuePunkt(QStringLiteral("menSpiegeln"))->trigger(); });
    QTimer::singleShot(0, &lektion, [&] { // inside the lesson's modal loop
        QApplication::setActiveWindow(nullptr);
        QTimer::singleShot(0, &lektion, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            beimFenster = box && box->parentWidget() == &lektion;
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(lektion.Zeichnung(0), Qt::LeftButton, {}, QPoint(2, 2)); // outside the frame
        QTimer::singleShot(50, &lektion, [&] {
            laeuftNoch = lektion.isVisible() && lektion.Modell<symmetrie1::TSymmetrie1>().zustand.markiert == 0;
            QCoreApplication::exit(0);
        });
    });
    QTimer::singleShot(10000, &p.frmStart, [] { QCoreApplication::exit(1); });
    p.frmStart.show();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(laeuftNoch) << "the program must run on with the lesson unchanged";
    EXPECT_TRUE(beimFenster) << "the message belongs to the lesson that refused the click";
}

TEST(Navigation, KeinKnopfIrgendeinesFenstersIstStandardknopf)
{
    TProgramm p;
    p.frmStart.show();
    int geprueft = 0;
    for (QAction* punkt : p.frmStart.findChildren<QAction*>()) {
        QDialog* fenster = p.frmStart.Fenster(punkt->objectName());
        if (!fenster)
            continue;
        QStringList standard;
        QTimer::singleShot(0, fenster, [&] {
            ++geprueft;
            for (QPushButton* k : fenster->findChildren<QPushButton*>())
                if (k->isDefault() || k->autoDefault())
                    standard << k->text();
            fenster->close();
        });
        punkt->trigger();
        EXPECT_TRUE(standard.isEmpty()) << punkt->objectName().toStdString();
    }
    EXPECT_EQ(geprueft, 10) << "every window looked into while open";
}
