#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {

uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

Random::Random() {
    reseedFromClock();
}

Random::Random(uint64_t seed) {
    setState(seed);
}

void Random::setState(uint64_t state) {
    uint64_t x = state;
    for (auto& s : s_) s = splitmix(x);
}

uint64_t Random::next64() {
    // xoshiro256**
    const uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

uint32_t Random::operator()(uint32_t n) {
    if (n == 0) return 0;
    // Lemire's multiply-shift: unbiased enough for a game, and fast.
    uint64_t r = next64() >> 32;
    return static_cast<uint32_t>((r * n) >> 32);
}

void Random::reseedFromClock() {
    if (sequence_) {
        uint64_t x = *sequence_ ^ (0xA0761D6478BD642Full * ++reseeds_);
        setState(splitmix(x));
        return;
    }
    uint64_t t =
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::random_device rd;
    uint64_t x = t ^ (static_cast<uint64_t>(rd()) << 32) ^ rd() ^ (++reseeds_ << 48);
    setState(splitmix(x));
}

void Random::useSeedSequence(uint64_t seed) {
    sequence_ = seed;
    reseeds_ = 0;
    reseedFromClock();
}

Random& Random::process() {
    static Random r;
    return r;
}
