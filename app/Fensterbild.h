// A picture of the start or information window. At the design's resolution
// it shows its JPEG file; at any other (window scale times the screen's
// device pixel ratio) its drawing is made anew at the screen's pixels, so it
// stays as crisp as the text beside it.
#pragma once

#include <QImage>
#include <QLabel>
#include <QSize>
#include <QString>

class TFensterBild : public QLabel {
public:
    // `zeichne` draws the picture at a size in device pixels (app/bilder/Bilder.h).
    TFensterBild(QWidget* eltern, QRect ort, const QString& datei, QImage (*zeichne)(QSize));

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // The picture for the current size and device pixel ratio.
    void abgleichen();

    QString datei_;
    QImage (*zeichne_)(QSize);
    QSize geraet_; // the device pixels the picture shown was made for
};
