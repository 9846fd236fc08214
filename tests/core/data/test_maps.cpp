#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/data/ContinentBuilder.h"
#include "core/data/GameState.h"
#include "core/data/MapCheck.h"
#include "core/data/MapTexts.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

std::unique_ptr<GameState> zeroState() {
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    return gs;
}

// A text drawn by a function of the cell, for checker cases.
template <typename Fn>
std::string drawText(Fn fn) {
    std::string t(kMapTextLen, 'L');
    for (int y = kMapTextY0; y < kMapTextY0 + kMapTextH; ++y)
        for (int x = kMapTextX0; x < kMapTextX0 + kMapTextW; ++x) t[mapTextIndex(x, y)] = fn(x, y);
    return t;
}

bool hasError(const MapCheckReport& r, const std::string& part) {
    return std::any_of(r.errors.begin(), r.errors.end(),
                       [&](const std::string& e) { return e.find(part) != std::string::npos; });
}

TEST(MapTexts, BuiltInTextsAreExactAndPlayable) {
    for (int c = 1; c <= kContinents; ++c) {
        SCOPED_TRACE(c);
        const std::string_view text = mapText(c);
        ASSERT_EQ(text.size(), static_cast<size_t>(kMapTextLen));
        const MapCheckReport r = checkMapText(c, text);
        for (const auto& e : r.errors) ADD_FAILURE() << e;
        EXPECT_TRUE(r.chokepoints.empty())
            << r.chokepoints.size() << " chokepoints, first at (" << r.chokepoints[0].x << ", "
            << r.chokepoints[0].y << ")";
        EXPECT_GE(r.harbourTowns, 1);
    }
    EXPECT_EQ(mapText(1).substr(0, kContinent1Prefix.size()), kContinent1Prefix);
    EXPECT_EQ(mapText(1)[mapTextIndex(kHeroStart.x, kHeroStart.y)], ' ');
    EXPECT_TRUE(mapText(0).empty());
    EXPECT_TRUE(mapText(4).empty());
}

TEST(MapCheck, ReportsFormatFaults) {
    std::string t(mapText(2));
    t[100] = 'x';
    t[mapTextIndex(54, 16)] = ' ';  // a town letter gone
    MapCheckReport r = checkMapText(2, t);
    EXPECT_TRUE(hasError(r, "unknown letter"));
    EXPECT_TRUE(hasError(r, "no town at (54, 16)"));
    EXPECT_TRUE(hasError(r, "T: 9, not 10"));
    EXPECT_FALSE(checkMapText(1, mapText(1).substr(1)).ok());
    std::string prefix(mapText(1));
    prefix[3] = 'L';
    prefix[mapTextIndex(4, 5)] = 'W';  // keep the counts
    EXPECT_TRUE(hasError(checkMapText(1, prefix), "prefix"));
}

// Two meadows away from continent 3's town and portal cells: the chokepoint logic is
// judged on its own, whatever the counts say.
TEST(MapCheck, OneCellCorridorIsAChokepointTwoCellsAreNot) {
    auto field = [](int width, int length) {
        return drawText([=](int x, int y) {
            const bool left = x >= 20 && x < 30 && y >= 50 && y < 60;
            const bool right = x >= 40 && x < 50 && y >= 50 && y < 60;
            const bool corridor = x >= 30 && x < 30 + length && y >= 54 && y < 54 + width;
            return (left || right || corridor) ? ' ' : 'L';
        });
    };
    const MapCheckReport narrow = checkMapText(3, field(1, 10));
    EXPECT_FALSE(narrow.chokepoints.empty());
    for (CellXY p : narrow.chokepoints) {
        EXPECT_EQ(p.y, 54);
        EXPECT_TRUE(p.x >= 29 && p.x <= 40) << p.x;
    }
    EXPECT_TRUE(checkMapText(3, field(2, 10)).chokepoints.empty());
    // A dead end of a few cells is only a pocket; a long one is a sealed part.
    EXPECT_TRUE(checkMapText(3, field(1, 4)).chokepoints.empty());
    EXPECT_FALSE(checkMapText(3, field(1, 8)).chokepoints.empty());
}

// Two landmasses split by a strait: they join only through harbour towns.
TEST(MapCheck, ShipLinksJoinRegionsOnlyThroughHarbourTowns) {
    // Continent 2 has towns at (31, 22) and (67, 35) and its portal at (24, 22); the
    // strait runs along x = 32..33, so the first town touches it, the second town
    // touches the frame's water, which joins the strait.
    auto world = [](bool westHarbour) {
        return drawText([=](int x, int y) {
            if (x == 31 && y == 22) return westHarbour ? 'T' : 'L';
            if (x == 67 && y == 35) return 'T';
            if (x == 24 && y == 22) return 'P';
            if (x == 32 || x == 33) return 'W';
            return ' ';
        });
    };
    const MapCheckReport linked = checkMapText(2, world(true));
    EXPECT_EQ(linked.regions, 2);
    EXPECT_EQ(linked.harbourTowns, 2);
    EXPECT_FALSE(hasError(linked, "cut off"));
    const MapCheckReport cut = checkMapText(2, world(false));
    EXPECT_TRUE(hasError(cut, "cut off"));
    EXPECT_EQ(cut.harbourTowns, 1);
}

TEST(MapCheck, TownWithoutOpenNeighbourIsReported) {
    std::string t(mapText(1));
    const CellXY town{33, 47};
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx || dy) && t[mapTextIndex(town.x + dx, town.y + dy)] == ' ')
                t[mapTextIndex(town.x + dx, town.y + dy)] = 'L';
    EXPECT_TRUE(hasError(checkMapText(1, t), "the town at (33, 47) touches no open land"));
}

struct Tally {
    std::map<int, int> towns;  // code -> cells
    int water = 0, forest = 0, rock = 0, ground = 0, portal = 0, orb = 0, treasure = 0;
    int bandits = 0;
    std::set<int> banditCodes;
    bool frameIsWater = true;
};

Tally tally(const GameState& gs, int c) {
    Tally t;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const uint16_t v = gs.cell(c, x, y);
            if ((x <= 3 || x >= 68 || y <= 3 || y >= 78) && v != cell::kWater)
                t.frameIsWater = false;
            if (v == cell::kWater)
                ++t.water;
            else if (v >= 55 && v <= 59)
                ++t.forest;
            else if (v >= 65 && v <= 69)
                ++t.rock;
            else if (v == cell::kGround)
                ++t.ground;
            else if (v == cell::kPortal)
                ++t.portal;
            else if (v == cell::kOrb)
                ++t.orb;
            else if (v == cell::kTreasure)
                ++t.treasure;
            else if (cell::isTown(v))
                ++t.towns[v];
            else if (cell::isArmy(v))
                ++t.bandits, t.banditCodes.insert(v);
            else
                ADD_FAILURE() << "code " << v << " at " << x << "," << y;
        }
    return t;
}

TEST(BuildContinent, PlacesEverythingOnTheTextsShape) {
    FillTemplates();
    HeadlessPlatform platform;
    auto gs = zeroState();
    for (uint64_t seed : {1u, 2u, 99u}) {
        Random rnd(seed);
        rnd.useSeedSequence(seed);
        for (int c = 1; c <= kContinents; ++c) {
            SCOPED_TRACE(testing::Message() << "continent " << c << " seed " << seed);
            BuildContinent(*gs, rnd, platform, c);
            const Tally t = tally(*gs, c);
            const MapTextCounts& want = mapTextCounts(c);
            EXPECT_TRUE(t.frameIsWater);
            EXPECT_EQ(t.water, want.water + kMapW * kMapH - kMapTextLen);
            EXPECT_EQ(t.forest, want.forest);
            EXPECT_EQ(t.rock, want.rock);
            EXPECT_EQ(t.ground + t.orb + t.treasure + t.bandits, want.spaces);
            EXPECT_EQ(t.portal, 1);
            EXPECT_EQ(gs->cell(c, portalCell(c).x, portalCell(c).y), cell::kPortal);
            EXPECT_EQ(t.orb, 1);
            EXPECT_EQ(t.treasure, 40);
            EXPECT_EQ(t.bandits, 45);
            // The ten town cells hold the continent's ten numbers, each once.
            ASSERT_EQ(t.towns.size(), 10u);
            EXPECT_EQ(t.towns.begin()->first, 700 + (c - 1) * 10 + 1);
            EXPECT_EQ(t.towns.rbegin()->first, 700 + c * 10);
            for (CellXY p : townCells(c)) EXPECT_TRUE(cell::isTown(gs->cell(c, p.x, p.y)));
            for (int code : t.banditCodes) {
                EXPECT_GE(code, 500 + (c - 1) * 20);
                EXPECT_LE(code, 503 + (c - 1) * 20);
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST(BuildContinent, TownOrderAndObjectsChangeWithTheSeed) {
    FillTemplates();
    HeadlessPlatform platform;
    auto a = zeroState(), b = zeroState();
    Random ra, rb;
    ra.useSeedSequence(5);
    rb.useSeedSequence(6);
    BuildContinent(*a, ra, platform, 1);
    BuildContinent(*b, rb, platform, 1);
    EXPECT_NE(std::memcmp(a->mapCells[0], b->mapCells[0], sizeof(a->mapCells[0])), 0);
    Random rc;
    rc.useSeedSequence(5);
    BuildContinent(*b, rc, platform, 1);
    EXPECT_EQ(std::memcmp(a->mapCells[0], b->mapCells[0], sizeof(a->mapCells[0])), 0);
}

TEST(BuildContinent, BadLettersReportTheContinentAndAreSkipped) {
    HeadlessPlatform platform;
    auto gs = zeroState();
    Random rnd(3);
    std::string text(mapText(2));
    text[0] = '#';
    // Eleven towns: the eleventh finds no free number and must not hang.
    text[mapTextIndex(10, 10)] = 'T';
    BuildContinentFromText(*gs, rnd, platform, 2, text);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0], "Error in MAP! 2");
    EXPECT_EQ(platform.messages[1], "Error in MAP! 2");
    EXPECT_EQ(gs->cell(2, 4, 4), cell::kWater);
    EXPECT_EQ(tally(*gs, 2).towns.size(), 10u);
    // A text without open ground still ends: no orb, treasure or bandits to place.
    BuildContinentFromText(*gs, rnd, platform, 3, std::string(kMapTextLen, 'R'));
    EXPECT_EQ(tally(*gs, 3).rock, kMapTextLen);
}

}  // namespace
