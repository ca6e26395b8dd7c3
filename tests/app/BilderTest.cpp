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

TEST(Bilder, FensterZeigenIhreBilder)
{
    TfrmStart start;
    const QPixmap startbild = start.imgBild()->pixmap();
    EXPECT_EQ(Groesse(startbild.size()), Groesse(QSize(440, 440))) << "the start window holds no start picture";

    TfrmInformation info;
    for (int nummer = 1; nummer <= 5; ++nummer) {
        SCOPED_TRACE(nummer);
        const Bild& b = bilder[nummer];
        EXPECT_EQ(Groesse(info.Bild(nummer)->pixmap().size()), Groesse(QSize(b.breite, b.hoehe)));
    }
}
