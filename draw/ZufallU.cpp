#include "draw/ZufallU.h"

#include <chrono>

void Randomize()
{
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto uhr = std::chrono::system_clock::now().time_since_epoch().count();
    SetzeZufallsKeim(std::uint64_t(jetzt) ^ (std::uint64_t(uhr) << 1));
}

void SetzeZufallsKeim(std::uint64_t keim)
{
    zufall::zustand = zufall::TZustand{keim, 0, false};
}
