// The picture of a window for the teacher: what its drawing areas show now, at
// their places in the window, on white and cut to the rectangle that holds
// them. It is drawn by the areas' own paint handlers onto whatever device asks
// (image, SVG, PDF, printer), so that lines and text stay vectors where the
// device keeps vectors. Copying, saving and printing are built on it.
#pragma once

#include <QByteArray>
#include <QFileDialog>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <functional>

class QMimeData;
class QPainter;
class QPrinter;
class QSaveFile;
class QWidget;
class TPaintBox;

// One drawing area and where it lies in the picture.
struct TBildBereich {
    TPaintBox* box = nullptr;
    QRect lage; // in the picture's pixels, (0, 0) at the picture's top-left corner
};

struct TBildInhalt {
    QList<TBildBereich> teile;
    QSize groesse; // empty when the window shows no drawing area
};

// The drawing areas of `fenster` that are visible and belong to the picture,
// top to bottom and left to right.
TBildInhalt BildInhalt(const QWidget* fenster);

// Draws the picture with its top-left corner at the painter's origin: white
// ground, each area clipped to itself, nothing between the areas.
void ZeichneBild(const TBildInhalt& inhalt, QPainter& maler);

// The picture as an image, `faktor` times its size (1: pixel for pixel as on screen).
QImage BildAlsRaster(const TBildInhalt& inhalt, int faktor = 1);
QByteArray BildAlsPng(const TBildInhalt& inhalt, int faktor = 1);
QByteArray BildAlsSvg(const TBildInhalt& inhalt, const QString& titel);
// For the clipboard: image/png at 1:1 and image/svg+xml.
QMimeData* BildAlsMimeDaten(const TBildInhalt& inhalt, const QString& titel);

// Where title, picture and instruction go on a page whose printable area is
// `flaeche` (device pixels at `dpi`). The picture keeps its proportions and is
// centred in what the texts leave; its scale is `massstab` device pixels per
// picture pixel.
struct TSeitenAufteilung {
    QRectF titel;
    QRectF bild;
    QRectF anweisung; // empty without an instruction
    qreal massstab = 0;
    int titelPixel = 0;     // font heights in device pixels
    int anweisungPixel = 0;
};
TSeitenAufteilung SeitenAufteilung(QRectF flaeche, qreal dpi, QSize bild, bool mitAnweisung);

// One page: the title above, the picture, the instruction below.
void ZeichneSeite(QPainter& maler, QRectF flaeche, qreal dpi, const TBildInhalt& inhalt, const QString& titel,
                  const QString& anweisung);

// The file types of "Speichern unter …".
enum class TBildFormat { Png, Png3, Svg, Pdf };

// The name filters of the save dialog, in the order of TBildFormat.
QStringList BildFilter();
// `datei` with the extension of `format`: a picture extension it has is
// replaced, otherwise the extension is appended.
QString MitEndung(const QString& datei, TBildFormat format);
// The format a chosen file name asks for: its extension decides, a ".png" the
// chosen filter (1:1 or 3-fold); without a known extension the filter's
// extension is appended to `datei`.
TBildFormat FormatFuerDatei(QString& datei, int filterIndex);

// The complete file of the picture in `format`, made in memory; empty when it
// could not be made.
QByteArray BildDaten(const TBildInhalt& inhalt, TBildFormat format, const QString& titel, const QString& anweisung);

// The dialog of "Speichern unter …" with the types of BildFilter. The type's
// extension becomes part of the typed name before the dialog decides whether
// to ask about replacing an existing file, so the question is always about the
// file that will be written.
class TBildDialog : public QFileDialog {
public:
    TBildDialog(QWidget* eltern, const QString& ordner, const QString& name, int filterIndex);
    int FilterIndex() const;
    // The file to write, with its extension; empty unless accepted.
    QString Datei() const;
    void accept() override;

private:
    void folgeFilter(int index);
};

// Writes `daten` to `datei` through a temporary file beside it that replaces
// the target only when every byte is written. Returns an empty string, or the
// German message of the failure; on failure no file is left behind and an
// existing file is unchanged.
QString SchreibeDatei(const QString& datei, const QByteArray& daten);

// The picture in `format` into `datei`, as SchreibeDatei.
QString SpeichereBild(const TBildInhalt& inhalt, const QString& datei, TBildFormat format, const QString& titel,
                      const QString& anweisung);

// How SchreibeDatei hands its bytes to the temporary file and completes it
// (QSaveFile::write and commit). Tests put in a way that fails after some bytes
// or on completion; members left empty mean the real ones.
struct TDateiWeg {
    std::function<qint64(QSaveFile& datei, const char* daten, qint64 anzahl)> schreibe;
    std::function<bool(QSaveFile& datei)> schliesse;
};
void SetzeDateiWeg(TDateiWeg weg);

// A printer set up for the picture: A4 landscape, 15 mm margins.
void RichteDruckerEin(QPrinter& drucker);

// Shows the German print dialog for `drucker` and prints the page when the user
// confirms. False when the dialog was cancelled.
bool LasseAusBild(QWidget* eltern, QPrinter& drucker, const TBildInhalt& inhalt, const QString& titel,
                  const QString& anweisung);
