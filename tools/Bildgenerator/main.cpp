// Writes the pictures of the start window and the information window as JPEG
// files into the folder given on the command line. Everything is drawn here;
// the files in resources/ are this program's output.
//
//   Bildgenerator resources/
#include "app/bilder/Bilder.h"

#include "draw/Leinwand.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

namespace {

struct Ausgabe {
    const char* datei;
    QImage (*zeichne)(QSize groesse);
    int breite;
    int hoehe;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream fehler(stderr);

    const QStringList argumente = app.arguments();
    if (argumente.size() != 2) {
        fehler << "Aufruf: Bildgenerator <Zielordner>\n";
        return 2;
    }
    if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
        fehler << "Das JPEG-Bildmodul von Qt (qjpeg) fehlt; ohne es lassen sich keine JPEG-Dateien schreiben.\n";
        return 1;
    }
    if (!SchriftenVerfuegbar())
        fehler << "Warnung: Liberation-Schriften nicht gefunden, die Beschriftung weicht ab.\n";

    QDir ziel(argumente.at(1));
    if (!ziel.mkpath(QStringLiteral("."))) {
        fehler << "Ordner " << ziel.path() << " lässt sich nicht anlegen.\n";
        return 1;
    }

    const Ausgabe ausgaben[] = {
        {"start.jpg", Startbild, 440, 440},  {"info1.jpg", Infobild1, 120, 171},
        {"info2.jpg", Infobild2, 77, 113},   {"info3.jpg", Infobild3, 123, 131},
        {"info4.jpg", Infobild4, 110, 131},  {"info5.jpg", Infobild5, 117, 130},
    };

    for (const Ausgabe& a : ausgaben) {
        const QImage bild = a.zeichne({});
        if (bild.width() != a.breite || bild.height() != a.hoehe) {
            fehler << a.datei << ": falsche Größe " << bild.width() << " x " << bild.height() << "\n";
            return 1;
        }
        const QString pfad = ziel.filePath(QString::fromLatin1(a.datei));
        if (!bild.save(pfad, "JPG", JpegQualitaet(bild))) {
            fehler << pfad << " lässt sich nicht schreiben.\n";
            return 1;
        }
        QTextStream(stdout) << pfad << "\n";
    }
    return 0;
}
