// The program's one pseudo-random generator, from which the triangle lessons
// draw their random figures. Whole numbers only, uniform, no modulo bias.
//
// Random is defined here so that it is inlined: a triangle lesson tests tens of
// thousands of candidates per click, six numbers each.
#pragma once

#include <cstdint>

// Seeds the generator from the clock, as a lesson does when it opens.
void Randomize();
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

// The generator's state; only the functions of this module touch it.
inline std::uint64_t zustand = 0x9E3779B97F4A7C15ull;

// SplitMix64: a single 64-bit state, a handful of instructions per number and
// good enough statistics for drawing figures. The upper 32 bits of each output.
inline std::uint32_t Naechste32()
{
    zustand += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = zustand;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return std::uint32_t(z >> 32);
}

// The rare end of Random: the product landed where some values would be
// favoured; draws again as long as it lies below the threshold.
int NeuZiehen(std::uint64_t produkt, std::uint32_t grenze);

} // namespace zufall

inline int Random(int n)
{
    if (n <= 0)
        return 0;
    // Multiply-and-shift maps 32 random bits onto 0 .. n-1; the few low
    // products that would favour some values are drawn again (Lemire).
    const std::uint32_t grenze = std::uint32_t(n);
    const std::uint64_t produkt = std::uint64_t(zufall::Naechste32()) * grenze;
    if (std::uint32_t(produkt) < grenze)
        return zufall::NeuZiehen(produkt, grenze);
    return int(produkt >> 32);
}
