// The pictures of the start window and the information window, each drawn by
// our own code at any size in pixels: at its design size (an empty size) it is
// the picture in resources/; at another it is drawn anew at that size.
#pragma once

#include <QImage>
#include <QSize>

// 440 x 440: triangle ABC with its three heights meeting in H.
QImage Startbild(QSize groesse = {});

// The five pictures beside the history page.
QImage Infobild1(QSize groesse = {}); // 120 x 171: marble bust before a solar eclipse
QImage Infobild2(QSize groesse = {}); //  77 x 113: a pair of compasses over faint formulas
QImage Infobild3(QSize groesse = {}); // 123 x 131: old philosopher in a robe, pointing upwards
QImage Infobild4(QSize groesse = {}); // 110 x 131: engraving of a scholar in a cap with compasses
QImage Infobild5(QSize groesse = {}); // 117 x 130: bearded man in a fur cap

// The JPEG quality a picture is written with: line drawings keep crisper
// edges at a higher quality.
inline int JpegQualitaet(const QImage& bild) { return bild.width() > 200 ? 95 : 92; }
