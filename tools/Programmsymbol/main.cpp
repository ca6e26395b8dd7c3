// Writes the program's icon into a folder laid out like the hicolor icon theme:
// a PNG for every size and the scalable SVG. The files under packaging/icons
// are this program's output.
//
//   Programmsymbol packaging/icons
#include "Symbol.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

bool Schreibe(const QString& pfad, const QByteArray& inhalt, QTextStream& fehler)
{
    QFile datei(pfad);
    if (!QDir().mkpath(QFileInfo(pfad).path()) || !datei.open(QIODevice::WriteOnly) ||
        datei.write(inhalt) != inhalt.size()) {
        fehler << pfad << " lässt sich nicht schreiben.\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Only images are painted, no text and no window: no application object needed.
    QTextStream fehler(stderr);
    if (argc != 2) {
        fehler << "Aufruf: Programmsymbol <Zielordner>\n";
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));

    for (int groesse : symbolGroessen) {
        const QString pfad = ziel.filePath(SymbolPfad(groesse));
        QByteArray png;
        {
            QBuffer puffer(&png);
            puffer.open(QIODevice::WriteOnly);
            SymbolBild(Programmsymbol(groesse), groesse).save(&puffer, "PNG");
        }
        if (!Schreibe(pfad, png, fehler))
            return 1;
        QTextStream(stdout) << pfad << "\n";
    }
    // The scalable drawing is the one of the largest size.
    const int groesste = symbolGroessen[std::size(symbolGroessen) - 1];
    const QString pfad = ziel.filePath(SymbolPfad(0));
    if (!Schreibe(pfad, SymbolSvg(Programmsymbol(groesste), groesste).toUtf8(), fehler))
        return 1;
    QTextStream(stdout) << pfad << "\n";
    return 0;
}
