// The six pictures in resources/ are what tools/Bildgenerator draws, put through
// the JPEG encoder as the tool writes them. Another encoder version moves a pixel
// by a few levels, a change to the drawing by far more.
#include "app/bilder/Bilder.h"

#include "TestHilfen.h"

#include <QBuffer>
#include <gtest/gtest.h>

TEST(Bildgenerator, BilderInResourcesSindWasErZeichnet)
{
    const std::pair<const char*, QImage (*)(QSize)> bilder[] = {
        {"start.jpg", Startbild}, {"info1.jpg", Infobild1}, {"info2.jpg", Infobild2},
        {"info3.jpg", Infobild3}, {"info4.jpg", Infobild4}, {"info5.jpg", Infobild5}};
    for (const auto& [datei, zeichne] : bilder) {
        SCOPED_TRACE(datei);
        const QImage neu = zeichne({});
        QByteArray jpeg;
        QBuffer puffer(&jpeg);
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly) && neu.save(&puffer, "JPG", JpegQualitaet(neu)));
        const QImage gespeichert(QStringLiteral(GEOMETRIE_QUELLE "/resources/") + QLatin1String(datei));
        ASSERT_EQ(gespeichert.size(), neu.size());
        EXPECT_LE(testhilfen::GroessteAbweichung(gespeichert, QImage::fromData(jpeg)), 24)
            << "run tools/Bildgenerator to draw resources/ anew";
    }
}
