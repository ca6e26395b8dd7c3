#include "app/seiten/Seiten.h"

#include "draw/Aufnahme.h"
#include "draw/GlobalU.h"
#include "draw/Json.h"
#include "draw/SchriftU.h"
#include "draw/Zeichne.h"

namespace seiten {

const char* const startTitel = "Geometrische Grundbegriffe";
const char* const startUntertitel = "Winkel, Symmetrie, Dreieckskonstruktionen";
const char* const version = "Version 2.0";
const char* const autor = "Ein Geometriekurs für die Unterstufe";

const std::vector<TGeschichtsZeile>& GeschichtsZeilen()
{
    // Five paragraphs; the gaps in y are the blank lines between them. Each line
    // stays left of the picture that shares its rows.
    static const std::vector<TGeschichtsZeile> zeilen = {
        {16.5f, "Schon vor über 4000 Jahren nutzten die #Ägypter# die Geometrie zur "
                               "#Landvermessung#. Nach den jährlichen"},
        {15.0f, "Überschwemmungen des Nils mussten ihre Felder immer wieder neu vermessen werden "
                               "– Jahr für Jahr."},
        {13.5f, "Zu einer Wissenschaft wurde die Geometrie aber erst durch die griechischen Denker."},
        {12.0f, "Als Erster ist #Thales# zu nennen. Die Mathematiker der griechischen Antike "
                               "arbeiteten nicht"},
        {10.5f, "mit einem Geodreieck, wie ihr es heute im Unterricht verwendet."},
        {7.5f, "Zum Konstruieren erlaubten sie nur #Zirkel# und #Lineal# ohne Maßeinteilung."},
        {6.0f, "Den Zirkel und das Lineal zogen sie allen anderen Hilfsmitteln vor, weil sie"},
        {4.5f, "den Kreis und die gerade Linie für die vollkommensten Figuren hielten."},
        {1.5f, "Unter dem Einfluss des Philosophen #Platon# wurde die Geometrie zu einem edlen,"},
        {0.0f, "geistigen Sport. Strecken und Winkel sind nämlich nur gedachte Dinge, die"},
        {-1.5f, "man nie ganz genau zeichnen oder messen kann. Deshalb waren nur"},
        {-3.0f, "Konstruktionen ohne Messen erlaubt, also allein mit #Zirkel# und #Lineal#."},
        {-6.0f, "Die klassische Art, Geometrie zu treiben, stammt vom Griechen #Euklid# "
                               "(um 300 v. Chr.)."},
        {-7.5f, "Er lernte bei Schülern Platons an dessen Akademie in Athen und wirkte später "
                               "in Alexandria."},
        {-9.0f, "Dort schrieb er in 13 Büchern, den #Elementen#, die Mathematik seiner Zeit nieder."},
        {-10.5f, "Die Gelehrten der folgenden Jahrhunderte sahen in diesen Büchern"},
        {-12.0f, "#eines der bedeutendsten Werke der Antike# und ein Vorbild für jedes Lehrbuch."},
        {-15.0f, "Darum wurden die Elemente bald nach der Erfindung des #Buchdrucks# (1455)"},
        {-16.5f, "mit der Kunst ihres Erfinders #Johannes Gutenberg# als Buch gedruckt."},
    };
    return zeilen;
}

const TSeitenBild& StartBild()
{
    static const TSeitenBild bild{
        287, 202, 440, 440, "start.jpg", "Titelbild",
        "Ein spitzwinkeliges Dreieck ABC mit den Seiten a, b und c und seinen drei Höhen ha, hb "
        "und hc. Jede Höhe steht im rechten Winkel auf ihrer Seite; die drei Höhen schneiden "
        "einander im Höhenschnittpunkt H."};
    return bild;
}

const std::vector<TSeitenBild>& InfoBilder()
{
    // Each picture stands beside the paragraph it belongs to; a reader hears which.
    static const std::vector<TSeitenBild> bilder = {
        {880, 80, 120, 171, "info1.jpg", "Bild 1",
         "Die Marmorbüste eines bärtigen Denkers vor dem Nachthimmel, oben eine Sonnenfinsternis. "
         "Sie gehört zum Absatz über Thales."},
        {776, 192, 77, 113, "info2.jpg", "Bild 2",
         "Ein Zirkel auf hellem Papier mit blassen Formeln. Er gehört zum Absatz über Zirkel und Lineal."},
        {880, 288, 123, 131, "info3.jpg", "Bild 3",
         "Ein alter Philosoph mit langem weißem Bart im roten Mantel zeigt mit der Hand nach oben, "
         "hinter ihm ein Torbogen. Er gehört zum Absatz über Platon."},
        {792, 432, 110, 131, "info4.jpg", "Bild 4",
         "Ein alter Kupferstich: ein Gelehrter mit Bart und Mütze, neben ihm ein Zirkel. "
         "Er gehört zum Absatz über Euklid."},
        {752, 576, 117, 130, "info5.jpg", "Bild 5",
         "Das gemalte Bildnis eines Mannes mit langem Bart und Pelzmütze vor dunklem Grund. "
         "Es gehört zum Absatz über Johannes Gutenberg."},
    };
    return bilder;
}

const std::vector<TMenuePunkt>& StartMenue()
{
    static const std::vector<TMenuePunkt> menue = {
        {"menBeenden", "&Beenden", "Beenden", {}},
        {"menWinkel", "&Winkel", "",
         {{"menArten", "&Arten", "Winkel1", {}},
          {"menUebertragen", "&Übertragen", "Winkel2", {}},
          {"menParall", "&Parallelwinkel", "Winkel3", {}}}},
        {"menSymmetrie", "&Symmetrie", "",
         {{"menSpiegeln", "Spiegeln", "Symmetrie1", {}}, {"menSymmetralen", "Symmetralen", "Symmetrie2", {}}}},
        {"menDreieck", "&Dreieck", "",
         {{"menDreieck0", "Einteilung der Dreiecke", "Dreieck0", {}},
          {"menDreieck1", "Dreieckskonstuktionen", "Dreieck1", {}},
          {"menDreieck2", "Besondere Eigenschaften des Dreiecks", "Dreieck2", {}},
          {"menDreieck3", "Dynamisch verändern", "Dreieck3", {}}}},
        {"menInformation", "Information", "Information", {}},
    };
    return menue;
}

void ZeichneStreifen(TMalflaeche& lw, int breite, int aussenHoehe)
{
    lw.stift.breite = 7;
    lw.stift.stil = psSolid;
    for (int i = 0, y = 0; y < aussenHoehe; ++i, y += 5) {
        lw.stift.farbe = RGB(0, (60 + i) % 256, 0);
        lw.MoveTo(0, y);
        lw.LineTo(breite, y);
    }
    lw.stift.breite = 1;
    lw.stift.farbe = clBlack;
    for (int y = 0; y < aussenHoehe; y += 7) {
        lw.MoveTo(0, y);
        lw.LineTo(breite, y);
    }
}

void ZeichneStartTitel(TMalflaeche& lw)
{
    SetzeWeltfenster(0, 1000, 0, 670, -20, 20, -10, 10);
    ZeichneGitter(lw);
    TextMitte(lw, startTitel, clWhite, true, 36, 0, 9.5f);
    FarbTextMitte(lw, startUntertitel, clWhite, true, 24, clWhite, 0, 6.5f);
}

void ZeichneInfoSeite(TMalflaeche& lw)
{
    SetzeWeltfenster(0, 1000, 0, 700, -25, 25, -20, 20);
    ZeichneGitter(lw);
    TextMitte(lw, "Aus der Geschichte der Geometrie", clBlue, true, 18, 0, 19);
    for (const TGeschichtsZeile& zeile : GeschichtsZeilen())
        FarbTextLinks(lw, zeile.text, clBlack, true, 12, clRed, -24, zeile.y);
}

std::string StartseiteAlsJson()
{
    TAufnahme aufnahme;
    aufnahme.pinsel = {clBtnFace, bsSolid};
    aufnahme.FillRect(0, 0, 1016, 714);
    ZeichneStreifen(aufnahme, 1016, 714);
    aufnahme.Zuruecksetzen();
    aufnahme.ursprung = {8, 8};
    ZeichneStartTitel(aufnahme);
    return aufnahme.Json();
}

std::string InfoseiteAlsJson()
{
    TAufnahme aufnahme;
    aufnahme.pinsel = {clWhite, bsSolid};
    aufnahme.FillRect(0, 0, 1016, 722);
    aufnahme.Zuruecksetzen();
    ZeichneInfoSeite(aufnahme);
    return aufnahme.Json();
}

namespace {

json::TWert Punkt(const TMenuePunkt& p)
{
    std::vector<json::TWert> unter;
    for (const TMenuePunkt& u : p.punkte)
        unter.push_back(Punkt(u));
    return json::Objekt({{"name", p.name}, {"text", p.text}, {"ziel", p.ziel}, {"punkte", json::Liste(unter)}});
}

json::TWert Bild(const TSeitenBild& b)
{
    return json::Objekt({{"links", b.links}, {"oben", b.oben}, {"breite", b.breite}, {"hoehe", b.hoehe},
                         {"datei", b.datei}, {"name", b.name}, {"beschreibung", b.beschreibung}});
}

} // namespace

std::string StartMenueAlsJson()
{
    std::vector<json::TWert> punkte;
    for (const TMenuePunkt& p : StartMenue())
        punkte.push_back(Punkt(p));
    return json::Liste(punkte).text;
}

// {"start": picture, "info": [pictures], plus the texts of the start page}
std::string SeitenBilderAlsJson()
{
    std::vector<json::TWert> info;
    for (const TSeitenBild& b : InfoBilder())
        info.push_back(Bild(b));
    return json::Objekt({{"start", Bild(StartBild())}, {"info", json::Liste(info)}, {"titel", startTitel},
                         {"untertitel", startUntertitel}, {"version", version}, {"autor", autor}})
        .text;
}

} // namespace seiten
