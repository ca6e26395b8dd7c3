#include "draw/ZufallU.h"

#include <chrono>

namespace {
bool uhrFest = false;
std::uint64_t festeUhr = 0;
} // namespace

std::uint64_t UhrKeim()
{
    if (uhrFest)
        return festeUhr++;
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto uhr = std::chrono::system_clock::now().time_since_epoch().count();
    return std::uint64_t(jetzt) ^ (std::uint64_t(uhr) << 1);
}

void Randomize()
{
    SetzeZufallsKeim(UhrKeim());
}

void FesteZufallsUhr(std::uint64_t keim)
{
    uhrFest = true;
    festeUhr = keim;
}

void SetzeZufallsKeim(std::uint64_t keim)
{
    zufall::zustand = zufall::TZustand{keim, 0, false};
}
