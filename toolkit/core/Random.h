#pragma once
// The program's random number generator.
#include <cstdint>

namespace fw {

// Seeds from the clock.
void Randomize();
void RandSeed(uint32_t seed);
// A value in 0 .. range-1 (0 when range <= 0).
int32_t Random(int32_t range);
// Any 32-bit signed value, INT32_MIN and INT32_MAX included.
int32_t RandomInt32();
// A value in [0, 1).
double RandomFloat();

} // namespace fw
