// The core formats numbers without Qt; what the pupil saw before, Qt's
// fixed-point text, is the measure.
#include "draw/Texte.h"

#include <QString>
#include <gtest/gtest.h>
#include <random>

TEST(ZahlFest, GleichtQtsFestkommatext)
{
    std::mt19937 zufall(20261209);
    std::uniform_real_distribution<double> werte(-400.0, 400.0);
    std::vector<double> proben = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, 0.005, 0.015, 0.025, 179.995, 359.9999};
    for (int i = 0; i < 5000; ++i)
        proben.push_back(werte(zufall));
    // Halves and quarters hit every tie at 0, 1 and 2 decimals.
    for (int i = -1600; i <= 1600; ++i)
        proben.push_back(i / 8.0);
    for (double wert : proben) {
        for (int stellen = 0; stellen <= 3; ++stellen) {
            const float alsFloat = static_cast<float>(wert); // what the lessons hand over
            ASSERT_EQ(ZahlFest(alsFloat, stellen), QString::number(double(alsFloat), 'f', stellen).toStdString())
                << wert << " mit " << stellen;
        }
    }
}
