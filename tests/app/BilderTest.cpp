// The pictures of the start and information windows are JPEG files embedded
// as resources. Each must be there, decode with Qt's JPEG plugin and have the
// size of the picture control that shows it; the windows must hold them.
#include "app/InformationU.h"
#include "app/StartU.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Bild {
    const char* pfad;
    int breite;
    int hoehe;
};

constexpr Bild bilder[] = {
    {":/bilder/start.jpg", 440, 440}, {":/bilder/info1.jpg", 120, 171}, {":/bilder/info2.jpg", 77, 113},
    {":/bilder/info3.jpg", 123, 131}, {":/bilder/info4.jpg", 110, 131}, {":/bilder/info5.jpg", 117, 130},
};

constexpr const char* ohneJpegModul =
    "The Qt JPEG image plugin (imageformats/libqjpeg) is missing: the start picture and the five "
    "pictures of the information window cannot be decoded. Install the Qt image format plugins "
    "(e.g. the package qt6-image-formats-plugins or the JPEG plugin of the Qt build in use).";

std::string Groesse(QSize s)
{
    return std::to_string(s.width()) + " x " + std::to_string(s.height());
}

} // namespace

TEST(Bilder, JedesBildIstEingebettetJpegUndHatSeineGroesse)
{
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("jpeg")) << ohneJpegModul;
    for (const Bild& b : bilder) {
        SCOPED_TRACE(b.pfad);
        ASSERT_TRUE(QFile::exists(QString::fromLatin1(b.pfad)))
            << "not among the embedded resources: resources/resources.qrc is compiled into the static "
               "library geoapp, but its object is only linked when something refers to it "
               "(Q_INIT_RESOURCE(resources) in geoapp's code, or qt_add_resources on the target)";
        QImageReader leser(QString::fromLatin1(b.pfad));
        EXPECT_EQ(leser.format(), QByteArray("jpeg"));
        const QImage bild = leser.read();
        ASSERT_FALSE(bild.isNull()) << leser.errorString().toStdString();
        EXPECT_EQ(Groesse(bild.size()), Groesse(QSize(b.breite, b.hoehe)));
    }
}

// The windows show their pictures: at 1:1 the JPEG file itself; at scale 2 the
// drawing made anew at the screen's pixels, not the file enlarged: the start
// picture's thin grey frame (design column 6) is two device pixels of exactly
// its grey between white.
TEST(Bilder, FensterZeigenIhreBilderScharf)
{
    TfrmStart start;
    TfrmInformation info;
    start.show();
    info.show();
    for (qreal skala : {1.0, 2.0}) {
        SCOPED_TRACE(skala);
        start.SetzeSkala(skala);
        info.SetzeSkala(skala);
        QList<QLabel*> labels = {start.imgBild()}; // in the order of bilder[]
        for (int nummer = 1; nummer <= 5; ++nummer)
            labels << info.Bild(nummer);
        for (int i = 0; i < labels.size(); ++i) {
            const QPixmap bild = labels[i]->pixmap();
            EXPECT_EQ(bild.devicePixelRatio(), labels[i]->devicePixelRatio());
            EXPECT_EQ(Groesse(bild.size()), Groesse(labels[i]->size() * bild.devicePixelRatio()));
            if (skala == 1) {
                EXPECT_EQ(bild.toImage(), QPixmap(QString::fromLatin1(bilder[i].pfad)).toImage());
            }
        }
        const QImage startbild = start.imgBild()->pixmap().toImage();
        const int y = startbild.height() / 2, x = int(6 * skala);
        EXPECT_EQ(startbild.pixelColor(x - 1, y), QColor(Qt::white));
        for (int dx = 0; dx < skala; ++dx)
            EXPECT_EQ(startbild.pixelColor(x + dx, y), QColor(150, 150, 150)) << dx;
        EXPECT_EQ(startbild.pixelColor(x + int(skala), y), QColor(Qt::white));
    }
}
