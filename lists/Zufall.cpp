#include "lists/Zufall.h"

#include <chrono>
#include <cmath>

namespace lerno {

namespace {
// xorshift32: small, fast, and the same sequence from the same state.
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

void ZufallSaeen(std::uint64_t keim)
{
    // splitmix64 spreads near seeds (consecutive clock readings) over the whole state;
    // xorshift never leaves a state of 0, so that one is replaced.
    std::uint64_t z = keim + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    const auto s = static_cast<std::uint32_t>(z ^ (z >> 32));
    zustand = s != 0 ? s : StartZustand;
}

void ZufallAusUhrSaeen()
{
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    ZufallSaeen(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(jetzt).count()));
}

void ZufallZuruecksetzen() { zustand = StartZustand; }

} // namespace lerno
