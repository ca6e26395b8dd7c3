// The six pictures in resources/ are what tools/Bildgenerator draws: each
// drawing is put through the JPEG encoder as the tool does and compared with
// the file, allowing for small differences between encoder versions.
#include "Bilder.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The largest mean difference of the channels over an 8 x 8 block (the
// encoder's unit): another encoder version moves a block by a level or two, a
// changed drawing moves the blocks it touches by far more.
double GroessteFeldAbweichung(const QImage& a, const QImage& b)
{
    double groesste = 0;
    for (int fy = 0; fy < a.height(); fy += 8)
        for (int fx = 0; fx < a.width(); fx += 8) {
            double summe = 0;
            int n = 0;
            for (int y = fy; y < std::min(fy + 8, a.height()); ++y)
                for (int x = fx; x < std::min(fx + 8, a.width()); ++x, ++n) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                             + std::abs(qBlue(p) - qBlue(q));
                }
            groesste = std::max(groesste, summe / (3.0 * n));
        }
    return groesste;
}

} // namespace

TEST(Bildgenerator, BilderInResourcesSindWasErZeichnet)
{
    const std::pair<const char*, std::function<QImage()>> bilder[] = {
        {"start.jpg", Startbild}, {"info1.jpg", Infobild1}, {"info2.jpg", Infobild2},
        {"info3.jpg", Infobild3}, {"info4.jpg", Infobild4}, {"info5.jpg", Infobild5},
    };
    for (const auto& [datei, zeichne] : bilder) {
        SCOPED_TRACE(datei);
        const QImage gespeichert(QStringLiteral(GEOMETRIE_QUELLE "/resources/") + QLatin1String(datei));
        ASSERT_FALSE(gespeichert.isNull());
        const QImage neu = zeichne();
        QByteArray jpeg;
        QBuffer puffer(&jpeg);
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(neu.save(&puffer, "JPG", JpegQualitaet(neu))) << "no JPEG plugin";
        const QImage kodiert = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(gespeichert.size(), kodiert.size());
        EXPECT_LE(GroessteFeldAbweichung(gespeichert.convertToFormat(QImage::Format_RGB32), kodiert), 3.0)
            << "run tools/Bildgenerator to draw resources/ anew";
    }
}
