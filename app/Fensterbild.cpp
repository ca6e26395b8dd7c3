#include "app/Fensterbild.h"

#include <QPixmap>

TFensterBild::TFensterBild(QWidget* eltern, QRect ort, const QString& datei, QImage (*zeichne)(QSize))
    : QLabel(eltern), datei_(datei), zeichne_(zeichne)
{
    setGeometry(ort);
    setScaledContents(true);
    abgleichen();
}

void TFensterBild::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    abgleichen();
}

void TFensterBild::paintEvent(QPaintEvent* e)
{
    // The window may have moved to a screen of another pixel ratio.
    abgleichen();
    QLabel::paintEvent(e);
}

void TFensterBild::abgleichen()
{
    // The device size as the label computes it for a scaled picture, so that
    // the picture is shown pixel for pixel.
    const qreal verhaeltnis = devicePixelRatio();
    const QSize geraet = contentsRect().size() * verhaeltnis;
    if (geraet == geraet_ || geraet.isEmpty())
        return;
    geraet_ = geraet;
    QPixmap bild;
    if (bild.load(datei_) && bild.size() == geraet)
        setPixmap(bild);
    else if (zeichne_) {
        bild = QPixmap::fromImage(zeichne_(geraet));
        bild.setDevicePixelRatio(verhaeltnis);
        setPixmap(bild);
    }
}
