// The controls of the lesson windows and the platform services behind them:
// up-down control, paint box, panels, radio group, cursor confinement,
// screen cursor and the information message.
#include "TestHilfen.h"

#include "app/Plattform.h"
#include "app/Steuerelemente.h"

#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <vector>

using namespace testhilfen;

namespace {

struct UpDownProbe {
    QWidget fenster;
    TUpDown* ud;
    std::vector<int> klicks;

    explicit UpDownProbe(int max)
    {
        fenster.resize(200, 80);
        ud = new TUpDown(&fenster, QRect(15, 25, 120, 25), 0, max);
        ud->OnClick = [this](TUpDown* sender) { klicks.push_back(sender->Position()); };
        fenster.show();
    }
};

} // namespace

TEST(UpDown, PfeilklicksBleibenInDenGrenzenUndMeldenNurAenderungen)
{
    UpDownProbe p(2);
    QTest::mouseClick(p.ud->PfeilLinks(), Qt::LeftButton);
    EXPECT_EQ(p.ud->Position(), 0);
    EXPECT_TRUE(p.klicks.empty()) << "left arrow at Min must not fire";

    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(p.ud->PfeilRechts(), Qt::LeftButton);
    EXPECT_EQ(p.ud->Position(), 2);
    EXPECT_EQ(p.klicks, (std::vector<int>{1, 2})) << "right arrow at Max must not fire";

    QTest::mouseClick(p.ud->PfeilLinks(), Qt::LeftButton);
    EXPECT_EQ(p.ud->Position(), 1);
    EXPECT_EQ(p.klicks, (std::vector<int>{1, 2, 1}));
}

TEST(UpDown, PfeiltastenWirkenWieDiePfeileWennFokussiert)
{
    UpDownProbe p(2);
    p.fenster.activateWindow();
    p.ud->setFocus();
    QTest::keyClick(p.ud, Qt::Key_Left);
    EXPECT_TRUE(p.klicks.empty());
    QTest::keyClick(p.ud, Qt::Key_Right);
    QTest::keyClick(p.ud, Qt::Key_Right);
    QTest::keyClick(p.ud, Qt::Key_Right);
    QTest::keyClick(p.ud, Qt::Key_Up); // not one of the control's keys
    EXPECT_EQ(p.ud->Position(), 2);
    EXPECT_EQ(p.klicks, (std::vector<int>{1, 2}));
    QTest::keyClick(p.ud, Qt::Key_Left);
    EXPECT_EQ(p.klicks, (std::vector<int>{1, 2, 1}));
}

TEST(UpDown, ProgrammzuweisungenFeuernNichtUndWerdenBegrenzt)
{
    UpDownProbe p(4);
    p.ud->SetzePosition(3);
    EXPECT_EQ(p.ud->Position(), 3);
    p.ud->SetzePosition(9);
    EXPECT_EQ(p.ud->Position(), 4);
    p.ud->SetzeMax(2);
    EXPECT_EQ(p.ud->Position(), 2);
    EXPECT_TRUE(p.klicks.empty());
    // Clicking the right arrow after the maximum was lowered must stay put.
    p.ud->KlickRechts();
    EXPECT_TRUE(p.klicks.empty());
}

TEST(PaintBox, AbbildZeichnetDenHandlerAufDieFlaechenfarbe)
{
    QWidget fenster;
    TPaintBox box(&fenster, QRect(0, 0, 40, 30));
    box.OnPaint = [&box] {
        box.Canvas.pinsel.farbe = clRed;
        box.Canvas.FillRect(10, 10, 20, 20);
    };
    const QImage bild = box.Abbild();
    ASSERT_EQ(bild.size(), QSize(40, 30));
    EXPECT_EQ(Farbe(bild, 15, 15), Rgb(255, 0, 0));
    EXPECT_EQ(Farbe(bild, 2, 2), Rgb(240, 240, 240));
    EXPECT_EQ(Farbe(bild, 20, 20), Rgb(240, 240, 240)) << "right and bottom edge excluded";
    EXPECT_EQ(box.Canvas.Maler(), nullptr) << "the canvas is released after drawing";
}

TEST(PaintBox, MausHandlerBekommenPixelUndBewegungOhneTaste)
{
    QWidget fenster;
    fenster.resize(200, 200);
    auto* box = new TPaintBox(&fenster, QRect(20, 20, 100, 100));
    QPoint unten(-1, -1), bewegt(-1, -1), oben(-1, -1);
    Qt::MouseButton taste = Qt::NoButton;
    box->OnMouseDown = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        taste = b;
        unten = QPoint(x, y);
    };
    box->OnMouseMove = [&](Qt::KeyboardModifiers, int x, int y) { bewegt = QPoint(x, y); };
    box->OnMouseUp = [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { oben = QPoint(x, y); };
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));

    QTest::mouseMove(box, QPoint(7, 9));
    EXPECT_EQ(bewegt, QPoint(7, 9));
    QTest::mousePress(box, Qt::RightButton, Qt::NoModifier, QPoint(30, 40));
    QTest::mouseRelease(box, Qt::RightButton, Qt::NoModifier, QPoint(31, 41));
    EXPECT_EQ(taste, Qt::RightButton);
    EXPECT_EQ(unten, QPoint(30, 40));
    EXPECT_EQ(oben, QPoint(31, 41));
}

TEST(PaintBox, BegrenzungKlemmtHandlerPositionenUndEndetBeimLoslassen)
{
    QWidget fenster;
    fenster.resize(200, 200);
    auto* box = new TPaintBox(&fenster, QRect(20, 20, 100, 100));
    QPoint bewegt, oben;
    box->OnMouseDown = [box](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        // A lesson confines the pointer to a band of the box while it drags.
        const QRect band(box->mapToGlobal(QPoint(10, 30)), QSize(50, 20));
        ClipCursor(&band);
    };
    box->OnMouseMove = [&](Qt::KeyboardModifiers, int x, int y) { bewegt = QPoint(x, y); };
    box->OnMouseUp = [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { oben = QPoint(x, y); };
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));

    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 35));
    ASSERT_TRUE(CursorBegrenzt());
    QTest::mouseMove(box, QPoint(95, 2));
    EXPECT_EQ(bewegt, QPoint(59, 30)) << "clamped to the band's right and top edge";
    QTest::mouseMove(box, QPoint(0, 99));
    EXPECT_EQ(bewegt, QPoint(10, 49));
    QTest::mouseMove(box, QPoint(30, 40));
    EXPECT_EQ(bewegt, QPoint(30, 40)) << "inside the band nothing changes";
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(99, 99));
    EXPECT_EQ(oben, QPoint(59, 49)) << "the release still reports the clamped position";
    EXPECT_FALSE(CursorBegrenzt()) << "the pointer is free after the button is released";
    QTest::mouseMove(box, QPoint(95, 2));
    EXPECT_EQ(bewegt, QPoint(95, 2));
}

TEST(Plattform, BegrenzterPunktUndFreigabe)
{
    const QRect r(100, 200, 10, 5);
    ClipCursor(&r);
    EXPECT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), r);
    EXPECT_EQ(BegrenzterPunkt(QPoint(0, 0)), QPoint(100, 200));
    EXPECT_EQ(BegrenzterPunkt(QPoint(500, 500)), QPoint(109, 204));
    EXPECT_EQ(BegrenzterPunkt(QPoint(105, 202)), QPoint(105, 202));
    ClipCursor(nullptr);
    EXPECT_FALSE(CursorBegrenzt());
    EXPECT_EQ(BegrenzterPunkt(QPoint(500, 500)), QPoint(500, 500));
}

TEST(Plattform, BildschirmCursorHaeltHoechstensEineUeberschreibung)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    SetzeBildschirmCursor(crHandPoint);
    SetzeBildschirmCursor(crHandPoint);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    SetzeBildschirmCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "one reset restores the arrow";
    SetzeBildschirmCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(BildschirmCursor(), crDefault);
}

TEST(Plattform, MeldungGehtAnDenHaken)
{
    QStringList texte;
    SetzeMeldungsHaken([&](const QString& t) { texte << t; });
    MessageDlg(nullptr, QStringLiteral("Der Punkt liegt zu nahe."));
    SetzeMeldungsHaken({});
    EXPECT_EQ(texte, QStringList{QStringLiteral("Der Punkt liegt zu nahe.")});
}

TEST(Plattform, MeldungOhneHakenIstEinModalerInformationsdialog)
{
    QWidget lektion;
    auto* innen = new QWidget(&lektion);
    lektion.show();
    QString titel, text;
    QStringList knoepfe;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    bool modal = false, beimFenster = false, beendetNie = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        titel = box->windowTitle();
        text = box->text();
        symbol = box->icon();
        modal = box->isModal();
        beimFenster = box->parentWidget() == &lektion;
        beendetNie = !box->testAttribute(Qt::WA_QuitOnClose);
        for (QAbstractButton* k : box->buttons())
            knoepfe << k->text();
        box->buttons().first()->click();
    });
    // Given a control, the dialog belongs to the control's window.
    MessageDlg(innen, QStringLiteral("Bitte innerhalb des Rahmens klicken."));
    EXPECT_EQ(titel, QStringLiteral("Information"));
    EXPECT_EQ(text, QStringLiteral("Bitte innerhalb des Rahmens klicken."));
    EXPECT_EQ(symbol, QMessageBox::Information);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(beimFenster);
    EXPECT_TRUE(beendetNie);
    EXPECT_EQ(knoepfe, QStringList{QStringLiteral("OK")});
}

TEST(Panel, DoppelterRahmenUndFlaeche)
{
    QWidget fenster;
    auto* panel = new TPanel(&fenster, QRect(0, 0, 60, 30));
    const QImage bild = panel->grab().toImage();
    const unsigned grau = Rgb(160, 160, 160), weiss = Rgb(255, 255, 255);
    // Outer ring lowered: dark above and left, light below and right.
    EXPECT_EQ(Farbe(bild, 30, 0), grau);
    EXPECT_EQ(Farbe(bild, 0, 15), grau);
    EXPECT_EQ(Farbe(bild, 30, 29), weiss);
    EXPECT_EQ(Farbe(bild, 59, 15), weiss);
    // Inner ring raised: light above and left, dark below and right.
    EXPECT_EQ(Farbe(bild, 30, 1), weiss);
    EXPECT_EQ(Farbe(bild, 1, 15), weiss);
    EXPECT_EQ(Farbe(bild, 30, 28), grau);
    EXPECT_EQ(Farbe(bild, 58, 15), grau);
    EXPECT_EQ(Farbe(bild, 30, 15), Rgb(240, 240, 240));
}

TEST(Panel, CaptionMittigInSchriftfarbe)
{
    QWidget fenster;
    auto* panel = new TPanel(&fenster, QRect(0, 0, 300, 40));
    panel->setFont(QtSchrift(QStringLiteral("Arial"), 16, true));
    panel->SetzeSchriftFarbe(clNavy);
    panel->SetzeCaption(QStringLiteral("Ziehe die Eckpunkte"));
    const QImage bild = panel->grab().toImage();
    const int navy = ZaehleFarbe(bild, Rgb(0, 0, 128));
    EXPECT_GT(navy, 50);
    EXPECT_EQ(ZaehleFarbe(bild, Rgb(0, 0, 128), QRect(0, 0, 60, 40)), 0) << "centred, not left-aligned";
    EXPECT_EQ(ZaehleFarbe(bild, Rgb(0, 0, 128), QRect(240, 0, 60, 40)), 0);
}

TEST(Bevel, GeaetzterRahmenOhneFuellung)
{
    QWidget fenster;
    QPalette pal = fenster.palette();
    pal.setColor(QPalette::Window, Qt::yellow);
    fenster.setPalette(pal);
    fenster.setAutoFillBackground(true);
    fenster.resize(40, 40);
    new TBevel(&fenster, QRect(0, 0, 20, 20));
    const QImage bild = fenster.grab().toImage();
    const unsigned grau = Rgb(160, 160, 160), weiss = Rgb(255, 255, 255);
    EXPECT_EQ(Farbe(bild, 0, 0), grau);
    EXPECT_EQ(Farbe(bild, 18, 18), grau);
    EXPECT_EQ(Farbe(bild, 1, 1), weiss);
    EXPECT_EQ(Farbe(bild, 19, 19), weiss);
    EXPECT_EQ(Farbe(bild, 10, 10), Rgb(255, 255, 0)) << "the inside shows what lies behind";
}

TEST(RadioGroup, KlickMeldetNurEineAenderungSetzenBleibtStill)
{
    QWidget fenster;
    fenster.resize(300, 200);
    auto* grp = new TRadioGroup(&fenster, QRect(10, 10, 150, 75), QStringLiteral(" Lösungen "),
                                {QStringLiteral("eine"), QStringLiteral("zwei")});
    int klicks = 0;
    grp->OnClick = [&] { ++klicks; };
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    ASSERT_EQ(grp->Anzahl(), 2);
    EXPECT_EQ(grp->ItemIndex(), -1);
    EXPECT_LT(grp->Knopf(0)->geometry().top(), grp->Knopf(1)->geometry().top());
    EXPECT_TRUE(grp->rect().contains(grp->Knopf(1)->geometry()));

    grp->SetzeItemIndex(0);
    EXPECT_EQ(klicks, 0);
    EXPECT_TRUE(grp->Knopf(0)->isChecked());

    QTest::mouseClick(grp->Knopf(1), Qt::LeftButton, Qt::NoModifier, QPoint(8, grp->Knopf(1)->height() / 2));
    EXPECT_EQ(grp->ItemIndex(), 1);
    EXPECT_EQ(klicks, 1);
    QTest::mouseClick(grp->Knopf(1), Qt::LeftButton, Qt::NoModifier, QPoint(8, grp->Knopf(1)->height() / 2));
    EXPECT_EQ(klicks, 1) << "clicking the chosen item again changes nothing";

    grp->SetzeItemIndex(-1);
    EXPECT_FALSE(grp->Knopf(0)->isChecked());
    EXPECT_FALSE(grp->Knopf(1)->isChecked());
    EXPECT_EQ(klicks, 1);
}

TEST(Bildlaufleiste, PfeileUmEinsBildtastenUmDieGrosseAenderungPos1UndEndeAnDieEnden)
{
    TBildlaufleiste leiste(nullptr, QRect(0, 0, 200, 20), 0, 360, 100, 10);
    const std::pair<Qt::Key, int> tasten[] = {{Qt::Key_Right, 101},   {Qt::Key_Down, 102},   {Qt::Key_Left, 101},
                                              {Qt::Key_Up, 100},      {Qt::Key_PageDown, 110}, {Qt::Key_PageUp, 100},
                                              {Qt::Key_Home, 0},      {Qt::Key_PageUp, 0},   {Qt::Key_End, 360},
                                              {Qt::Key_PageDown, 360}, {Qt::Key_Right, 360}};
    for (auto [taste, wert] : tasten) {
        QTest::keyClick(&leiste, taste);
        EXPECT_EQ(leiste.value(), wert) << QKeySequence(taste).toString().toStdString();
    }
}

// Typed, pasted and dropped text alike: the digits stay, with the cursor
// behind the same ones; more digits than allowed refuse the change untouched.
TEST(ZiffernFilter, NurZiffernUndHoechstensDreiDavon)
{
    const TZiffernFilter filter(3);
    const std::tuple<QString, int, QValidator::State, QString, int> faelle[] = {
        {"", 0, QValidator::Acceptable, "", 0},         {"045", 3, QValidator::Acceptable, "045", 3},
        {"3-a ,b", 6, QValidator::Acceptable, "3", 1},  {"a1b2", 3, QValidator::Acceptable, "12", 1},
        {" 2x7 ", 5, QValidator::Acceptable, "27", 2},  {"+1.8", 4, QValidator::Acceptable, "18", 2},
        {"-1 5", 2, QValidator::Acceptable, "15", 1},   {"1234", 4, QValidator::Invalid, "1234", 4},
        {"1e9999", 6, QValidator::Invalid, "1e9999", 6}, {"4294967296", 3, QValidator::Invalid, "4294967296", 3}};
    for (auto [text, pos, zustand, danach, posDanach] : faelle) {
        SCOPED_TRACE(text.toStdString());
        QString t = text;
        EXPECT_EQ(filter.validate(t, pos), zustand);
        EXPECT_EQ(std::pair(t, pos), std::pair(danach, posDanach));
    }
}
