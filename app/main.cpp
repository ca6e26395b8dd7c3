// Program start: the application object, Qt's own texts in German, the eleven
// windows in their fixed order (the start window first, as the main window),
// then the event loop until the start window closes.
#include "app/Programm.h"
#include "app/Sprache.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GEOMETRIE_ID));
    LadeDeutscheQtTexte();

    TProgramm programm;
    programm.frmStart.show();
    return app.exec();
}
