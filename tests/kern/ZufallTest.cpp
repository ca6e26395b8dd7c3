#include "draw/ZufallU.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

TEST(Zufall, GleicherKeimGleicheFolgeUndNurWerteImBereich)
{
    SetzeZufallsKeim(42);
    std::vector<int> erste;
    for (int i = 0; i < 200; ++i)
        erste.push_back(Random(27));
    SetzeZufallsKeim(42);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(Random(27), erste[i]);
    for (int wert : erste) {
        EXPECT_GE(wert, 0);
        EXPECT_LT(wert, 27);
    }
    SetzeZufallsKeim(43);
    int gleich = 0;
    for (int i = 0; i < 200; ++i)
        gleich += Random(27) == erste[i];
    EXPECT_LT(gleich, 40); // another seed is another sequence
}

TEST(Zufall, RandfaelleGebenNull)
{
    EXPECT_EQ(Random(1), 0);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
}

// Every value of a range occurs about equally often: a chi-square test that a
// modulo-biased or shifted generator fails.
TEST(Zufall, GleichverteiltUeberDenBereich)
{
    SetzeZufallsKeim(7);
    constexpr int n = 13;
    constexpr int ziehungen = 130000;
    std::array<int, n> anzahl{};
    for (int i = 0; i < ziehungen; ++i)
        ++anzahl[Random(n)];
    const double erwartet = double(ziehungen) / n;
    double chi2 = 0;
    for (int k : anzahl)
        chi2 += (k - erwartet) * (k - erwartet) / erwartet;
    EXPECT_LT(chi2, 32.9); // 12 degrees of freedom, p = 0.001

    // A range of more than half the 32-bit space: the lower half must not be favoured.
    constexpr int gross = 0x60000000;
    int untere = 0;
    for (int i = 0; i < 20000; ++i)
        untere += Random(gross) < gross / 2;
    EXPECT_NEAR(untere, 10000, 400);
}

TEST(Zufall, UhrzeitKeimWechselt)
{
    Randomize();
    std::vector<int> a;
    for (int i = 0; i < 8; ++i)
        a.push_back(Random(1000000));
    Randomize();
    std::vector<int> b;
    for (int i = 0; i < 8; ++i)
        b.push_back(Random(1000000));
    EXPECT_NE(a, b);
}

TEST(Zufall, FesteUhrWiederholtJedesOeffnen)
{
    const auto folge = [] {
        std::vector<int> z;
        for (int oeffnen = 0; oeffnen < 3; ++oeffnen) {
            Randomize();
            for (int i = 0; i < 4; ++i)
                z.push_back(Random(1000000));
        }
        return z;
    };
    FesteZufallsUhr(99);
    const std::vector<int> a = folge();
    FesteZufallsUhr(99);
    EXPECT_EQ(folge(), a);
    EXPECT_NE(std::vector<int>(a.begin(), a.begin() + 4), std::vector<int>(a.begin() + 4, a.begin() + 8))
        << "each opening draws anew";
}
