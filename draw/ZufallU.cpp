#include "draw/ZufallU.h"

#include <chrono>

namespace {

// SplitMix64: a single 64-bit state, a handful of instructions per number and
// good enough statistics for drawing figures.
std::uint64_t zustand = 0x9E3779B97F4A7C15ull;

bool uhrFest = false;
std::uint64_t festeUhr = 0;

std::uint32_t Naechste32()
{
    zustand += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = zustand;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return std::uint32_t(z >> 32);
}

} // namespace

void Randomize()
{
    if (uhrFest) {
        SetzeZufallsKeim(festeUhr++);
        return;
    }
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto uhr = std::chrono::system_clock::now().time_since_epoch().count();
    SetzeZufallsKeim(std::uint64_t(jetzt) ^ (std::uint64_t(uhr) << 1));
}

void FesteZufallsUhr(std::uint64_t keim)
{
    uhrFest = true;
    festeUhr = keim;
}

void SetzeZufallsKeim(std::uint64_t keim)
{
    zustand = keim;
}

int Random(int n)
{
    if (n <= 0)
        return 0;
    // Multiply-and-shift maps 32 random bits onto 0 .. n-1; the few low
    // products that would favour some values are drawn again (Lemire).
    const std::uint32_t grenze = std::uint32_t(n);
    std::uint64_t produkt = std::uint64_t(Naechste32()) * grenze;
    std::uint32_t rest = std::uint32_t(produkt);
    if (rest < grenze) {
        const std::uint32_t schwelle = std::uint32_t(-grenze) % grenze;
        while (rest < schwelle) {
            produkt = std::uint64_t(Naechste32()) * grenze;
            rest = std::uint32_t(produkt);
        }
    }
    return int(produkt >> 32);
}
