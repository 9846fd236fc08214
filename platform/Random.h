// The game's one pseudo-random generator. The game reseeds it from the clock at
// fixed moments (maps, quest, battles, weekly events); with a seed given on the
// command line every reseed draws from a sequence derived from that seed, so a
// whole game can be replayed for a bug report or a test.
#pragma once

#include <cstdint>
#include <optional>

class Random {
public:
    Random();
    explicit Random(uint64_t seed);  // deterministic from the start

    // 0..n-1; 0 when n is 0.
    uint32_t operator()(uint32_t n);

    // Reseeds from the wall clock, or from the seed sequence when one is set.
    void reseedFromClock();
    // Makes every later reseed deterministic, derived from `seed`, and reseeds now.
    void useSeedSequence(uint64_t seed);
    // Fixed state, no sequence (tests).
    void setState(uint64_t state);

    // The process-wide generator that the game and the tool use.
    static Random& process();

private:
    uint64_t next64();
    uint64_t s_[4]{};
    std::optional<uint64_t> sequence_;
    uint64_t reseeds_ = 0;
};
