// How the windows look on any desktop: readable under a dark theme, laid out
// at any scale, fitted to the screen, crisp at any device pixel ratio.
#include "TestHilfen.h"

#include "app/Programm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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
class DunklesThema {
public:
    DunklesThema() : alt_(QApplication::palette())
    {
        QPalette dunkel;
        for (const auto rolle : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase,
                                 QPalette::ToolTipBase})
            dunkel.setColor(rolle, QColor(53, 53, 53));
        for (const auto rolle : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::ToolTipText,
                                 QPalette::HighlightedText})
            dunkel.setColor(rolle, QColor(240, 240, 240));
        dunkel.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QApplication::setPalette(dunkel);
    }
    ~DunklesThema() { QApplication::setPalette(alt_); }

private:
    QPalette alt_;
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
