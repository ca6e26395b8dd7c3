#include "app/BildAusgabe.h"

#include "app/Skalierung.h"

#include "app/Steuerelemente.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal randMm = 15;
constexpr int pdfDpi = 300;
constexpr int titelPunkte = 16;
constexpr int anweisungPunkte = 11;
constexpr int anweisungZeilen = 4;
const char* const endungen[] = {"png", "png", "svg", "pdf"};

int PunkteAufGeraet(int punkte, qreal dpi) { return qMax(1, qRound(punkte * dpi / 72.0)); }

// A drawing has few colours: lines, fills and text, and the blends at the
// edges of the text. With at most 256 of them the image is written with an
// exact colour table, several times smaller and faster to compress than
// 32-bit pixels. With more, an exact image stays as it is; otherwise (the
// 3-fold picture for print) the 256 most frequent colours are kept exactly
// and each rarer blend takes the nearest of them.
QImage MitFarbtabelle(const QImage& bild, bool genau)
{
    QHash<QRgb, int> anzahl;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width();) {
            int lauf = 1; // long runs of one colour, mostly white
            while (x + lauf < bild.width() && zeile[x + lauf] == zeile[x])
                ++lauf;
            anzahl[zeile[x]] += lauf;
            x += lauf;
        }
        if (genau && anzahl.size() > 256)
            return bild;
    }
    QList<QRgb> farben = anzahl.keys();
    std::sort(farben.begin(), farben.end(), [&](QRgb a, QRgb b) { return anzahl[a] > anzahl[b]; });
    const QList<QRgb> tabelle = farben.mid(0, 256);
    QHash<QRgb, uchar> index;
    for (int i = 0; i < int(farben.size()); ++i) {
        int beste = std::min(i, 255);
        if (i >= 256) {
            const auto abstand = [&](QRgb t) {
                const int r = qRed(t) - qRed(farben[i]), g = qGreen(t) - qGreen(farben[i]);
                const int b = qBlue(t) - qBlue(farben[i]);
                return r * r + g * g + b * b;
            };
            beste = int(std::min_element(tabelle.begin(), tabelle.end(),
                                         [&](QRgb a, QRgb b) { return abstand(a) < abstand(b); })
                        - tabelle.begin());
        }
        index.insert(farben[i], uchar(beste));
    }
    QImage palette(bild.size(), QImage::Format_Indexed8);
    palette.setColorTable(tabelle);
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        uchar* ziel = palette.scanLine(y);
        QRgb letzte = zeile[0];
        uchar i = index.value(letzte);
        for (int x = 0; x < bild.width(); ++x) {
            if (zeile[x] != letzte) {
                letzte = zeile[x];
                i = index.value(letzte);
            }
            ziel[x] = i;
        }
    }
    return palette;
}

bool SchreibePng(const QImage& bild, QIODevice& ziel, bool genau = true)
{
    return MitFarbtabelle(bild, genau).save(&ziel, "PNG");
}

} // namespace

TBildInhalt BildInhalt(const QWidget* fenster)
{
    TBildInhalt inhalt;
    if (!fenster)
        return inhalt;
    QRect rahmen;
    for (TPaintBox* box : fenster->findChildren<TPaintBox*>()) {
        if (!box->ImBild || !box->isVisibleTo(fenster) || box->Breite() <= 0 || box->Hoehe() <= 0)
            continue;
        // In design pixels: the picture is the same at every scale of the window.
        const QRect lage(EntwurfsLage(box, fenster), QSize(box->Breite(), box->Hoehe()));
        inhalt.teile.append({box, lage});
        rahmen = rahmen.united(lage);
    }
    std::sort(inhalt.teile.begin(), inhalt.teile.end(), [](const TBildBereich& a, const TBildBereich& b) {
        return a.lage.top() != b.lage.top() ? a.lage.top() < b.lage.top() : a.lage.left() < b.lage.left();
    });
    for (TBildBereich& teil : inhalt.teile)
        teil.lage.translate(-rahmen.topLeft());
    inhalt.groesse = rahmen.size();
    return inhalt;
}

void ZeichneBild(const TBildInhalt& inhalt, QPainter& maler)
{
    const QRect ganz(QPoint(0, 0), inhalt.groesse);
    maler.fillRect(ganz, Qt::white);
    QPainterPath flaechen;
    for (const TBildBereich& teil : inhalt.teile) {
        maler.save();
        maler.translate(teil.lage.topLeft());
        teil.box->Abbild(maler);
        maler.restore();
        flaechen.addRect(teil.lage);
    }
    // SVG output knows no clipping: whatever a drawing strayed beyond its
    // area is covered again, so that every device shows the same picture.
    QPainterPath rest;
    rest.addRect(ganz);
    maler.fillPath(rest.subtracted(flaechen), Qt::white);
}

QImage BildAlsRaster(const TBildInhalt& inhalt, int faktor)
{
    if (inhalt.groesse.isEmpty() || faktor < 1)
        return QImage();
    QImage bild(inhalt.groesse * faktor, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.scale(faktor, faktor);
    ZeichneBild(inhalt, maler);
    return bild;
}

QByteArray BildAlsPng(const TBildInhalt& inhalt, int faktor)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    SchreibePng(BildAlsRaster(inhalt, faktor), puffer);
    return daten;
}

QByteArray BildAlsSvg(const TBildInhalt& inhalt, const QString& titel)
{
    if (inhalt.groesse.isEmpty())
        return QByteArray();
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(inhalt.groesse);
    svg.setViewBox(QRect(QPoint(0, 0), inhalt.groesse));
    svg.setResolution(96);
    svg.setTitle(titel);
    svg.setDescription(QStringLiteral("Geometrie"));
    QPainter maler(&svg);
    ZeichneBild(inhalt, maler);
    maler.end();
    // The generator gives the size in millimetres, which readers turn back into
    // pixels at differing resolutions; in pixels it is 1:1 everywhere.
    static const QRegularExpression masse(QStringLiteral(R"(<svg width="[0-9.]+mm" height="[0-9.]+mm")"));
    QString text = QString::fromUtf8(daten);
    text.replace(masse, QStringLiteral(R"(<svg width="%1" height="%2")")
                            .arg(inhalt.groesse.width())
                            .arg(inhalt.groesse.height()));
    return text.toUtf8();
}

QMimeData* BildAlsMimeDaten(const TBildInhalt& inhalt, const QString& titel)
{
    auto* daten = new QMimeData;
    const QImage bild = BildAlsRaster(inhalt, 1);
    daten->setImageData(bild);
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    SchreibePng(bild, puffer);
    daten->setData(QStringLiteral("image/png"), png);
    daten->setData(QStringLiteral("image/svg+xml"), BildAlsSvg(inhalt, titel));
    return daten;
}

TSeitenAufteilung SeitenAufteilung(QRectF flaeche, qreal dpi, QSize bild, bool mitAnweisung)
{
    TSeitenAufteilung a;
    const qreal mm = dpi / 25.4;
    a.titelPixel = PunkteAufGeraet(titelPunkte, dpi);
    a.anweisungPixel = PunkteAufGeraet(anweisungPunkte, dpi);
    a.titel = QRectF(flaeche.left(), flaeche.top(), flaeche.width(), a.titelPixel * 1.5);
    qreal oben = a.titel.bottom() + 5 * mm, unten = flaeche.bottom();
    if (mitAnweisung) {
        const qreal hoehe = a.anweisungPixel * 1.25 * anweisungZeilen;
        a.anweisung = QRectF(flaeche.left(), flaeche.bottom() - hoehe, flaeche.width(), hoehe);
        unten = a.anweisung.top() - 5 * mm;
    }
    const qreal hoehe = qMax<qreal>(0, unten - oben);
    if (bild.isEmpty() || hoehe <= 0)
        return a;
    a.massstab = std::min(flaeche.width() / bild.width(), hoehe / bild.height());
    const QSizeF groesse(bild.width() * a.massstab, bild.height() * a.massstab);
    a.bild = QRectF(QPointF(flaeche.left() + (flaeche.width() - groesse.width()) / 2,
                            oben + (hoehe - groesse.height()) / 2),
                    groesse);
    return a;
}

void ZeichneSeite(QPainter& maler, QRectF flaeche, qreal dpi, const TBildInhalt& inhalt, const QString& titel,
                  const QString& anweisung)
{
    const TSeitenAufteilung a = SeitenAufteilung(flaeche, dpi, inhalt.groesse, !anweisung.isEmpty());
    maler.setPen(Qt::black);
    maler.setFont(QtSchrift(QStringLiteral("Arial"), a.titelPixel, true));
    maler.drawText(a.titel, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, titel);
    if (a.massstab > 0) {
        maler.save();
        maler.translate(a.bild.topLeft());
        maler.scale(a.massstab, a.massstab);
        ZeichneBild(inhalt, maler);
        maler.restore();
        // A thin frame shows where the picture ends on white paper.
        maler.setPen(QPen(Qt::gray, 0));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(a.bild);
    }
    if (!anweisung.isEmpty()) {
        maler.setPen(QtFarbe(clNavy));
        maler.setFont(QtSchrift(QStringLiteral("Arial"), a.anweisungPixel, true));
        maler.drawText(a.anweisung, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, anweisung);
    }
}

QStringList BildFilter()
{
    return {QStringLiteral("PNG-Bild, Bildschirmgröße (*.png)"),
            QStringLiteral("PNG-Bild, dreifache Größe für den Druck (*.png)"),
            QStringLiteral("SVG-Vektorgrafik (*.svg)"), QStringLiteral("PDF-Dokument (*.pdf)")};
}

QString MitEndung(const QString& datei, TBildFormat format)
{
    const QString endung = QLatin1String(endungen[int(format)]);
    const QString alt = QFileInfo(datei).suffix().toLower();
    const bool bekannt = alt == QLatin1String("png") || alt == QLatin1String("svg") || alt == QLatin1String("pdf");
    if (bekannt && !QFileInfo(datei).completeBaseName().isEmpty())
        return datei.left(datei.size() - alt.size()) + endung;
    return datei + QLatin1Char('.') + endung;
}

TBildFormat FormatFuerDatei(QString& datei, int filterIndex)
{
    const TBildFormat gewaehlt = (filterIndex >= 0 && filterIndex <= 3) ? TBildFormat(filterIndex) : TBildFormat::Png;
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QLatin1String("svg"))
        return TBildFormat::Svg;
    if (endung == QLatin1String("pdf"))
        return TBildFormat::Pdf;
    if (endung == QLatin1String("png"))
        return gewaehlt == TBildFormat::Png3 ? TBildFormat::Png3 : TBildFormat::Png;
    datei = MitEndung(datei, gewaehlt);
    return gewaehlt;
}

TBildDialog::TBildDialog(QWidget* eltern, const QString& ordner, const QString& name, int filterIndex)
    : QFileDialog(eltern, QStringLiteral("Bild speichern unter"))
{
    // The accept below works on the dialog's own name field.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    const QStringList filter = BildFilter();
    setNameFilters(filter);
    selectNameFilter(filter.at(std::clamp(filterIndex, 0, 3)));
    setDirectory(ordner);
    folgeFilter(FilterIndex());
    selectFile(MitEndung(name, TBildFormat(FilterIndex())));
    // Another type changes the extension of the name being typed.
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& gewaehlt) {
        const int index = BildFilter().indexOf(gewaehlt);
        if (index < 0)
            return;
        folgeFilter(index);
        auto* feld = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (feld && !feld->text().isEmpty())
            feld->setText(MitEndung(feld->text(), TBildFormat(index)));
    });
}

void TBildDialog::folgeFilter(int index) { setDefaultSuffix(QLatin1String(endungen[index])); }

int TBildDialog::FilterIndex() const { return qMax(0, BildFilter().indexOf(selectedNameFilter())); }

QString TBildDialog::Datei() const
{
    const QStringList dateien = selectedFiles();
    return result() == QDialog::Accepted && !dateien.isEmpty() ? dateien.first() : QString();
}

void TBildDialog::accept()
{
    auto* feld = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString getippt = feld ? feld->text() : QString();
    // A folder typed into the field is opened by the dialog, not given an extension.
    if (!getippt.isEmpty() && !QFileInfo(directory(), getippt).isDir()) {
        QString datei = getippt;
        FormatFuerDatei(datei, FilterIndex());
        if (datei != getippt)
            feld->setText(datei);
    }
    QFileDialog::accept();
}

namespace {

TDateiWeg dateiWeg;

qint64 SchreibeEcht(QSaveFile& datei, const char* daten, qint64 anzahl) { return datei.write(daten, anzahl); }

bool SchliesseEcht(QSaveFile& datei) { return datei.commit(); }

QByteArray PdfDaten(const TBildInhalt& inhalt, const QString& titel, const QString& anweisung)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setResolution(pdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(randMm, randMm, randMm, randMm), QPageLayout::Millimeter));
    pdf.setTitle(titel);
    pdf.setCreator(QStringLiteral("Geometrie"));
    QPainter maler;
    if (!maler.begin(&pdf))
        return QByteArray();
    const QRect flaeche = pdf.pageLayout().paintRectPixels(pdfDpi);
    ZeichneSeite(maler, QRectF(QPointF(0, 0), flaeche.size()), pdfDpi, inhalt, titel, anweisung);
    return maler.end() ? daten : QByteArray();
}

QString Misslungen(const QString& grund, const QString& name)
{
    return grund.arg(name) + QStringLiteral("\n\nDas Bild wurde nicht gespeichert. Eine Datei, die vorher unter "
                                            "diesem Namen bestand, ist unverändert.");
}

} // namespace

void SetzeDateiWeg(TDateiWeg weg) { dateiWeg = std::move(weg); }

QByteArray BildDaten(const TBildInhalt& inhalt, TBildFormat format, const QString& titel, const QString& anweisung)
{
    if (inhalt.groesse.isEmpty())
        return QByteArray();
    switch (format) {
    case TBildFormat::Png:
    case TBildFormat::Png3: {
        QByteArray daten;
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        const bool genau = format == TBildFormat::Png;
        if (!SchreibePng(BildAlsRaster(inhalt, genau ? 1 : 3), puffer, genau))
            return QByteArray();
        return daten;
    }
    case TBildFormat::Svg:
        return BildAlsSvg(inhalt, titel);
    case TBildFormat::Pdf:
        return PdfDaten(inhalt, titel, anweisung);
    }
    return QByteArray();
}

QString SchreibeDatei(const QString& datei, const QByteArray& daten)
{
    const QString name = QFileInfo(datei).fileName();
    const auto schreibe = dateiWeg.schreibe ? dateiWeg.schreibe : SchreibeEcht;
    const auto schliesse = dateiWeg.schliesse ? dateiWeg.schliesse : SchliesseEcht;
    // The bytes go unbuffered into a temporary file beside the target, so that
    // each write reports a full disk at once; the temporary file replaces the
    // target only once every byte has been taken. Destroying the save file
    // uncommitted removes the temporary file.
    QSaveFile ziel(datei);
    ziel.setDirectWriteFallback(false);
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Misslungen(QStringLiteral("Die Datei „%1“ kann nicht angelegt werden: Der Ordner ist nicht "
                                         "vorhanden oder nicht beschreibbar."),
                          name);
    qint64 geschrieben = 0;
    while (geschrieben < daten.size()) {
        const qint64 n = schreibe(ziel, daten.constData() + geschrieben, daten.size() - geschrieben);
        if (n <= 0 || ziel.error() != QFileDevice::NoError) {
            ziel.cancelWriting();
            return Misslungen(QStringLiteral("Beim Schreiben von „%1“ ist ein Fehler aufgetreten "
                                             "(ist der Datenträger voll?)."),
                              name);
        }
        geschrieben += n;
    }
    if (!schliesse(ziel))
        return Misslungen(QStringLiteral("Die Datei „%1“ konnte nicht fertig geschrieben werden "
                                         "(ist der Datenträger voll?)."),
                          name);
    return QString();
}

QString SpeichereBild(const TBildInhalt& inhalt, const QString& datei, TBildFormat format, const QString& titel,
                      const QString& anweisung)
{
    if (inhalt.groesse.isEmpty())
        return QStringLiteral("Dieses Fenster zeigt keine Zeichnung, die gespeichert werden könnte.");
    // The whole file is made in memory first: nothing touches the disk before
    // the picture is complete.
    const QByteArray daten = BildDaten(inhalt, format, titel, anweisung);
    if (daten.isEmpty())
        return Misslungen(QStringLiteral("Das Bild für „%1“ konnte nicht erzeugt werden."),
                          QFileInfo(datei).fileName());
    return SchreibeDatei(datei, daten);
}

void RichteDruckerEin(QPrinter& drucker)
{
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(randMm, randMm, randMm, randMm), QPageLayout::Millimeter));
}

bool LasseAusBild(QWidget* eltern, QPrinter& drucker, const TBildInhalt& inhalt, const QString& titel,
                  const QString& anweisung)
{
    drucker.setDocName(titel);
    QPrintDialog dialog(&drucker, eltern);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter maler;
    if (!maler.begin(&drucker))
        return false;
    const QRect flaeche = drucker.pageLayout().paintRectPixels(drucker.resolution());
    ZeichneSeite(maler, QRectF(QPointF(0, 0), flaeche.size()), drucker.resolution(), inhalt, titel, anweisung);
    return maler.end();
}
