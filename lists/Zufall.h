#pragma once
// The one pseudo-random source of the application. It starts from the same fixed state
// at every start and is never reseeded, so every run sees the same sequence.
#include <cstdint>

namespace lerno {

// Next value r, 0 <= r < 1, single precision.
float Rnd();

// Int(k * r + 1) for a fresh r: always 1..k (k >= 1), never k + 1 through rounding.
int Ziehung(int k);

// Back to the fixed start state; only for tests.
void ZufallZuruecksetzen();

} // namespace lerno
