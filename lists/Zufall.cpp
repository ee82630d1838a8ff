#include "lists/Zufall.h"

#include <cmath>

namespace lerno {

namespace {
// xorshift32: small, fast, and the same sequence on every run.
constexpr std::uint32_t StartZustand = 0x2F6B1A93u;
std::uint32_t zustand = StartZustand;
} // namespace

float Rnd()
{
    std::uint32_t x = zustand;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    zustand = x;
    // 24 high bits fit a float exactly, so r never rounds up to 1.
    return static_cast<float>(x >> 8) / 16777216.0f;
}

int Ziehung(int k)
{
    if (k < 1)
        return 1;
    const int z = static_cast<int>(std::floor(k * static_cast<double>(Rnd()))) + 1;
    return z > k ? k : z;
}

void ZufallZuruecksetzen() { zustand = StartZustand; }

} // namespace lerno
