#include "app/InformationU.h"

#include "app/Fensterbild.h"
#include "app/Vorlesen.h"
#include "app/bilder/Bilder.h"
#include "draw/Texte.h"

#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"


const QList<TGeschichtsZeile>& GeschichtsZeilen()
{
    // Five paragraphs; the gaps in y are the blank lines between them. Each line
    // stays left of the picture that shares its rows.
    static const QList<TGeschichtsZeile> zeilen = {
        {16.5f, QStringLiteral("Schon vor über 4000 Jahren nutzten die #Ägypter# die Geometrie zur "
                               "#Landvermessung#. Nach den jährlichen")},
        {15.0f, QStringLiteral("Überschwemmungen des Nils mussten ihre Felder immer wieder neu vermessen werden "
                               "– Jahr für Jahr.")},
        {13.5f, QStringLiteral("Zu einer Wissenschaft wurde die Geometrie aber erst durch die griechischen Denker.")},
        {12.0f, QStringLiteral("Als Erster ist #Thales# zu nennen. Die Mathematiker der griechischen Antike "
                               "arbeiteten nicht")},
        {10.5f, QStringLiteral("mit einem Geodreieck, wie ihr es heute im Unterricht verwendet.")},
        {7.5f, QStringLiteral("Zum Konstruieren erlaubten sie nur #Zirkel# und #Lineal# ohne Maßeinteilung.")},
        {6.0f, QStringLiteral("Den Zirkel und das Lineal zogen sie allen anderen Hilfsmitteln vor, weil sie")},
        {4.5f, QStringLiteral("den Kreis und die gerade Linie für die vollkommensten Figuren hielten.")},
        {1.5f, QStringLiteral("Unter dem Einfluss des Philosophen #Platon# wurde die Geometrie zu einem edlen,")},
        {0.0f, QStringLiteral("geistigen Sport. Strecken und Winkel sind nämlich nur gedachte Dinge, die")},
        {-1.5f, QStringLiteral("man nie ganz genau zeichnen oder messen kann. Deshalb waren nur")},
        {-3.0f, QStringLiteral("Konstruktionen ohne Messen erlaubt, also allein mit #Zirkel# und #Lineal#.")},
        {-6.0f, QStringLiteral("Die klassische Art, Geometrie zu treiben, stammt vom Griechen #Euklid# "
                               "(um 300 v. Chr.).")},
        {-7.5f, QStringLiteral("Er lernte bei Schülern Platons an dessen Akademie in Athen und wirkte später "
                               "in Alexandria.")},
        {-9.0f, QStringLiteral("Dort schrieb er in 13 Büchern, den #Elementen#, die Mathematik seiner Zeit nieder.")},
        {-10.5f, QStringLiteral("Die Gelehrten der folgenden Jahrhunderte sahen in diesen Büchern")},
        {-12.0f, QStringLiteral("#eines der bedeutendsten Werke der Antike# und ein Vorbild für jedes Lehrbuch.")},
        {-15.0f, QStringLiteral("Darum wurden die Elemente bald nach der Erfindung des #Buchdrucks# (1455)")},
        {-16.5f, QStringLiteral("mit der Kunst ihres Erfinders #Johannes Gutenberg# als Buch gedruckt.")},
    };
    return zeilen;
}

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
        for (const TGeschichtsZeile& zeile : GeschichtsZeilen())
            zeilen.push_back(Klartext(zeile.text.toStdString()));
        return Verbunden(zeilen, " ");
    };
    SetzeClient(client_, 1016, 722);

    // Each picture stands beside the paragraph it belongs to; a reader hears which.
    struct Platz {
        QRect geometrie;
        const char* datei;
        QImage (*zeichne)(QSize);
        const char* beschreibung;
    };
    const Platz plaetze[] = {
        {QRect(880, 80, 120, 171), ":/bilder/info1.jpg", Infobild1,
         "Die Marmorbüste eines bärtigen Denkers vor dem Nachthimmel, oben eine Sonnenfinsternis. "
         "Sie gehört zum Absatz über Thales."},
        {QRect(776, 192, 77, 113), ":/bilder/info2.jpg", Infobild2,
         "Ein Zirkel auf hellem Papier mit blassen Formeln. Er gehört zum Absatz über Zirkel und Lineal."},
        {QRect(880, 288, 123, 131), ":/bilder/info3.jpg", Infobild3,
         "Ein alter Philosoph mit langem weißem Bart im roten Mantel zeigt mit der Hand nach oben, "
         "hinter ihm ein Torbogen. Er gehört zum Absatz über Platon."},
        {QRect(792, 432, 110, 131), ":/bilder/info4.jpg", Infobild4,
         "Ein alter Kupferstich: ein Gelehrter mit Bart und Mütze, neben ihm ein Zirkel. "
         "Er gehört zum Absatz über Euklid."},
        {QRect(752, 576, 117, 130), ":/bilder/info5.jpg", Infobild5,
         "Das gemalte Bildnis eines Mannes mit langem Bart und Pelzmütze vor dunklem Grund. "
         "Es gehört zum Absatz über Johannes Gutenberg."},
    };
    for (const Platz& p : plaetze) {
        auto* bild = new TFensterBild(client_, p.geometrie, QLatin1String(p.datei), p.zeichne);
        bild->setAccessibleName(QStringLiteral("Bild %1").arg(bilder_.size() + 1));
        bild->setAccessibleDescription(QString::fromUtf8(p.beschreibung));
        bilder_.append(bild);
    }
}

void TfrmInformation::FormActivate()
{
    SetzeWeltfenster(0, 1000, 0, 700, -25, 25, -20, 20);
}

void TfrmInformation::FormPaint()
{
    Leinwand& lw = client_->Canvas;
    ZeichneGitter(lw);
    TextMitte(lw, QStringLiteral("Aus der Geschichte der Geometrie"), clBlue, true, 18, 0, 19);
    for (const TGeschichtsZeile& zeile : GeschichtsZeilen())
        FarbTextLinks(lw, zeile.text, clBlack, true, 12, clRed, -24, zeile.y);
}
