#pragma once
// The one pseudo-random source of the application. The program seeds it from the clock at
// start, so every run asks in another order; tests set their own seed or go back to the
// fixed start state, so their sequences are known.
#include <cstdint>

namespace lerno {

// Next value r, 0 <= r < 1, single precision.
float Rnd();

// Int(k * r + 1) for a fresh r: always 1..k (k >= 1), never k + 1 through rounding.
int Ziehung(int k);

// Starts the sequence from keim; equal seeds give equal sequences, any value will do.
void ZufallSaeen(std::uint64_t keim);

// Seeds from the clock: what the program does at start.
void ZufallAusUhrSaeen();

// Back to the fixed start state.
void ZufallZuruecksetzen();

} // namespace lerno
