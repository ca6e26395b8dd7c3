// Renders every window of the program into a PNG file, at 1:1 pixels on the
// offscreen platform: the start window, the information window and each
// lesson window in its opening state, plus the further named states of
// Zustaende.cpp.
//
//   Fensterbilder <folder>              all states
//   Fensterbilder <folder> Winkel1 ...  only the named states
//   Fensterbilder --baum <folder> ...   also each window's accessibility tree as text
//   Fensterbilder --liste               the names
//   Fensterbilder --skala 1.5 ...       the windows laid out at that scale
//   Fensterbilder --dpr 2 ...           on a screen of that device pixel ratio
//   Fensterbilder --zeichnungen DIR ... also each drawing area of a lesson window
//                                       alone into DIR, as PNG and pixel operations
//   Fensterbilder --abspielen OPS.json B H BILD.png
//                                       pixel operations painted by the desktop canvas
#include "Abspielen.h"
#include "Zeichnungen.h"
#include "Zustaende.h"

#include "app/Inhaltsfenster.h"
#include "app/StartU.h"
#include "draw/ZufallU.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPixmap>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <memory>

namespace {

// What a screen reader is told of the window, one object per line, indented
// by depth: role, name, description, value and the states that matter.
void SchreibeBaum(QAccessibleInterface* objekt, int tiefe, QTextStream& aus)
{
    if (!objekt || !objekt->isValid())
        return;
    const QAccessible::State z = objekt->state();
    aus << QString(tiefe * 2, QLatin1Char(' ')) << int(objekt->role()) << " \"" << objekt->text(QAccessible::Name)
        << "\" \"" << objekt->text(QAccessible::Description) << "\" \"" << objekt->text(QAccessible::Value) << "\""
        << (z.invisible ? " unsichtbar" : "") << (z.disabled ? " gesperrt" : "") << (z.checked ? " an" : "")
        << (z.focusable ? " fokussierbar" : "") << "\n";
    for (int i = 0; i < objekt->childCount(); ++i)
        SchreibeBaum(objekt->child(i), tiefe + 1, aus);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // One window pixel is one picture pixel, unless a device pixel ratio is asked for.
    qreal dpr = 1;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--dpr")
            dpr = QByteArray(argv[i + 1]).toDouble();
    if (dpr > 0 && dpr != 1) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(dpr));
    } else {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qunsetenv("QT_SCALE_FACTOR");
    }
    QApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);

    QStringList argumente = app.arguments();
    argumente.removeFirst();
    const bool mitBaum = argumente.removeAll(QStringLiteral("--baum")) > 0;
    QString zeichnungen;
    if (const int stelle = argumente.indexOf(QStringLiteral("--zeichnungen")); stelle >= 0 && stelle + 1 < argumente.size()) {
        zeichnungen = argumente.at(stelle + 1);
        argumente.remove(stelle, 2);
    }
    qreal skala = 1;
    for (const char* schalter : {"--skala", "--dpr"}) {
        const int stelle = argumente.indexOf(QLatin1String(schalter));
        if (stelle >= 0 && stelle + 1 < argumente.size()) {
            if (QByteArray(schalter) == "--skala")
                skala = argumente.at(stelle + 1).toDouble();
            argumente.remove(stelle, 2);
        }
    }
    if (argumente.value(0) == QLatin1String("--liste")) {
        for (const Zustand& z : Zustaende())
            aus << z.name << "\n";
        return 0;
    }
    if (argumente.value(0) == QLatin1String("--abspielen") && argumente.size() == 5) {
        QFile datei(argumente.at(1));
        if (!datei.open(QIODevice::ReadOnly)) {
            fehler << datei.fileName() << " lässt sich nicht lesen.\n";
            return 1;
        }
        const QImage bild = SpieleAb(QJsonDocument::fromJson(datei.readAll()).array(), argumente.at(2).toInt(),
                                     argumente.at(3).toInt());
        return bild.save(argumente.at(4), "PNG") ? 0 : 1;
    }
    if (argumente.isEmpty() || argumente.first().startsWith(QLatin1Char('-'))) {
        fehler << "Aufruf: Fensterbilder [--baum] <Zielordner> [Name ...]\n"
                  "        Fensterbilder --liste\n";
        return 2;
    }

    // The start and information windows show JPEG pictures; without the plugin
    // they would be rendered empty.
    if (!QImageReader::supportedImageFormats().contains("jpeg")) {
        fehler << "Das JPEG-Bildmodul von Qt (qjpeg) fehlt: die Bilder des Start- und des "
                  "Informationsfensters lassen sich nicht lesen.\n";
        return 1;
    }

    QDir ziel(argumente.takeFirst());
    if (!ziel.mkpath(QStringLiteral("."))) {
        fehler << "Ordner " << ziel.path() << " lässt sich nicht anlegen.\n";
        return 1;
    }

    QSet<QString> gewuenscht(argumente.begin(), argumente.end());
    for (const QString& name : gewuenscht) {
        const bool bekannt = std::any_of(Zustaende().begin(), Zustaende().end(),
                                         [&](const Zustand& z) { return z.name == name; });
        if (!bekannt) {
            fehler << "Unbekannter Zustand: " << name << " (Fensterbilder --liste zeigt alle)\n";
            return 2;
        }
    }

    int fehlschlaege = 0;
    for (const Zustand& zustand : Zustaende()) {
        if (!gewuenscht.isEmpty() && !gewuenscht.contains(zustand.name))
            continue;
        // A window that seeds its generator from the clock when it opens shows
        // the same figures in every run, and whichever states are asked for.
        FesteZufallsUhr(1);
        std::unique_ptr<QWidget> fenster(zustand.bereite());
        if (!fenster) {
            fehler << zustand.name << ": kein Fenster\n";
            ++fehlschlaege;
            continue;
        }
        if (!fenster->isVisible())
            fenster->show();
        Verarbeite();
        if (skala > 0 && skala != 1) {
            if (auto* inhalt = qobject_cast<TInhaltsFenster*>(fenster.get()))
                inhalt->SetzeSkala(skala);
            else if (auto* start = qobject_cast<TfrmStart*>(fenster.get()))
                start->SetzeSkala(skala);
            Verarbeite();
        }
        // Pictures show no focus frame and no keyboard pointer unless the
        // state asks for them.
        if (!zustand.mitFokus)
            if (QWidget* fokus = QApplication::focusWidget(); fokus && fokus->window() == fenster.get())
                fokus->clearFocus();
        Verarbeite();

        if (mitBaum) {
            QFile datei(ziel.filePath(zustand.name + QStringLiteral(".baum.txt")));
            if (!datei.open(QIODevice::WriteOnly | QIODevice::Text)) {
                fehler << datei.fileName() << " lässt sich nicht schreiben.\n";
                ++fehlschlaege;
            } else {
                QTextStream baum(&datei);
                SchreibeBaum(QAccessible::queryAccessibleInterface(fenster.get()), 0, baum);
            }
        }
        if (!zeichnungen.isEmpty()) {
            const QDir ordner(zeichnungen);
            if (!ordner.mkpath(QStringLiteral(".")))
                ++fehlschlaege;
            else
                fehlschlaege += SchreibeZeichnungen(fenster.get(), zustand.name, ordner);
        }
        const QPixmap bild = fenster->grab();
        fenster->close();
        fenster.reset();
        Verarbeite();

        const QString pfad = ziel.filePath(zustand.name + QStringLiteral(".png"));
        if (bild.devicePixelRatio() != dpr)
            fehler << zustand.name << ": Pixelverhältnis " << bild.devicePixelRatio() << " statt 1\n";
        if (!bild.save(pfad, "PNG")) {
            fehler << pfad << " lässt sich nicht schreiben.\n";
            ++fehlschlaege;
            continue;
        }
        aus << pfad << "  " << bild.width() << " x " << bild.height() << "\n";
        aus.flush();
    }
    return fehlschlaege == 0 ? 0 : 1;
}
