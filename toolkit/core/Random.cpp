#include "toolkit/core/Random.h"

#include <chrono>
#include <random>

namespace fw {

namespace {
std::mt19937& Engine() {
    static std::mt19937 engine(0x5EED5EEDu);
    return engine;
}
} // namespace

void Randomize() {
    Engine().seed(static_cast<uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void RandSeed(uint32_t seed) { Engine().seed(seed); }

int32_t Random(int32_t range) {
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int32_t>(0, range - 1)(Engine());
}

int32_t RandomInt32() { return static_cast<int32_t>(Engine()()); }

double RandomFloat() { return std::uniform_real_distribution<double>(0.0, 1.0)(Engine()); }

} // namespace fw
