// The frame shared by the lesson windows: size and style, the standard layouts,
// step and repeat groups, the opening sequence, closing, the page keys and the
// release of a confined pointer.
#include "TestHilfen.h"

#include "app/Lektionsrahmen.h"
#include "app/Plattform.h"
#include "draw/Primitive.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A lesson window with one drawing area, a step group and a repeat group.
class ProbeFenster : public TLektionsFenster {
public:
    explicit ProbeFenster(int schritte = 6) : TLektionsFenster(QStringLiteral("Probe"))
    {
        bereich = EinBereich();
        schritt = NeueSchrittGruppe(QRect(729, 575, 130, 75), QStringLiteral(" Schritte (0–6) "), schritte,
                                    QRect(15, 25, 100, 25));
        wh = NeueWiederholGruppe();
        schritt.UpDown->OnClick = [this](TUpDown* u) {
            klicks.push_back(u->Position());
            ZeigeSchritt(schritt, u->Position());
        };
    }

    TBereich bereich;
    TSchrittGruppe schritt;
    TWiederholGruppe wh;
    std::vector<int> klicks;
    int aktivierungen = 0;

protected:
    void FormActivate() override { ++aktivierungen; }
};

// Two drawing areas side by side, two step controls.
class ZweiFenster : public TLektionsFenster {
public:
    ZweiFenster() : TLektionsFenster(QStringLiteral("Zwei"))
    {
        links = LinkerBereich();
        rechts = RechterBereich();
        s1 = NeueSchrittGruppe(QRect(5, 575, 130, 75), QStringLiteral("Schritte"), 3, QRect(10, 25, 85, 25));
        s2 = NeueSchrittGruppe(QRect(525, 575, 130, 75), QStringLiteral("Schritte"), 4, QRect(10, 25, 85, 25));
    }
    TBereich links, rechts;
    TSchrittGruppe s1, s2;

protected:
    void FormActivate() override {}
};

QRect ImClient(QWidget* w, const TLektionsFenster& f)
{
    return QRect(w->mapTo(f.Client(), QPoint(0, 0)), w->size());
}

void Zeige(QWidget& f)
{
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}

} // namespace

TEST(Lektionsrahmen, FesteGroesseMenueUndFensterstil)
{
    ProbeFenster f;
    Zeige(f);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Probe"));
    EXPECT_EQ(f.Client()->size(), QSize(1016, 714));
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "not resizable";
    EXPECT_EQ(f.Client()->y(), f.MainMenu1()->height()) << "the client area lies right below the menu";
    EXPECT_EQ(f.RahmenHoehe(), f.frameGeometry().height() - 714);
    EXPECT_GE(f.RahmenHoehe(), f.MainMenu1()->height());

    const QList<QAction*> punkte = f.MainMenu1()->actions();
    ASSERT_FALSE(punkte.isEmpty());
    EXPECT_EQ(punkte.first(), f.menSchliessen());
    EXPECT_EQ(f.menSchliessen()->text(), QStringLiteral("Schließen"));
    EXPECT_FALSE(f.MainMenu1()->font().bold()) << "the menu keeps the system font";

    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);

    EXPECT_EQ(f.font().pixelSize(), 16);
    EXPECT_TRUE(f.font().bold());
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(240, 240, 240));
}

TEST(Lektionsrahmen, EinBereichAnDenEntwurfspositionen)
{
    ProbeFenster f;
    const TBereich& b = f.bereich;
    EXPECT_EQ(ImClient(b.pnlUeb, f), QRect(4, 5, 1007, 70));
    EXPECT_EQ(ImClient(b.lblUeb, f), QRect(4 + 10, 5 + 2, 987, 66));
    EXPECT_EQ(ImClient(b.bevGrafik, f), QRect(4, 86, 1007, 488));
    EXPECT_EQ(ImClient(b.pntGrafik, f), QRect(7, 90, 1000, 480));
    EXPECT_EQ(ImClient(b.pnlStatus, f), QRect(4, 655, 1007, 55));
    EXPECT_EQ(ImClient(b.lblStatus, f), QRect(4 + 2, 655 + 2, 1003, 51)) << "inside the 2-pixel bevel";

    EXPECT_EQ(b.lblUeb->font().pixelSize(), 19);
    EXPECT_TRUE(b.lblUeb->font().bold());
    EXPECT_EQ(b.lblUeb->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(b.lblUeb->wordWrap());
    EXPECT_EQ(b.lblStatus->font().pixelSize(), 16);
    EXPECT_EQ(b.lblStatus->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(b.lblStatus->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(b.lblStatus->wordWrap());
}

TEST(Lektionsrahmen, ZweiBereicheAnDenEntwurfspositionen)
{
    ZweiFenster f;
    EXPECT_EQ(ImClient(f.links.pnlUeb, f), QRect(5, 5, 488, 70));
    EXPECT_EQ(ImClient(f.links.lblUeb, f), QRect(5 + 5, 5 + 2, 475, 66));
    EXPECT_EQ(ImClient(f.links.bevGrafik, f), QRect(5, 86, 488, 488));
    EXPECT_EQ(ImClient(f.links.pntGrafik, f), QRect(9, 90, 480, 480));
    EXPECT_EQ(ImClient(f.links.pnlStatus, f), QRect(6, 655, 488, 50));
    EXPECT_EQ(ImClient(f.links.lblStatus, f), QRect(6 + 2, 655 + 2, 484, 46));

    EXPECT_EQ(ImClient(f.rechts.pnlUeb, f), QRect(525, 5, 488, 70));
    EXPECT_EQ(ImClient(f.rechts.lblUeb, f), QRect(525 + 5, 5 + 2, 475, 66));
    EXPECT_EQ(ImClient(f.rechts.bevGrafik, f), QRect(525, 86, 488, 488));
    EXPECT_EQ(ImClient(f.rechts.pntGrafik, f), QRect(529, 90, 480, 480));
    EXPECT_EQ(ImClient(f.rechts.pnlStatus, f), QRect(525, 655, 488, 50));
}

TEST(Lektionsrahmen, SchrittUndWiederholGruppeImAnfangszustand)
{
    ProbeFenster f;
    const TSchrittGruppe& s = f.schritt;
    EXPECT_EQ(ImClient(s.grp, f), QRect(729, 575, 130, 75));
    EXPECT_EQ(s.grp->title(), QStringLiteral(" Schritte (0–6) "));
    EXPECT_EQ(s.UpDown->geometry(), QRect(15, 25, 100, 25));
    EXPECT_EQ(s.UpDown->Min(), 0);
    EXPECT_EQ(s.UpDown->Max(), 6);
    EXPECT_EQ(s.UpDown->Position(), 0);
    EXPECT_EQ(s.lblSchritte->text(), QStringLiteral("0"));
    EXPECT_EQ(s.lblSchritte->width(), 130);
    EXPECT_EQ(s.lblSchritte->height(), 20);
    EXPECT_LE(s.lblSchritte->geometry().bottom(), 74);
    EXPECT_GE(s.lblSchritte->geometry().bottom(), 71) << "bottom-aligned";
    EXPECT_EQ(s.lblSchritte->alignment(), Qt::AlignCenter);

    const TWiederholGruppe& w = f.wh;
    EXPECT_EQ(ImClient(w.grp, f), QRect(874, 575, 136, 75));
    EXPECT_EQ(w.grp->title(), QStringLiteral(" Wiederholen  "));
    EXPECT_EQ(w.btn->text(), QStringLiteral("Ja"));
    EXPECT_EQ(w.btn->geometry(), QRect(20, 30, 100, 30));
    EXPECT_FALSE(w.btn->isEnabled());
}

TEST(Lektionsrahmen, JedesOeffnenAktiviertUndRuecktAufDemKleinenSchirmNachLinksOben)
{
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    ProbeFenster f;
    f.move(frei.topLeft() + QPoint(40, 30));
    Zeige(f);
    EXPECT_EQ(f.aktivierungen, 1);
    EXPECT_EQ(f.frameGeometry().topLeft(), frei.topLeft() + QPoint(40, 30)) << "stays where it was put";
    f.close();

    // On the 1024 x 768 screen the window cannot grow: it opens whole at the top-left corner.
    const bool vorher = maximiert;
    maximiert = true;
    Zeige(f);
    maximiert = vorher;
    EXPECT_EQ(f.aktivierungen, 2);
    EXPECT_EQ(f.frameGeometry().topLeft(), frei.topLeft());
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
    f.close();
}

TEST(Lektionsrahmen, SchliessenSchliesstEscapeNicht)
{
    ProbeFenster f;
    Zeige(f);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible()) << "Escape leaves the lesson open";
    f.menSchliessen()->trigger();
    EXPECT_FALSE(f.isVisible());
}

TEST(Lektionsrahmen, BildTastenSchaltenDenEinzigenSchritt)
{
    ProbeFenster f(2);
    Zeige(f);
    // The keys work wherever the focus is in the window.
    f.wh.btn->setEnabled(true);
    f.wh.btn->setFocus();
    QTest::keyClick(f.wh.btn, Qt::Key_PageUp);
    EXPECT_TRUE(f.klicks.empty()) << "at step 0 Page Up does nothing";
    QTest::keyClick(f.wh.btn, Qt::Key_PageDown);
    QTest::keyClick(f.wh.btn, Qt::Key_PageDown);
    QTest::keyClick(f.wh.btn, Qt::Key_PageDown);
    EXPECT_EQ(f.klicks, (std::vector<int>{1, 2}));
    EXPECT_EQ(f.schritt.lblSchritte->text(), QStringLiteral("2"));
    QTest::keyClick(f.wh.btn, Qt::Key_PageUp);
    EXPECT_EQ(f.klicks, (std::vector<int>{1, 2, 1}));

    f.schritt.UpDown->setEnabled(false);
    QTest::keyClick(f.wh.btn, Qt::Key_PageDown);
    EXPECT_EQ(f.schritt.UpDown->Position(), 1) << "a disabled step control ignores the keys";
    f.schritt.UpDown->setEnabled(true);
    f.schritt.grp->hide();
    QTest::keyClick(f.wh.btn, Qt::Key_PageDown);
    EXPECT_EQ(f.schritt.UpDown->Position(), 1) << "a hidden step control ignores the keys";
    f.close();
}

TEST(Lektionsrahmen, ReturnDruecktNurDenKnopfMitDemFokus)
{
    ProbeFenster f(2);
    int gedrueckt = 0;
    QObject::connect(f.wh.btn, &QPushButton::clicked, [&] { ++gedrueckt; });
    Zeige(f);
    // At the last step the repeat button is enabled; Return on the focused step arrows presses nothing.
    f.schritt.UpDown->setFocus();
    QTest::keyClick(f.schritt.UpDown, Qt::Key_Right);
    QTest::keyClick(f.schritt.UpDown, Qt::Key_Right);
    f.wh.btn->setEnabled(true);
    QTest::keyClick(f.schritt.UpDown, Qt::Key_Return);
    EXPECT_EQ(gedrueckt, 0);
    EXPECT_EQ(f.klicks, (std::vector<int>{1, 2}));
    f.wh.btn->setFocus();
    QTest::keyClick(f.wh.btn, Qt::Key_Return);
    EXPECT_EQ(gedrueckt, 1) << "the focused button itself";
    f.close();
}

TEST(Lektionsrahmen, BildTastenOhneWirkungBeiZweiSchrittreglern)
{
    ZweiFenster f;
    Zeige(f);
    QTest::keyClick(&f, Qt::Key_PageDown);
    EXPECT_EQ(f.s1.UpDown->Position(), 0);
    EXPECT_EQ(f.s2.UpDown->Position(), 0);
    f.close();
}

TEST(Lektionsrahmen, SchliessenGibtDenZeigerFrei)
{
    ProbeFenster f;
    Zeige(f);
    const QRect band(100, 100, 50, 50);
    ClipCursor(&band);
    SetzeBildschirmCursor(crHandPoint);
    f.close();
    EXPECT_FALSE(CursorBegrenzt());
    EXPECT_EQ(BildschirmCursor(), crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Lektionsrahmen, FokusverlustGibtDenZeigerFrei)
{
    ProbeFenster f;
    Zeige(f);
    const QRect band(100, 100, 50, 50);
    ClipCursor(&band);
    QWidget anderes;
    anderes.resize(100, 100);
    Zeige(anderes);
    EXPECT_FALSE(f.isActiveWindow());
    EXPECT_FALSE(CursorBegrenzt());
    f.close();
}

// The windows have no context menus: a right click on the empty part of the
// menu bar, on the title or anywhere in the client, or the menu key, opens
// nothing (Qt's dialog would offer its "What's This?" menu there).
TEST(Lektionsrahmen, KeinKontextmenueAufMenueleisteUndFenster)
{
    ProbeFenster f;
    Zeige(f);
    QStringList gesehen;
    QTimer aufpasser;
    QObject::connect(&aufpasser, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            gesehen << QString::fromLatin1(popup->metaObject()->className());
            popup->close();
        }
    });
    aufpasser.start(5);

    QMenuBar* leiste = f.MainMenu1();
    const QPoint leer = leiste->mapTo(&f, QPoint(leiste->width() - 20, leiste->height() / 2));
    const QPoint titel = leiste->mapTo(&f, leiste->actionGeometry(f.menSchliessen()).center());
    const QPoint panel = f.bereich.pnlUeb->mapTo(&f, QPoint(30, 30));
    for (const QPoint& p : {leer, titel, panel}) {
        QTest::mouseClick(f.windowHandle(), Qt::RightButton, {}, p);
        QTest::qWait(20);
    }
    f.schritt.UpDown->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_Menu);
    QTest::qWait(20);
    EXPECT_TRUE(gesehen.isEmpty()) << gesehen.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(f.isVisible());
}
