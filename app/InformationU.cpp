#include "app/InformationU.h"

#include "app/Fensterbild.h"
#include "app/Vorlesen.h"
#include "app/bilder/Bilder.h"
#include "app/seiten/Seiten.h"
#include "draw/Leinwand.h"
#include "draw/Texte.h"

#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"


TfrmInformation::TfrmInformation(QWidget* eltern) : TInhaltsFenster(QStringLiteral("Informationen"), eltern)
{
    client_ = new TPaintBox(this, QRect(0, 0, 1016, 722));
    client_->setMouseTracking(false);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
    client_->OnPaint = [this] { FormPaint(); };
    client_->Rolle = TPaintBox::TRolle::Text;
    client_->setAccessibleName(QStringLiteral("Aus der Geschichte der Geometrie"));
    client_->OnBeschreibung = [] {
        std::vector<std::string> zeilen;
        for (const seiten::TGeschichtsZeile& zeile : seiten::GeschichtsZeilen())
            zeilen.push_back(Klartext(zeile.text));
        return Verbunden(zeilen, " ");
    };
    SetzeClient(client_, 1016, 722);

    static QImage (*const zeichner[])(QSize) = {Infobild1, Infobild2, Infobild3, Infobild4, Infobild5};
    for (std::size_t i = 0; i < seiten::InfoBilder().size(); ++i) {
        const seiten::TSeitenBild& b = seiten::InfoBilder()[i];
        auto* bild = new TFensterBild(client_, QRect(b.links, b.oben, b.breite, b.hoehe),
                                      QtText(":/bilder/" + b.datei), zeichner[i]);
        bild->setAccessibleName(QtText(b.name));
        bild->setAccessibleDescription(QtText(b.beschreibung));
        bilder_.append(bild);
    }
}

void TfrmInformation::FormActivate()
{
    SetzeWeltfenster(0, 1000, 0, 700, -25, 25, -20, 20);
}

void TfrmInformation::FormPaint() { seiten::ZeichneInfoSeite(client_->Canvas); }
