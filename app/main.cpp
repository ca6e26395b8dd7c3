// Program start: the application object, Qt's own texts in German, the eleven
// windows in their fixed order (the start window first, as the main window),
// then the event loop until the start window closes.
#include "app/Ansicht.h"
#include "app/Programm.h"
#include "app/Sprache.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GEOMETRIE_ID));
    LadeDeutscheQtTexte();
    QCoreApplication::setOrganizationName(QStringLiteral("Geometrie"));
    // Windows fitted to the screen, the pupil's zoom kept for the next start.
    ansicht::Einschalten();

    TProgramm programm;
    programm.frmStart.show();
    return app.exec();
}
