#include "app/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LadeDeutscheQtTexte()
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    static const char* const name = "geometrieQtTexte";
    if (app->findChild<QTranslator*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
        return true;
    auto* uebersetzung = new QTranslator(app);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(uebersetzung)) {
        delete uebersetzung;
        return false;
    }
    uebersetzung->setObjectName(QLatin1String(name));
    return true;
}
