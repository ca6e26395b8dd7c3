// The program's one pseudo-random generator, from which the triangle lessons
// draw their random figures. Whole numbers only, uniform, no modulo bias.
//
// Random is defined here so that it is inlined: a triangle lesson tests tens of
// thousands of candidates per click, six numbers each.
#pragma once

#include <cstdint>

// Seeds the generator from the clock, as a lesson does when it opens.
void Randomize();
// The seed Randomize() would set now, for a lesson that seeds itself.
std::uint64_t UhrKeim();
// Seeds the generator with a fixed value, so that a sequence can be repeated
// (tests, the picture tool).
void SetzeZufallsKeim(std::uint64_t keim);
// Replaces the clock of Randomize() by a counter that starts from `keim`, so
// that a whole run with windows opened again and again can be repeated (the
// random-event test replays a failure this way).
void FesteZufallsUhr(std::uint64_t keim);
// A whole number r with 0 <= r < n, every value equally likely; 0 for n <= 0.
inline int Random(int n);

namespace zufall {

// The generator: a counter and, from each 64-bit output, the half not yet used.
struct TZustand {
    std::uint64_t zaehler = 0x9E3779B97F4A7C15ull;
    std::uint64_t vorrat = 0;
    bool halbVoll = false;
};

// The generator's state; only the functions of this module touch it.
inline TZustand zustand;

// wyrand: the counter advanced by an odd constant, one 128-bit multiplication
// folded to 64 bits; good statistics for drawing figures at a nanosecond a
// number. Each output serves twice: upper half first, then the lower half.
inline std::uint32_t Naechste32(TZustand& z)
{
    if (z.halbVoll) {
        z.halbVoll = false;
        return std::uint32_t(z.vorrat);
    }
    z.zaehler += 0xA0761D6478BD642Full;
    const unsigned __int128 produkt = static_cast<unsigned __int128>(z.zaehler) * (z.zaehler ^ 0xE7037ED1A0B428DBull);
    z.vorrat = std::uint64_t(produkt >> 64) ^ std::uint64_t(produkt);
    z.halbVoll = true;
    return std::uint32_t(z.vorrat >> 32);
}

// Random on the given state. Multiply-and-shift maps 32 random bits onto
// 0 .. n-1; the few low products that would favour some values are drawn
// again (Lemire).
inline int Ziehe(TZustand& z, int n)
{
    if (n <= 0)
        return 0;
    const std::uint32_t grenze = std::uint32_t(n);
    std::uint64_t produkt = std::uint64_t(Naechste32(z)) * grenze;
    if (std::uint32_t(produkt) < grenze) [[unlikely]] {
        const std::uint32_t schwelle = std::uint32_t(-grenze) % grenze;
        while (std::uint32_t(produkt) < schwelle)
            produkt = std::uint64_t(Naechste32(z)) * grenze;
    }
    return int(produkt >> 32);
}

} // namespace zufall

inline int Random(int n)
{
    return zufall::Ziehe(zufall::zustand, n);
}

// For a loop that draws very many numbers: draws from a copy of the
// generator's state, which the compiler can keep in registers, and hands the
// state back when it ends. The numbers are exactly those Random would give.
class TZiehungen {
public:
    TZiehungen() : zustand_(zufall::zustand) {}
    ~TZiehungen() { zufall::zustand = zustand_; }
    TZiehungen(const TZiehungen&) = delete;
    TZiehungen& operator=(const TZiehungen&) = delete;

    int Random(int n) { return zufall::Ziehe(zustand_, n); }

private:
    zufall::TZustand zustand_;
};
