// The legends of the dynamic triangle's line groups: each label stands on the
// group's grey face, wholly right of its check box, and looks the same at every
// painting.
#include "lessons/Dreieck3U.h"

#include "TestHilfen.h"

#include <QApplication>
#include <QCheckBox>
#include <gtest/gtest.h>

using namespace testhilfen;

namespace {

struct TLegende {
    const char* name;
    TPaintBox* TfrmDreieck3::*box;
    QCheckBox* TfrmDreieck3::*chk[3];
};

const TLegende legenden[] = {
    {"Höhen", &TfrmDreieck3::pntH, {&TfrmDreieck3::chkHA, &TfrmDreieck3::chkHB, &TfrmDreieck3::chkHC}},
    {"Seitensymmetralen", &TfrmDreieck3::pntS, {&TfrmDreieck3::chkSA, &TfrmDreieck3::chkSB, &TfrmDreieck3::chkSC}},
    {"Winkelsymmetralen", &TfrmDreieck3::pntW, {&TfrmDreieck3::chkWA, &TfrmDreieck3::chkWB, &TfrmDreieck3::chkWC}},
    {"Schwerlinien", &TfrmDreieck3::pntSW,
     {&TfrmDreieck3::chkSWA, &TfrmDreieck3::chkSWB, &TfrmDreieck3::chkSWC}},
};

// Pixels of the legend that are not the group's face, in the columns [von, bis).
int Beschriftet(const QImage& bild, int von, int bis)
{
    const QRect spalten = QRect(von, 0, bis - von, bild.height()) & bild.rect();
    if (spalten.isEmpty())
        return 0;
    return spalten.width() * spalten.height() - ZaehleFarbe(bild, Rgb(240, 240, 240), spalten);
}

} // namespace

TEST(Dreieck3Legenden, RechtsVomKaestchenAufGrau)
{
    // Not shown yet: the first picture is the legend's very first painting.
    TfrmDreieck3 fenster;
    for (const TLegende& l : legenden) {
        SCOPED_TRACE(l.name);
        TPaintBox* box = fenster.*l.box;
        const QImage erstes = box->Abbild();
        // The same picture at the next painting, whatever font the first one left.
        EXPECT_EQ(box->Abbild(), erstes);
        EXPECT_EQ(ZaehleFarbe(erstes, Rgb(255, 255, 255)), 0) << "white under the letters";
        for (int i = 0; i < 3; ++i) {
            // The box's columns in the legend's own pixels.
            const QRect kaestchen = (fenster.*l.chk[i])->geometry().translated(-box->pos());
            const int naechstes =
                i < 2 ? (fenster.*l.chk[i + 1])->geometry().translated(-box->pos()).left() : box->width();
            EXPECT_EQ(Beschriftet(erstes, kaestchen.left(), kaestchen.right() + 1), 0) << "under box " << i;
            EXPECT_GT(Beschriftet(erstes, kaestchen.right() + 1, naechstes), 20) << "label " << i;
        }
    }
}
