// Where the desktop painter puts the text of a picture's labels, measured by
// Qt: the check that the core's own label boxes (Textmass) are right.
#pragma once

#include "draw/Bild.h"

#include <QRect>
#include <vector>

// Where an item that writes text (a name, a label, a fraction) puts it: the
// pixel box around all its characters, each as wide as its advance and as tall
// as its font, placed as Zeichne places them in the world window that is set.
struct TTextKasten {
    std::size_t teil; // index in the picture
    QRect kasten;
};
// The boxes of a picture's texts in drawing order; items without text are left out.
std::vector<TTextKasten> TextKaesten(const TBild& bild);
// True when two of the boxes share a pixel.
bool KaestenUeberlappen(const std::vector<TTextKasten>& kaesten);
