#include "Zeichnungen.h"

#include "app/ModellFenster.h"
#include "app/Steuerelemente.h"

#include <QImage>
#include <QTextStream>

int SchreibeZeichnungen(QWidget* fenster, const QString& name, const QDir& ziel)
{
    auto* modell = qobject_cast<TModellFenster*>(fenster);
    if (!modell)
        return 0;
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    int fehlschlaege = 0;
    const int anzahl = int(modell->Modell().Layout().bereiche.size());
    for (int i = 0; i < anzahl; ++i) {
        TPaintBox* box = modell->Zeichnung(i);
        if (!box || !box->OnPaint)
            continue;
        // The paint handler alone: no focus frame, no keyboard pointer.
        const QImage bild = box->Abbild();
        const QString pfad = ziel.filePath(QStringLiteral("%1.%2.png").arg(name).arg(i));
        if (!bild.save(pfad, "PNG")) {
            fehler << pfad << " lässt sich nicht schreiben.\n";
            ++fehlschlaege;
            continue;
        }
        aus << pfad << "  " << bild.width() << " x " << bild.height() << "\n";
    }
    return fehlschlaege;
}
