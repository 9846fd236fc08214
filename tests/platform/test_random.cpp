#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/Random.h"

TEST(Random, RangeAndZero) {
    Random r(42);
    EXPECT_EQ(r(0), 0u);
    EXPECT_EQ(r(1), 0u);
    std::set<uint32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        uint32_t v = r(6);
        ASSERT_LT(v, 6u);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 6u);  // every value turns up
}

TEST(Random, SeedSequenceMakesReseedsReproducible) {
    auto draw = [](Random& r) {
        std::vector<uint32_t> v;
        for (int round = 0; round < 3; ++round) {
            r.reseedFromClock();
            for (int i = 0; i < 5; ++i) v.push_back(r(1000));
        }
        return v;
    };
    Random a, b, c;
    a.useSeedSequence(7);
    b.useSeedSequence(7);
    c.useSeedSequence(8);
    auto va = draw(a);
    EXPECT_EQ(va, draw(b));
    EXPECT_NE(va, draw(c));
    // Each reseed starts a new stretch of the sequence, not the same one again.
    EXPECT_NE(std::vector<uint32_t>(va.begin(), va.begin() + 5),
              std::vector<uint32_t>(va.begin() + 5, va.begin() + 10));
}

TEST(Random, ClockSeedsDiffer) {
    Random a, b;
    std::vector<uint32_t> va, vb;
    for (int i = 0; i < 8; ++i) {
        va.push_back(a(1u << 30));
        vb.push_back(b(1u << 30));
    }
    EXPECT_NE(va, vb);
}
