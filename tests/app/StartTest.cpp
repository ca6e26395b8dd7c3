// The start window: its look, its menu, the screen-size decision and the
// navigation to the content windows and back.
#include "TestHilfen.h"

#include "app/Lektionsrahmen.h"
#include "app/StartU.h"
#include "app/seiten/Seiten.h"
#include "draw/Leinwand.h"
#include "draw/Primitive.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testhilfen;

namespace {

class LeeresFenster : public TLektionsFenster {
public:
    explicit LeeresFenster(const QString& caption) : TLektionsFenster(caption) {}
    int aktivierungen = 0;

protected:
    void FormActivate() override { ++aktivierungen; }
};

QStringList Captions(const QList<QAction*>& punkte)
{
    QStringList texte;
    for (QAction* a : punkte)
        texte << a->text();
    return texte;
}

unsigned Gruen(int i) { return Rgb(0, (60 + i) % 256, 0); }

} // namespace

TEST(StartFenster, TitelGroesseUndStil)
{
    TfrmStart start;
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Geometrie"));
    EXPECT_EQ(start.Client()->size(), QSize(1016, 714));
    EXPECT_EQ(start.Client()->y(), start.menuBar()->height()) << "client area right below the menu";
    EXPECT_EQ(start.minimumSize(), start.maximumSize()) << "not resizable";
    EXPECT_FALSE(start.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(start.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(start.windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_EQ(QRect(start.pntText()->pos(), start.pntText()->size()), QRect(8, 8, 1001, 705));
    EXPECT_EQ(start.imgBild()->geometry(), QRect(287, 202, 440, 440));
    EXPECT_EQ(start.lblVersion()->text(), QStringLiteral("Version 2.0"));
    EXPECT_EQ(start.lblVersion()->geometry(), QRect(0, 669, 1016, 19));
    EXPECT_EQ(start.lblAutor()->geometry(), QRect(0, 688, 1016, 26));
    EXPECT_FALSE(start.lblAutor()->text().isEmpty());
    for (QLabel* l : {start.lblVersion(), start.lblAutor()}) {
        EXPECT_EQ(l->font().pixelSize(), 16);
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // Centred on the screen.
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(start.frameGeometry().center().x() - schirm.center().x()), 2);
    EXPECT_LE(std::abs(start.frameGeometry().center().y() - schirm.center().y()), 30);
}

TEST(StartFenster, MenueMitAllenPunktenUndBeschleunigern)
{
    TfrmStart start;
    const QList<QAction*> oben = start.menuBar()->actions();
    EXPECT_EQ(Captions(oben), (QStringList{QStringLiteral("&Beenden"), QStringLiteral("&Winkel"),
                                           QStringLiteral("&Symmetrie"), QStringLiteral("&Dreieck"),
                                           QStringLiteral("Information")}));
    ASSERT_EQ(oben.size(), 5);
    ASSERT_NE(oben[1]->menu(), nullptr);
    EXPECT_EQ(Captions(oben[1]->menu()->actions()),
              (QStringList{QStringLiteral("&Arten"), QStringLiteral("&Übertragen"), QStringLiteral("&Parallelwinkel")}));
    ASSERT_NE(oben[2]->menu(), nullptr);
    EXPECT_EQ(Captions(oben[2]->menu()->actions()),
              (QStringList{QStringLiteral("Spiegeln"), QStringLiteral("Symmetralen")}));
    ASSERT_NE(oben[3]->menu(), nullptr);
    EXPECT_EQ(Captions(oben[3]->menu()->actions()),
              (QStringList{QStringLiteral("Einteilung der Dreiecke"), QStringLiteral("Dreieckskonstuktionen"),
                           QStringLiteral("Besondere Eigenschaften des Dreiecks"),
                           QStringLiteral("Dynamisch verändern")}));
    EXPECT_EQ(start.MenuePunkt(QStringLiteral("menDreieck1"))->text(), QStringLiteral("Dreieckskonstuktionen"));
}

TEST(StartFenster, BeendenSchliesstDasStartfenster)
{
    TfrmStart start;
    start.show();
    start.MenuePunkt(QStringLiteral("menBeenden"))->trigger();
    EXPECT_FALSE(start.isVisible());
}

TEST(StartFenster, NurGenau1024x768Maximiert)
{
    EXPECT_TRUE(IstMaximierteBildschirmGroesse(QSize(1024, 768)));
    EXPECT_FALSE(IstMaximierteBildschirmGroesse(QSize(1024, 600)));
    EXPECT_FALSE(IstMaximierteBildschirmGroesse(QSize(1280, 768)));
    EXPECT_FALSE(IstMaximierteBildschirmGroesse(QSize(768, 1024)));
    EXPECT_FALSE(IstMaximierteBildschirmGroesse(QSize(1920, 1080)));
}

TEST(StartFenster, AktivierungLiestDenEchtenBildschirm)
{
    maximiert = true; // a stale value from an earlier screen must be recomputed
    TfrmStart start;
    start.show();
    const bool erwartet = IstMaximierteBildschirmGroesse(QGuiApplication::primaryScreen()->size());
    EXPECT_EQ(maximiert, erwartet);
    start.close();
}

// Runs inside a child process on a configured offscreen screen (see below).
// The child half of the screen test below: it exists only in the child process,
// which runs on a configured screen and is told what to expect.
class BildschirmImKindprozess : public testing::Test {
public:
    void TestBody() override
    {
        // On the 1024 x 768 screen the windows open whole, frame included, at the
        // top-left corner of the free area; elsewhere the start window is centred
        // and a content window centred over it.
        const bool erwartet = qgetenv("GEOMETRIE_ERWARTE_MAXIMIERT") == "1";
        const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
        TfrmStart start;
        LeeresFenster lektion(QStringLiteral("Lektion"));
        start.SetzeFenster(QStringLiteral("menArten"), &lektion);
        start.show();
        EXPECT_EQ(maximiert, erwartet);
        QRect startRahmen = start.frameGeometry(), lektionsRahmen;
        QTimer::singleShot(0, [&] {
            lektionsRahmen = lektion.frameGeometry();
            lektion.close();
        });
        start.MenuePunkt(QStringLiteral("menArten"))->trigger();
        if (erwartet) {
            for (const QRect& rahmen : {startRahmen, lektionsRahmen}) {
                EXPECT_EQ(rahmen.topLeft(), frei.topLeft());
                EXPECT_TRUE(frei.contains(rahmen)) << rahmen.width() << "x" << rahmen.height();
            }
        } else {
            EXPECT_LE(std::abs(startRahmen.center().x() - frei.center().x()), 2);
            EXPECT_LE((lektionsRahmen.center() - startRahmen.center()).manhattanLength(), 4);
        }
    }
};

const bool kindTestAngemeldet = [] {
    if (qEnvironmentVariableIsEmpty("GEOMETRIE_ERWARTE_MAXIMIERT"))
        return false;
    testing::RegisterTest("StartFensterUnterprozess", "BildschirmEntscheidetUeberMaximieren", nullptr, nullptr,
                          __FILE__, __LINE__, []() -> testing::Test* { return new BildschirmImKindprozess; });
    return true;
}();

TEST(StartFenster, MaximiertAufKonfiguriertenBildschirmen)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    struct Fall {
        int breite, hoehe;
        bool maximiert;
    };
    for (const Fall& fall : {Fall{1024, 768, true}, Fall{1024, 600, false}, Fall{1280, 768, false}}) {
        const QString datei = ordner.filePath(QStringLiteral("schirm%1x%2.json").arg(fall.breite).arg(fall.hoehe));
        QFile json(datei);
        ASSERT_TRUE(json.open(QIODevice::WriteOnly));
        json.write(QStringLiteral("{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,\"height\":%2,"
                                  "\"logicalDpi\":96}]}")
                       .arg(fall.breite)
                       .arg(fall.hoehe)
                       .toUtf8());
        json.close();

        QProcess kind;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + datei);
        umgebung.insert(QStringLiteral("GEOMETRIE_ERWARTE_MAXIMIERT"), fall.maximiert ? "1" : "0");
        kind.setProcessEnvironment(umgebung);
        kind.setProcessChannelMode(QProcess::MergedChannels);
        kind.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=StartFensterUnterprozess.*")});
        ASSERT_TRUE(kind.waitForFinished(30000));
        const QString ausgabe = QString::fromLocal8Bit(kind.readAll());
        EXPECT_EQ(kind.exitCode(), 0) << fall.breite << "x" << fall.hoehe << ":\n" << ausgabe.toStdString();
        EXPECT_TRUE(ausgabe.contains(QStringLiteral("[  PASSED  ] 1 test"))) << ausgabe.toStdString();
    }
}

TEST(StartFenster, StreifenUndDuenneLinienUeberDieAussenhoehe)
{
    TfrmStart start;
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    const QImage bild = start.Client()->grab().toImage();
    ASSERT_EQ(bild.size(), QSize(1016, 714));
    // Column 3 lies left of the paint box, clear of labels and picture.
    for (int y = 0; y < 714; y += 7)
        EXPECT_EQ(Farbe(bild, 3, y), Rgb(0, 0, 0)) << "thin line at row " << y;
    for (int i = 0; 5 * i < 714; ++i) {
        if ((5 * i) % 7 == 0)
            continue;
        EXPECT_EQ(Farbe(bild, 3, 5 * i), Gruen(i)) << "stripe " << i;
    }
    // The stripes cross the whole width.
    EXPECT_EQ(Farbe(bild, 1015, 5), Gruen(1));
    EXPECT_EQ(Farbe(bild, 1015, 705), Gruen(141));
}

TEST(StartFenster, StreifenEndenVorDerAussenhoeheUndLaufenModulo256)
{
    QImage bild(20, 1000, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        Leinwand lw(&p);
        seiten::ZeichneStreifen(lw, 20, 760);
    }
    // With an outer height of 760 the last stripe is at 755 and the last thin line at 756.
    EXPECT_EQ(Farbe(bild, 5, 755), Gruen(151));
    EXPECT_EQ(Farbe(bild, 5, 756), Rgb(0, 0, 0));
    EXPECT_EQ(Farbe(bild, 5, 763), Rgb(255, 255, 255));
    EXPECT_EQ(Farbe(bild, 5, 770), Rgb(255, 255, 255));

    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        Leinwand lw(&p);
        seiten::ZeichneStreifen(lw, 20, 1000);
    }
    EXPECT_EQ(Farbe(bild, 5, 5 * 195), Gruen(195)); // g = 255
    EXPECT_EQ(Farbe(bild, 5, 5 * 197), Rgb(0, 1, 0)) << "g wraps around after 255";
}

TEST(StartFenster, WeisseTitelAufDerZeichenflaeche)
{
    TfrmStart start;
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    const QImage bild = start.Client()->grab().toImage();
    // The paint box sits at (8, 8); the title's top is at its row 12, the subtitle's at row 114.
    const unsigned weiss = Rgb(255, 255, 255);
    EXPECT_EQ(ZaehleFarbe(bild, weiss, QRect(8, 8, 1001, 12)), 0);
    EXPECT_GT(ZaehleFarbe(bild, weiss, QRect(8, 20, 1001, 50)), 500);
    EXPECT_GT(ZaehleFarbe(bild, weiss, QRect(8, 8 + 114, 1001, 35)), 300);
    // Centred on column 500 of the box: as much white left as right of the middle.
    const int links = ZaehleFarbe(bild, weiss, QRect(8, 20, 500, 50));
    const int rechts = ZaehleFarbe(bild, weiss, QRect(508, 20, 501, 50));
    EXPECT_GT(links, 0);
    EXPECT_GT(rechts, 0);
    EXPECT_LT(std::abs(links - rechts), (links + rechts) / 5);
    // Left and right of the title the stripes show through the paint box.
    EXPECT_EQ(Farbe(bild, 20, 5 * 6), Gruen(6));
}

// Each opening hides the start window, shows the content window modal and
// centred over it and activates it; closing it by its menu item or by its close
// box shows the start window again, repainted. Twice each, in turn.
TEST(StartFenster, MenuebefehlOeffnetModalUndKehrtZurueck)
{
    TfrmStart start;
    LeeresFenster arten(QStringLiteral("Arten von Winkeln"));
    LeeresFenster info(QStringLiteral("Informationen"));
    start.SetzeFenster(QStringLiteral("menArten"), &arten);
    start.SetzeFenster(QStringLiteral("menInformation"), &info);
    int gemalt = 0;
    auto altesMalen = start.pntText()->OnPaint;
    start.pntText()->OnPaint = [&] {
        ++gemalt;
        altesMalen();
    };
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));

    const std::tuple<QString, LeeresFenster*, bool> faelle[] = {
        {QStringLiteral("menArten"), &arten, true},  {QStringLiteral("menInformation"), &info, true},
        {QStringLiteral("menArten"), &arten, false}, {QStringLiteral("menInformation"), &info, false}};
    for (const auto& [name, fenster, perMenue] : faelle) {
        SCOPED_TRACE(name.toStdString() + (perMenue ? " by its menu" : " by its close box"));
        bool startVersteckt = false, fensterModal = false, zentriert = false;
        const QRect startRahmen = start.frameGeometry();
        QTimer::singleShot(0, [&, fenster = fenster, perMenue = perMenue] {
            startVersteckt = !start.isVisible();
            fensterModal = fenster->isVisible() && fenster->isModal() && QApplication::activeModalWidget() == fenster;
            const QPoint d = fenster->frameGeometry().center() - startRahmen.center();
            zentriert = std::abs(d.x()) <= 2 && std::abs(d.y()) <= 2;
            perMenue ? fenster->menSchliessen()->trigger() : void(fenster->close());
        });
        const int vorher = fenster->aktivierungen, gemaltVorher = gemalt;
        start.MenuePunkt(name)->trigger();
        EXPECT_TRUE(startVersteckt);
        EXPECT_TRUE(fensterModal);
        EXPECT_TRUE(zentriert);
        EXPECT_EQ(fenster->aktivierungen, vorher + 1);
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_TRUE(start.isVisible()) << "start window shown again";
        EXPECT_TRUE(QTest::qWaitFor([&] { return gemalt > gemaltVorher; }, 2000)) << "and repainted";
    }
}

TEST(StartFenster, SchliessenEinesInhaltsfenstersBeendetDasProgrammNicht)
{
    // Inside the application's own event loop, where closing the last visible
    // window would end the program.
    TfrmStart start;
    LeeresFenster fenster(QStringLiteral("Symmetralen"));
    start.SetzeFenster(QStringLiteral("menSymmetralen"), &fenster);
    bool programmEnde = false;
    const auto verbindung =
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { programmEnde = true; });
    bool zurueck = false;
    start.show();
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { fenster.menSchliessen()->trigger(); });
        start.MenuePunkt(QStringLiteral("menSymmetralen"))->trigger();
        zurueck = start.isVisible();
        QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    QObject::disconnect(verbindung);
    EXPECT_TRUE(zurueck);
    EXPECT_FALSE(programmEnde) << "closing a content window must not end the program";
}
