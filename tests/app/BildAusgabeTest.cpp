// The teacher's copies of a drawing: the picture of every lesson window in the
// states of the picture tool, as PNG (1:1 and 3-fold), SVG and PDF, on the
// clipboard, in a file, on a page.
#include "TestHilfen.h"

#include "Abspielen.h"
#include "Zustaende.h"
#include "app/BildAusgabe.h"
#include "app/Lektionsrahmen.h"
#include "app/ModellFenster.h"
#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "lessons/Zeichnung.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FensterWeg {
    void operator()(QWidget* w) const { w->close(), delete w; }
};
using Fenster = std::unique_ptr<QWidget, FensterWeg>;

Fenster OeffneZustand(const std::string& name)
{
    for (const Zustand& z : Zustaende())
        if (z.name.toStdString() == name)
            return Fenster(z.bereite());
    return nullptr;
}

TLektionsFenster* Lektion(const Fenster& f) { return qobject_cast<TLektionsFenster*>(f.get()); }

// Every state of a lesson window (the start and information windows have no picture).
std::vector<std::string> LektionsZustaende()
{
    std::vector<std::string> namen;
    for (const Zustand& z : Zustaende())
        if (z.name != QLatin1String("Start") && z.name != QLatin1String("Information"))
            namen.push_back(z.name.toStdString());
    return namen;
}

QImage Rgb32(const QImage& bild) { return bild.convertToFormat(QImage::Format_RGB32); }
int Kanal(QRgb farbe, int i) { return int(farbe >> (16 - 8 * i) & 0xFF); } // red, green, blue
bool Nah(QRgb a, QRgb b, int toleranz)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(Kanal(a, i) - Kanal(b, i)) > toleranz)
            return false;
    return true;
}

class BildJeZustand : public ::testing::TestWithParam<std::string> {};

// 1:1 is the screen: each area's pixels as its own paint event leaves them,
// white between the areas.
TEST_P(BildJeZustand, RasterGleichtDenZeichenflaechen)
{
    Fenster f = OeffneZustand(GetParam());
    ASSERT_TRUE(f);
    // The keyboard pointer and focus frame belong to the screen, never to the picture.
    if (QWidget* fokus = f->focusWidget())
        fokus->clearFocus();
    const TBildInhalt inhalt = BildInhalt(f.get());
    ASSERT_FALSE(inhalt.teile.isEmpty());
    const QImage bild = BildAlsRaster(inhalt, 1);
    ASSERT_EQ(bild.size(), inhalt.groesse);
    QImage rest = bild;
    for (const TBildBereich& teil : inhalt.teile) {
        // An instruction box lets its panel's face show through; the picture
        // puts it on white, so the panel shows white for the comparison.
        if (auto* panel = qobject_cast<TPanel*>(teil.box->parentWidget())) {
            QPalette weiss = panel->palette();
            weiss.setColor(QPalette::Window, Qt::white);
            panel->setPalette(weiss);
        }
        const QImage bildschirm = Rgb32(teil.box->grab().toImage());
        ASSERT_EQ(bildschirm.size(), teil.lage.size());
        EXPECT_TRUE(Rgb32(bild.copy(teil.lage)) == bildschirm) << teil.box->objectName().toStdString()
                                                             << " at " << teil.lage.x() << "," << teil.lage.y();
        QPainter(&rest).fillRect(teil.lage, Qt::white);
    }
    EXPECT_EQ(testhilfen::ZaehleNichtWeiss(rest), 0) << "something drawn between the areas";
}

// The pixel operations a web page is handed, painted again by the desktop
// canvas, give the screen's pixels: the core's font tables place every
// character where Qt does, and no canvas state is lost on the way.
TEST_P(BildJeZustand, ZeichnungAlsOperationenGleichtDemBildschirm)
{
    Fenster f = OeffneZustand(GetParam());
    auto* fenster = qobject_cast<TModellFenster*>(f.get());
    ASSERT_TRUE(fenster);
    const lektion::TLektion& l = fenster->Modell();
    for (std::size_t i = 0; i < l.Layout().bereiche.size(); ++i) {
        TPaintBox* box = fenster->Zeichnung(int(i));
        if (!box || !box->OnPaint || !l.Layout().bereiche[i].grund)
            continue;
        const std::string json = lektion::BereichAlsJson(l.Layout().bereiche[i], l.Bild(int(i)));
        const QJsonArray ops = QJsonDocument::fromJson(QByteArray::fromStdString(json)).array();
        ASSERT_FALSE(ops.isEmpty()) << "area " << i;
        const QImage bildschirm = Rgb32(box->Abbild());
        EXPECT_TRUE(Rgb32(SpieleAb(ops, bildschirm.width(), bildschirm.height())) == bildschirm) << "area " << i;
    }
}

// Whether `farbe` lies, channel by channel and within `toleranz`, between the
// darkest and lightest of the 3 x 3 pixels around (x, y): a blend of
// neighbouring colours, as anti-aliasing makes at an edge.
bool ZwischenNachbarn(const QImage& bild, int x, int y, QRgb farbe, int toleranz)
{
    for (int i = 0; i < 3; ++i) {
        int lo = 255, hi = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int k = Kanal(bild.pixel(std::clamp(x + dx, 0, bild.width() - 1),
                                               std::clamp(y + dy, 0, bild.height() - 1)), i);
                lo = std::min(lo, k), hi = std::max(hi, k);
            }
        if (Kanal(farbe, i) < lo - toleranz || Kanal(farbe, i) > hi + toleranz)
            return false;
    }
    return true;
}

// SVG rendered back lies on the screen's pixels: lines, dots and dash patterns
// where the raster has them. What the SVG renderer still smooths (slanted
// edges, text, which it lays out with its own letter widths) differs: at least
// 96 % of the pixels are exactly equal, and 99 % within a small tolerance or
// as a blend of the other picture's neighbours. Every colour of the drawing
// keeps at least a third of its pixels, so a line drawn in the wrong colour or
// not at all is noticed.
TEST_P(BildJeZustand, SvgZurueckGerendertWieRaster)
{
    Fenster f = OeffneZustand(GetParam());
    ASSERT_TRUE(f);
    const TBildInhalt inhalt = BildInhalt(f.get());
    const QImage raster = BildAlsRaster(inhalt, 1);
    QSvgRenderer svg(BildAlsSvg(inhalt, QStringLiteral("Probe")));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), inhalt.groesse);
    QImage zurueck = testhilfen::WeissesBild(inhalt.groesse.width(), inhalt.groesse.height());
    QPainter maler(&zurueck);
    svg.render(&maler);
    maler.end();
    long gleich = 0, aehnlich = 0;
    const long alle = long(raster.width()) * raster.height();
    QHash<QRgb, int> imRaster, wiederGefunden;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            const QRgb a = raster.pixel(x, y), b = zurueck.pixel(x, y);
            gleich += a == b;
            aehnlich += Nah(a, b, 24)
                || (ZwischenNachbarn(raster, x, y, b, 24) && ZwischenNachbarn(zurueck, x, y, a, 24));
            ++imRaster[a];
            // The colour somewhere near it in the SVG's picture, too (a reader's
            // letter widths move the letters of a word by a pixel or two).
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    if (zurueck.valid(x + dx, y + dy) && Nah(a, zurueck.pixel(x + dx, y + dy), 24)) {
                        ++wiederGefunden[a];
                        dy = dx = 4;
                    }
        }
    const double anteil = double(gleich) / double(alle);
    RecordProperty("gleich_promille", int(anteil * 1000));
    if (std::getenv("GEOMETRIE_SVG_ANTEIL"))
        std::printf("%s %.4f\n", GetParam().c_str(), anteil);
    EXPECT_GE(anteil, 0.96) << (alle - gleich) << " of " << alle << " pixels differ";
    EXPECT_GE(double(aehnlich) / double(alle), 0.99) << (alle - aehnlich) << " of " << alle << " pixels far off";
    for (auto it = imRaster.cbegin(); it != imRaster.cend(); ++it)
        if (it.value() >= 100) {
            EXPECT_GE(wiederGefunden.value(it.key()), it.value() / 3)
                << "colour " << QColor(it.key()).name().toStdString() << " on " << it.value() << " pixels";
        }
}

INSTANTIATE_TEST_SUITE_P(Fenster, BildJeZustand, ::testing::ValuesIn(LektionsZustaende()),
                         [](const auto& info) {
                             std::string n = info.param;
                             std::replace_if(n.begin(), n.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return n;
                         });

// The menu, the title with the step, the clipboard after Ctrl+C.
TEST(BildMenue, KopierenLegtPngUndSvgAb)
{
    struct Fall {
        const char* zustand;
        const char* titel;
    };
    const Fall faelle[] = {
        {"Winkel1-90", "Arten von Winkeln"},
        {"Dreieck1-SsW-zwei-Schritt4", "Dreieckskonstruktionen – Schritt 4"},
        {"Dreieck3-Thales90", "Dynamische Geometrie"},
        {"Symmetrie1-5Punkte-Schritt4", "Spiegeln – Schritt 4"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.zustand);
        Fenster f = OeffneZustand(fall.zustand);
        TLektionsFenster* fenster = Lektion(f);
        ASSERT_TRUE(fenster);
        EXPECT_EQ(fenster->BildTitel(), QString::fromUtf8(fall.titel));
        const QList<QAction*> titel = fenster->MainMenu1()->actions();
        ASSERT_EQ(titel.last()->menu(), fenster->menBild());
        EXPECT_EQ(titel.last()->text(), QStringLiteral("&Bild"));
        EXPECT_EQ(titel.first(), fenster->menSchliessen());

        QApplication::clipboard()->clear();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
        QTest::keyClick(fenster, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* daten = QApplication::clipboard()->mimeData();
        ASSERT_TRUE(daten);
        EXPECT_TRUE(daten->hasFormat(QStringLiteral("image/png")));
        EXPECT_TRUE(daten->hasFormat(QStringLiteral("image/svg+xml")));
        QImage png;
        ASSERT_TRUE(png.loadFromData(daten->data(QStringLiteral("image/png")), "PNG"));
        EXPECT_TRUE(Rgb32(png) == BildAlsRaster(BildInhalt(fenster), 1));
    }
}

// Every format into a fresh folder: the file and nothing else, readable as its
// type. Then below that file, where no folder can be whoever runs the test (root
// too): the German message, no further file, the first one and the window as
// they were.
TEST(BildSpeichern, JedesFormatEineDateiOderEineMeldung)
{
    Fenster f = OeffneZustand("Dreieck2-Hoehen-Schritt4");
    TLektionsFenster* fenster = Lektion(f);
    ASSERT_TRUE(fenster);
    const QSize groesse = BildInhalt(fenster).groesse;
    const QImage vorher = BildAlsRaster(BildInhalt(fenster), 1);
    const QString titelVorher = fenster->BildTitel();
    QStringList meldungen;
    SetzeMeldungsHaken([&](const QString& text) { meldungen << text; });
    struct Fall {
        TBildFormat format;
        const char* name;
        QByteArray anfang;
    };
    const Fall faelle[] = {{TBildFormat::Png, "a.png", "\x89PNG"}, {TBildFormat::Png3, "b.png", "\x89PNG"},
                           {TBildFormat::Svg, "c.svg", "<?xml"}, {TBildFormat::Pdf, "d.pdf", "%PDF"}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QString::fromLatin1(fall.name));
        ASSERT_TRUE(fenster->SpeichereBildUnter(datei, fall.format));
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray inhalt = f.readAll();
        f.close();
        meldungen.clear();
        EXPECT_FALSE(fenster->SpeichereBildUnter(datei + QStringLiteral("/bild.png"), fall.format));
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_TRUE(meldungen[0].contains(QStringLiteral("„bild.png“"))
                    && meldungen[0].contains(QStringLiteral("nicht gespeichert")));
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{QString::fromLatin1(fall.name)});
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == inhalt);
        EXPECT_TRUE(inhalt.startsWith(fall.anfang));
        if (fall.format == TBildFormat::Png || fall.format == TBildFormat::Png3) {
            EXPECT_EQ(QImage::fromData(inhalt).size(), groesse * (fall.format == TBildFormat::Png3 ? 3 : 1));
        }
        if (fall.format == TBildFormat::Pdf) {
            // One page, A4 landscape (842 x 595 points), the texts as text.
            EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r") + inhalt.count("/Type /Page "), 1);
            const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
            const auto m = box.match(QString::fromLatin1(inhalt));
            ASSERT_TRUE(m.hasMatch());
            EXPECT_NEAR(m.captured(1).toDouble(), 841.9, 1.0);
            EXPECT_NEAR(m.captured(2).toDouble(), 595.3, 1.0);
        }
    }
    SetzeMeldungsHaken({});
    EXPECT_TRUE(BildAlsRaster(BildInhalt(fenster), 1) == vorher);
    EXPECT_EQ(fenster->BildTitel(), titelVorher);
    EXPECT_TRUE(fenster->isVisible());
}

TEST(BildSpeichern, FormatAusEndungUndFilter)
{
    struct Fall {
        const char* datei;
        int filter;
        TBildFormat format;
        const char* danach;
    };
    const Fall faelle[] = {
        {"/a/x.png", 0, TBildFormat::Png, "/a/x.png"},   {"/a/x.png", 1, TBildFormat::Png3, "/a/x.png"},
        {"/a/x.PNG", 2, TBildFormat::Png, "/a/x.PNG"},   {"/a/x.svg", 1, TBildFormat::Svg, "/a/x.svg"},
        {"/a/x.pdf", 0, TBildFormat::Pdf, "/a/x.pdf"},   {"/a/x", 3, TBildFormat::Pdf, "/a/x.pdf"},
        {"/a/x", 1, TBildFormat::Png3, "/a/x.png"},      {"/a/Schritt 4.", 2, TBildFormat::Svg, "/a/Schritt 4..svg"},
        {"/a/x.jpg", 7, TBildFormat::Png, "/a/x.jpg.png"},
    };
    for (const Fall& fall : faelle) {
        QString datei = QString::fromUtf8(fall.datei);
        EXPECT_EQ(FormatFuerDatei(datei, fall.filter), fall.format) << fall.datei << " " << fall.filter;
        EXPECT_EQ(datei, QString::fromUtf8(fall.danach));
    }
}

// The page: title on top, picture centred below it at its proportions inside
// the printable area, instruction at the bottom, nothing overlapping.
TEST(BildSeite, AufteilungInnerhalbDerRaender)
{
    struct Fall {
        QRectF flaeche;
        qreal dpi;
        QSize bild;
        bool anweisung;
    };
    const Fall faelle[] = {
        {QRectF(0, 0, 3154, 2126), 300, QSize(1000, 620), true},  // A4 landscape, 15 mm margins
        {QRectF(0, 0, 3154, 2126), 300, QSize(1000, 565), false},
        {QRectF(0, 0, 2126, 3154), 300, QSize(1000, 480), true},  // portrait
        {QRectF(50, 40, 3154, 2126), 1200, QSize(1000, 300), true}, // offset, fine printer
        {QRectF(0, 0, 1000, 700), 72, QSize(300, 1000), false},   // tall picture
    };
    for (const Fall& fall : faelle) {
        const TSeitenAufteilung a = SeitenAufteilung(fall.flaeche, fall.dpi, fall.bild, fall.anweisung);
        SCOPED_TRACE(fall.dpi);
        ASSERT_GT(a.massstab, 0);
        const qreal eps = 1e-6;
        EXPECT_TRUE(fall.flaeche.adjusted(-eps, -eps, eps, eps).contains(a.bild));
        EXPECT_TRUE(fall.flaeche.adjusted(-eps, -eps, eps, eps).contains(a.titel));
        EXPECT_GE(a.bild.top(), a.titel.bottom());
        EXPECT_NEAR(a.bild.width() / a.bild.height(), qreal(fall.bild.width()) / fall.bild.height(), 1e-9);
        EXPECT_NEAR(a.bild.center().x(), fall.flaeche.center().x(), 1e-6);
        EXPECT_EQ(a.anweisung.isEmpty(), !fall.anweisung);
        if (fall.anweisung) {
            EXPECT_LE(a.bild.bottom(), a.anweisung.top());
            EXPECT_NEAR(a.anweisung.bottom(), fall.flaeche.bottom(), 1e-6);
        }
        // As large as fits: the picture touches the sides or the texts.
        const qreal frei = (fall.anweisung ? a.anweisung.top() : fall.flaeche.bottom()) - a.titel.bottom();
        EXPECT_TRUE(std::abs(a.bild.width() - fall.flaeche.width()) < 1e-6
                    || a.bild.height() >= frei - fall.dpi / 2.54 - 1e-6);
        EXPECT_EQ(a.titelPixel, qRound(16 * fall.dpi / 72));
    }
}

// Alt+B opens "Bild" in every lesson window: no other item of its menu bar
// claims the same letter.
TEST(BildMenue, AltBuchstabenEindeutig)
{
    QSet<QString> gesehen;
    for (const std::string& name : LektionsZustaende()) {
        Fenster f = OeffneZustand(name);
        TLektionsFenster* fenster = Lektion(f);
        ASSERT_TRUE(fenster);
        if (gesehen.contains(fenster->windowTitle()))
            continue;
        gesehen.insert(fenster->windowTitle());
        SCOPED_TRACE(name);
        QStringList buchstaben;
        for (const QAction* punkt : fenster->MainMenu1()->actions()) {
            const QString text = punkt->text();
            const qsizetype i = text.indexOf(QLatin1Char('&'));
            if (i >= 0 && i + 1 < text.size())
                buchstaben << text.at(i + 1).toLower();
        }
        EXPECT_EQ(buchstaben.count(QStringLiteral("b")), 1) << buchstaben.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(QSet<QString>(buchstaben.begin(), buchstaben.end()).size(), buchstaben.size())
            << buchstaben.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_EQ(gesehen.size(), 9);
}

// Formats x failure points: the bytes stop at the first, in the middle or at
// the last byte, or the completion (flush, close, rename) fails. Each time:
// the message, no new file, the earlier file byte for byte.
TEST(BildSpeichern, FehlerLassenFruehereDateiUnveraendert)
{
    Fenster f = OeffneZustand("Dreieck1-Skizze");
    TLektionsFenster* fenster = Lektion(f);
    ASSERT_TRUE(fenster);
    QStringList meldungen;
    SetzeMeldungsHaken([&](const QString& text) { meldungen << text; });
    const QByteArray frueher = "die Datei von gestern\n";
    enum Stelle { Anfang, Mitte, LetztesByte, Schliessen };
    for (const TBildFormat format : {TBildFormat::Png, TBildFormat::Png3, TBildFormat::Svg, TBildFormat::Pdf})
        for (const Stelle stelle : {Anfang, Mitte, LetztesByte, Schliessen}) {
            SCOPED_TRACE(testing::Message() << "format " << int(format) << ", failure " << int(stelle));
            const qint64 groesse = BildDaten(BildInhalt(fenster), format, fenster->BildTitel(),
                                             fenster->AktuelleAnweisung()).size();
            ASSERT_GT(groesse, 100);
            const qint64 grenze = stelle == Anfang ? 0 : stelle == Mitte ? groesse / 2 : groesse - 1;
            qint64 bisher = 0;
            TDateiWeg weg;
            if (stelle != Schliessen)
                weg.schreibe = [&](QSaveFile& d, const char* daten, qint64 anzahl) -> qint64 {
                    if (bisher >= grenze)
                        return -1;
                    const qint64 n = d.write(daten, std::min(anzahl, grenze - bisher));
                    bisher += n;
                    return n;
                };
            else
                weg.schliesse = [](QSaveFile& d) { return d.cancelWriting(), d.commit(); };
            SetzeDateiWeg(weg);
            QTemporaryDir ordner;
            const QString datei = ordner.filePath(QStringLiteral("bild.x"));
            QFile alt(datei);
            ASSERT_TRUE(alt.open(QIODevice::WriteOnly) && alt.write(frueher) == frueher.size());
            alt.close();
            meldungen.clear();
            EXPECT_FALSE(fenster->SpeichereBildUnter(datei, format));
            SetzeDateiWeg({});
            ASSERT_EQ(meldungen.size(), 1);
            EXPECT_TRUE(meldungen[0].contains(QStringLiteral("„bild.x“"))
                        && meldungen[0].contains(QStringLiteral("nicht gespeichert")));
            EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{QStringLiteral("bild.x")});
            ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
            EXPECT_TRUE(alt.readAll() == frueher);
        }
    SetzeMeldungsHaken({});
}

// A name typed without extension: the dialog asks about the file with the
// type's extension, and "Nein" keeps the dialog open.
TEST(BildSpeichern, UeberschreibFrageGiltDerGeschriebenenDatei)
{
    QTemporaryDir ordner;
    QFile alt(ordner.filePath(QStringLiteral("w3.png")));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.close();
    struct Fall {
        int filter;
        bool ja;
        const char* gefragt; // empty: no question
        const char* datei;   // empty: the dialog stays open
    };
    const Fall faelle[] = {{0, false, "w3.png", ""}, {1, true, "w3.png", "w3.png"}, {2, true, "", "w3.svg"}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.filter);
        TBildDialog dialog(nullptr, ordner.path(), QStringLiteral("Titel"), fall.filter);
        dialog.show();
        auto* feld = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(feld);
        feld->setText(QStringLiteral("w3"));
        QString frage;
        QTimer antwort;
        antwort.setSingleShot(true);
        QObject::connect(&antwort, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                frage = box->text();
                if (QAbstractButton* knopf = box->button(fall.ja ? QMessageBox::Yes : QMessageBox::No))
                    knopf->click();
                else
                    box->reject();
            }
        });
        antwort.start(0);
        dialog.accept();
        EXPECT_EQ(frage.isEmpty(), !*fall.gefragt) << frage.toStdString();
        EXPECT_TRUE(frage.contains(QString::fromLatin1(fall.gefragt))) << frage.toStdString();
        EXPECT_EQ(QFileInfo(dialog.Datei()).fileName(), QString::fromLatin1(fall.datei));
    }
}

// A word of an instruction drawn in the picture is one piece of text in the SVG.
TEST(BildSvg, WortBleibtGanz)
{
    Fenster f = OeffneZustand("Dreieck0");
    ASSERT_TRUE(f);
    const QString svg = QString::fromUtf8(BildAlsSvg(BildInhalt(f.get()), QStringLiteral("Probe")));
    EXPECT_TRUE(svg.contains(QRegularExpression(QStringLiteral(R"(<text[^>]*>[^<]*\bverschieden\b[^<]*</text>)"))));
}

} // namespace
