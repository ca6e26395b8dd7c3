#include "draw/ZufallU.h"

#include <chrono>

namespace {
bool uhrFest = false;
std::uint64_t festeUhr = 0;
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
    zufall::zustand = keim;
}

int zufall::NeuZiehen(std::uint64_t produkt, std::uint32_t grenze)
{
    std::uint32_t rest = std::uint32_t(produkt);
    const std::uint32_t schwelle = std::uint32_t(-grenze) % grenze;
    while (rest < schwelle) {
        produkt = std::uint64_t(Naechste32()) * grenze;
        rest = std::uint32_t(produkt);
    }
    return int(produkt >> 32);
}
