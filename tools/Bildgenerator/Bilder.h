// The pictures of the start window and the information window, each drawn by
// our own code at its final size.
#pragma once

#include <QImage>

// 440 x 440: triangle ABC with its three heights meeting in H.
QImage Startbild();

// The five pictures beside the history page.
QImage Infobild1(); // 120 x 171: marble bust before a solar eclipse
QImage Infobild2(); //  77 x 113: a pair of compasses over faint formulas
QImage Infobild3(); // 123 x 131: old philosopher in a robe, pointing upwards
QImage Infobild4(); // 110 x 131: engraving of a scholar in a cap with compasses
QImage Infobild5(); // 117 x 130: bearded man in a fur cap

// The JPEG quality a picture is written with: line drawings keep crisper
// edges at a higher quality.
inline int JpegQualitaet(const QImage& bild) { return bild.width() > 200 ? 95 : 92; }
