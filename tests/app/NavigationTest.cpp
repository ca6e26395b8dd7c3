// The whole program's windows wired to the start menu as at program start:
// every menu command opens its window modally with its caption and size, and
// closing it returns to the start window.
#include "app/InformationU.h"
#include "app/StartU.h"
#include "lessons/Dreieck0U.h"
#include "lessons/Dreieck1U.h"
#include "lessons/Dreieck2U.h"
#include "lessons/Dreieck3U.h"
#include "lessons/Symmetrie1U.h"
#include "lessons/Symmetrie2U.h"
#include "lessons/Winkel1U.h"
#include "lessons/Winkel2U.h"
#include "lessons/Winkel3U.h"

#include "app/Lektionsrahmen.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Programm {
    TfrmStart frmStart;
    TfrmWinkel1 frmWinkel1;
    TfrmWinkel2 frmWinkel2;
    TfrmWinkel3 frmWinkel3;
    TfrmSymmetrie1 frmSymmetrie1;
    TfrmSymmetrie2 frmSymmetrie2;
    TfrmDreieck1 frmDreieck1;
    TfrmDreieck2 frmDreieck2;
    TfrmDreieck0 frmDreieck0;
    TfrmDreieck3 frmDreieck3;
    TfrmInformation frmInformation;

    Programm()
    {
        frmStart.SetzeFenster(QStringLiteral("menArten"), &frmWinkel1);
        frmStart.SetzeFenster(QStringLiteral("menUebertragen"), &frmWinkel2);
        frmStart.SetzeFenster(QStringLiteral("menParall"), &frmWinkel3);
        frmStart.SetzeFenster(QStringLiteral("menSpiegeln"), &frmSymmetrie1);
        frmStart.SetzeFenster(QStringLiteral("menSymmetralen"), &frmSymmetrie2);
        frmStart.SetzeFenster(QStringLiteral("menDreieck0"), &frmDreieck0);
        frmStart.SetzeFenster(QStringLiteral("menDreieck1"), &frmDreieck1);
        frmStart.SetzeFenster(QStringLiteral("menDreieck2"), &frmDreieck2);
        frmStart.SetzeFenster(QStringLiteral("menDreieck3"), &frmDreieck3);
        frmStart.SetzeFenster(QStringLiteral("menInformation"), &frmInformation);
    }
};

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

    Programm p;
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

TEST(Navigation, BestaetigteMeldungOhneAktivesFensterBeendetDasProgrammNicht)
{
    // In the application's own event loop, as the pupil meets it: a refused
    // click while no window of the program is active (no window manager), the
    // message confirmed with Return. Only closing the start window ends the program.
    Programm p;
    TfrmSymmetrie1& lektion = p.frmSymmetrie1;
    bool lastWindowClosed = false, durchgelaufen = false, meldungBeimFenster = false, lektionOffen = false;
    int markiertNachher = -1;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &p.frmStart, [&] { lastWindowClosed = true; });
    QTimer wache;
    wache.setSingleShot(true);
    QObject::connect(&wache, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    wache.start(10000);

    p.frmStart.show();
    QTimer::singleShot(0, &p.frmStart, [&] {
        QTimer::singleShot(0, &lektion, [&] {
            QApplication::setActiveWindow(nullptr);
            QTimer::singleShot(0, &lektion, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                meldungBeimFenster = box->parentWidget() == &lektion;
                QTest::keyClick(box, Qt::Key_Return);
            });
            QTest::mouseClick(lektion.pntGrafik, Qt::LeftButton, {}, QPoint(2, 2)); // outside the frame
            QTimer::singleShot(50, &lektion, [&] {
                lektionOffen = lektion.isVisible();
                markiertNachher = lektion.markiert;
                lektion.menSchliessen()->trigger();
            });
        });
        p.frmStart.MenuePunkt(QStringLiteral("menSpiegeln"))->trigger();
        QTimer::singleShot(0, &p.frmStart, [&] {
            durchgelaufen = p.frmStart.isVisible();
            QCoreApplication::exit(0);
        });
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(durchgelaufen) << "the program ended before the pupil closed anything";
    EXPECT_TRUE(meldungBeimFenster) << "the message belongs to the lesson that refused the click";
    EXPECT_TRUE(lektionOffen);
    EXPECT_EQ(markiertNachher, 0) << "the refused click changes nothing";
    EXPECT_FALSE(lastWindowClosed);
}

TEST(Navigation, KeinKnopfIstStandardknopfUndReturnSchaltetKeinenSchritt)
{
    // Every push button of every window, once the window is open: none acts as
    // the window's default button, so Return on a focused step control does nothing.
    Programm p;
    p.frmStart.show();
    for (const QString& name : {QStringLiteral("menArten"), QStringLiteral("menUebertragen"),
                                QStringLiteral("menParall"), QStringLiteral("menSpiegeln"),
                                QStringLiteral("menSymmetralen"), QStringLiteral("menDreieck0"),
                                QStringLiteral("menDreieck1"), QStringLiteral("menDreieck2"),
                                QStringLiteral("menDreieck3"), QStringLiteral("menInformation")}) {
        QDialog* fenster = p.frmStart.Fenster(name);
        QStringList standard;
        int knoepfe = 0;
        bool schrittBleibt = true;
        QTimer::singleShot(0, fenster, [&] {
            for (QPushButton* k : fenster->findChildren<QPushButton*>()) {
                ++knoepfe;
                if (k->isDefault() || k->autoDefault())
                    standard << k->text();
                k->setEnabled(true); // as at a construction's last step
            }
            for (TUpDown* u : fenster->findChildren<TUpDown*>()) {
                u->setEnabled(true);
                u->SetzePosition(u->Max()); // a repeat button would set it back
                u->setFocus();
                QTest::keyClick(u, Qt::Key_Return);
                schrittBleibt = schrittBleibt && u->Position() == u->Max();
            }
            fenster->close();
        });
        p.frmStart.MenuePunkt(name)->trigger();
        EXPECT_TRUE(standard.isEmpty()) << name.toStdString() << ": " << standard.join(u',').toStdString();
        EXPECT_TRUE(schrittBleibt) << name.toStdString();
    }
}
