// How the windows look on any desktop: readable under a dark theme, laid out
// at any scale, fitted to the screen, crisp at any device pixel ratio.
#include "TestHilfen.h"

#include "app/Ansicht.h"
#include "app/BildAusgabe.h"
#include "app/Plattform.h"
#include "app/Programm.h"
#include "app/Skalierung.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

double Leuchtdichte(QColor c)
{
    const auto kanal = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}

double Kontrast(QColor a, QColor b)
{
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A desktop theme with light text on dark grey, as the program meets it.
struct DunklesThema {
    QPalette alt = QApplication::palette();
    DunklesThema()
    {
        QPalette dunkel(QColor(240, 240, 240), QColor(53, 53, 53)); // text, ground
        dunkel.setColor(QPalette::Base, QColor(36, 36, 36));
        QApplication::setPalette(dunkel);
    }
    ~DunklesThema() { QApplication::setPalette(alt); }
};

// Every enabled text in `fenster` against the ground it is drawn on.
void PruefeKontrast(QWidget* fenster)
{
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isEnabled())
            continue; // a greyed-out control says by its grey that it cannot be used
        const QPalette& p = w->palette();
        QPalette::ColorRole text = QPalette::WindowText, grund = QPalette::Window;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QMenu*>(w)) {
            text = qobject_cast<QMenu*>(w) ? QPalette::WindowText : QPalette::Text;
            grund = qobject_cast<QMenu*>(w) ? QPalette::Window : QPalette::Base;
        } else if (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QGroupBox*>(w)) {
            text = QPalette::ButtonText;
            grund = QPalette::Button;
        } else if (!qobject_cast<QLabel*>(w) && !qobject_cast<QGroupBox*>(w) && !qobject_cast<QMenuBar*>(w)) {
            continue;
        }
        EXPECT_GE(Kontrast(p.color(text), p.color(grund)), 4.5)
            << fenster->windowTitle().toStdString() << ": " << w->metaObject()->className() << " "
            << w->accessibleName().toStdString();
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QMenu*>(w)) {
            EXPECT_GE(Kontrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)), 3.0);
        }
    }
}

} // namespace

TEST(Ansicht, DunklesThemaAendertInDenFensternNichts)
{
    const DunklesThema thema;
    TProgramm p;
    std::vector<QWidget*> fenster{&p.frmStart, &p.frmInformation};
    for (const char* punkt : {"menArten", "menUebertragen", "menParall", "menSpiegeln", "menSymmetralen",
                                 "menDreieck0", "menDreieck1", "menDreieck2", "menDreieck3"})
        fenster.push_back(p.frmStart.Fenster(QString::fromLatin1(punkt)));
    for (QWidget* f : fenster) {
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
        PruefeKontrast(f);
        // On the rendered menu bar: its darkest pixels, the text, against its ground.
        QMenuBar* leiste = f->findChild<QMenuBar*>();
        ASSERT_NE(leiste, nullptr);
        const QImage bild = leiste->grab().toImage();
        QColor dunkelste(Qt::white);
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (Leuchtdichte(bild.pixelColor(x, y)) < Leuchtdichte(dunkelste))
                    dunkelste = bild.pixelColor(x, y);
        EXPECT_GE(Kontrast(dunkelste, bild.pixelColor(bild.width() - 2, bild.height() / 2)), 4.5)
            << f->windowTitle().toStdString();
        f->hide();
    }
}

namespace {

// The scales and device pixel ratios the windows are checked at.
struct TMass {
    qreal skala;
    qreal dpr;
};
constexpr TMass masse[] = {{0.75, 1}, {1.5, 1}, {2, 1}, {0.75, 2}, {1.5, 2}, {2, 2}};

// The first pixel of `farbe` along a row (or column) of the picture and how many there are.
std::pair<int, int> Lauf(const QImage& bild, int i, QRgb farbe, bool zeile)
{
    int erste = -1, anzahl = 0;
    for (int j = 0; j < (zeile ? bild.width() : bild.height()); ++j)
        if (bild.pixel(zeile ? j : i, zeile ? i : j) == farbe) {
            erste = erste < 0 ? j : erste;
            ++anzahl;
        }
    return {erste, anzahl};
}

} // namespace

TEST(Ansicht, SteuerelementeStehenAmEntwurfsortMalSkala)
{
    TModellFenster w(std::make_unique<winkel1::TWinkel1>());
    w.show();
    const QList<QWidget*> alle = w.Client()->findChildren<QWidget*>();
    std::vector<std::pair<QWidget*, QRect>> entwurf;
    for (QWidget* c : alle)
        if (!c->isWindow())
            entwurf.emplace_back(c, c->geometry());
    const QSize client = w.Client()->size();
    const int schrift = w.Feld(1)->font().pixelSize();
    const QFont menue = w.MainMenu1()->font();
    for (const TMass& m : masse) {
        w.SetzeSkala(m.skala);
        EXPECT_EQ(w.Client()->size(), (QSizeF(client) * m.skala).toSize());
        for (const auto& [c, ort] : entwurf) {
            const QRectF soll(QPointF(ort.topLeft()) * m.skala, QSizeF(ort.size()) * m.skala);
            const QRectF abstand(c->geometry().topLeft() - soll.topLeft(), c->geometry().size() - soll.size());
            EXPECT_TRUE(std::max({std::abs(abstand.x()), std::abs(abstand.y()), std::abs(abstand.width()),
                                  std::abs(abstand.height())}) <= 1) << c->metaObject()->className();
        }
        EXPECT_EQ(w.Feld(1)->font().pixelSize(), qRound(schrift * m.skala));
        EXPECT_NEAR(QFontInfo(w.MainMenu1()->font()).pixelSize(), QFontInfo(menue).pixelSize() * m.skala, 1);
        // The picture for the teacher is the design's at every scale.
        EXPECT_EQ(BildInhalt(&w).groesse, QSize(1000, 480));
    }
    w.SetzeSkala(1);
    for (const auto& [c, ort] : entwurf)
        EXPECT_EQ(c->geometry(), ort) << c->metaObject()->className();
}

TEST(Ansicht, EinPixelLinienAufGeraetepixeln)
{
    for (const TMass& m : masse) {
        const qreal k = m.skala * m.dpr;
        const int strich = std::max(1, qRound(k));
        QImage bild(QSize(200, 200) * k, QImage::Format_RGB32);
        bild.fill(Qt::white);
        bild.setDevicePixelRatio(m.dpr);
        {
            QPainter p(&bild);
            p.scale(m.skala, m.skala);
            Leinwand lw(&p);
            lw.Geraetepixel = true;
            lw.MoveTo(10, 20); // across
            lw.LineTo(190, 20);
            lw.stift.farbe = clRed; // steep, as a height
            lw.MoveTo(30, 40);
            lw.LineTo(80, 190);
        }
        const QRgb schwarz = qRgb(0, 0, 0), rot = qRgb(255, 0, 0);
        for (int x = int(20 * k); x < int(180 * k); x += 7)
            EXPECT_EQ(Lauf(bild, x, schwarz, false).second, strich) << m.skala << " x " << m.dpr;
        // Along the steep line: every row exactly `strich` wide, moving on by at most one device pixel.
        int vorher = -1;
        for (int y = int(50 * k); y < int(180 * k); ++y) {
            const auto [erste, anzahl] = Lauf(bild, y, rot, true);
            EXPECT_EQ(anzahl, strich) << m.skala << " x " << m.dpr << " row " << y;
            if (vorher >= 0) {
                EXPECT_LE(erste - vorher, 1) << m.skala << " x " << m.dpr << " row " << y;
            }
            vorher = erste;
        }
    }
}

TEST(Ansicht, ZiehenTrifftDenWeltpunktBeiJederSkala)
{
    TModellFenster w(std::make_unique<dreieck3::TDreieck3>());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto& z = w.Modell<dreieck3::TDreieck3>().zustand;
    TPaintBox* box = w.Zeichnung(0);
    const TWeltfenster welt(box->Breite(), box->Hoehe(), w.Modell().Layout().bereiche[0].welt);
    const auto maus = [box](QEvent::Type art, QPoint entwurf, qreal s) {
        const QPointF lokal((entwurf.x() + 0.5) * s, (entwurf.y() + 0.5) * s);
        const Qt::MouseButtons knoepfe = art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(art, lokal, box->mapToGlobal(lokal), Qt::LeftButton, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(box, &e);
    };
    for (const qreal s : {0.75, 1.0, 1.5, 2.0}) {
        w.SetzeSkala(s);
        w.hide();
        w.show(); // the start triangle again
        int ax = 0, ay = 0;
        welt.ZuPixel(z.A, ax, ay);
        maus(QEvent::MouseButtonPress, QPoint(ax, ay), s);
        ASSERT_TRUE(z.ziehenA) << s;
        const QPoint ziel(ax + 37, ay - 23);
        maus(QEvent::MouseMove, ziel, s);
        EXPECT_EQ(z.A, welt.ZuWelt(ziel.x(), ziel.y())) << s;
        // Far beyond the left edge the vertex stops at the band's edge.
        const TWeltRechteck band = *w.Modell().Ziehbereich(0);
        int rand = 0, oben = 0;
        welt.ZuPixel({band.xMin, band.yMax}, rand, oben);
        maus(QEvent::MouseMove, QPoint(-200, ziel.y()), s);
        EXPECT_EQ(z.A.x, welt.ZuWelt(rand, ziel.y()).x) << s;
        maus(QEvent::MouseButtonRelease, QPoint(-200, ziel.y()), s);
        EXPECT_FALSE(CursorBegrenzt());
    }
}

TEST(Ansicht, FensterPassenInDenFreienBereich)
{
    // A lesson window at scale 1: 1016 x 733 with its menu bar; a frame with a 30-pixel title bar.
    const QSize fenster(1016, 733);
    const QMargins rahmen(4, 30, 4, 4);
    struct Fall {
        QSize frei;
        qreal wunsch, skala;
    };
    for (const Fall& f : {Fall{{1366, 738}, 1.0, 0.96}, Fall{{1024, 738}, 1.0, 0.96}, Fall{{1920, 1040}, 1.0, 1.0},
                          Fall{{1920, 1040}, 3.0, 1.37}, Fall{{800, 570}, 1.0, 0.73}, Fall{{640, 400}, 1.0, 0.6},
                          Fall{{1366, 738}, 0.5, 0.5}}) {
        const qreal s = ansicht::PassendeSkala(fenster, rahmen, f.frei, f.wunsch);
        EXPECT_EQ(s, f.skala) << f.frei.width() << " x " << f.frei.height();
        // Whole on the free area where it fits; the title bar on it always.
        const QSize aussen = (QSizeF(fenster) * s).toSize().grownBy(rahmen);
        const QPoint platz = ansicht::Platz((QSizeF(fenster) * s).toSize(), rahmen, QRect({}, f.frei), {683, 369});
        EXPECT_GE(platz.y(), 0);
        EXPECT_TRUE(s <= 0.6 || QRect({}, f.frei).contains(QRect(platz, aussen))) << s;
    }
}

TEST(Ansicht, ZoomUndVollbild)
{
    ansicht::Einschalten(false);
    TModellFenster w(std::make_unique<winkel1::TWinkel1>());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QAction* vollbild = w.findChild<QAction*>(QStringLiteral("menVollbild"));
    ASSERT_NE(vollbild, nullptr);
    const QRect frei = w.screen()->availableGeometry();
    // Fitted to the offscreen screen, whole on it.
    ansicht::Einpassen(&w, [&w](qreal s) { w.SetzeSkala(s); }, frei.center());
    EXPECT_TRUE(frei.contains(w.frameGeometry())) << w.frameGeometry().height();
    const qreal passend = FensterSkala(&w);
    EXPECT_LT(passend, 1.0);
    QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(FensterSkala(&w), ansicht::Kleiner(passend));
    EXPECT_EQ(ansicht::Wunsch(), ansicht::Kleiner(passend));
    QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier); // as large as fits
    EXPECT_EQ(FensterSkala(&w), passend);
    vollbild->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(w.isFullScreen());
    EXPECT_LE(w.Client()->width(), w.screen()->geometry().width());
    EXPECT_NEAR(w.Client()->geometry().center().x(), w.rect().center().x(), 1);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isFullScreen());
    EXPECT_EQ(FensterSkala(&w), passend);
    ansicht::SetzeWunsch(1);
}
