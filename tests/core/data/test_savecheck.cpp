#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/data/SaveCheck.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/core/data/SampleGame.h"

namespace {

struct Damage {
    const char* what;
    std::function<void(GameState&)> apply;
};

void setName(ShortString& s, const char* text) {
    s.setBytes(text);
}

}  // namespace

TEST(SaveCheck, AcceptsAGameInProgressWhateverItsUnusedBytesHold) {
    auto gs = makeSampleGame();
    EXPECT_EQ(validateSave(*gs), "");

    // Padding, unused stretches, the mini-map handles, battle-only troop fields
    // and stale empty slots carry no meaning in a file.
    std::memset(gs->pad273, 0xA5, sizeof gs->pad273);
    std::memset(gs->unused67460, 0xFF, sizeof gs->unused67460);
    std::memset(gs->unused69108, 0x5A, sizeof gs->unused69108);
    std::memset(gs->pad69097, 0xFF, sizeof gs->pad69097);
    std::memset(gs->pad226714, 0xFF, sizeof gs->pad226714);
    for (auto& m : gs->miniMapSurfaces) m = 0xDEADBEEF;
    gs->slot(1).picture = 0x12345678;
    gs->slot(1).active = 1;
    gs->slot(1).movesLeft = 200;
    gs->slot(1).waited = 1;
    std::memset(&gs->slot(5), 0xFF, sizeof(Troop));
    gs->slot(5).count = 0;
    std::memset(&gs->town(7).guard(2), 0xEE, sizeof(Troop));
    gs->town(7).guard(2).count = 0;
    for (int t = 1; t <= kTowns; ++t) gs->town(t).pad5083 = 0xFF;
    EXPECT_EQ(validateSave(*gs), "");
}

TEST(SaveCheck, AcceptsEveryValueTheGameCanReach) {
    auto gs = makeSampleGame();
    std::vector<std::function<void(GameState&)>> edges = {
        [](GameState& g) { g.heroX = 1, g.heroY = 1; },
        [](GameState& g) { g.heroX = 70, g.heroY = 80, g.continent = 3; },
        [](GameState& g) { g.onShip = 1, g.heroSprite = 100, g.heroFacing = 1; },
        [](GameState& g) { g.stepShiftX = -75, g.stepShiftY = 75, g.heroSprite = 95; },
        [](GameState& g) {
            for (int r = 1; r <= kRaces; ++r) g.relation(r) = static_cast<uint8_t>(r % 2 * 5);
        },
        [](GameState& g) {
            for (int k = 1; k <= kLetters; ++k) g.letter(k) = 1;
        },
        [](GameState& g) { g.spellTries = 0; },
        [](GameState& g) { g.gold = std::numeric_limits<int32_t>::max(), g.authority = 0; },
        [](GameState& g) { g.musicOn = 1, g.soundOn = 0; },
        [](GameState& g) { g.cell(2, 20, 20) = 105, g.cell(3, 20, 20) = 60; },
        [](GameState& g) { g.cell(1, 6, 18) = 501; },  // a bandit stepped onto the hero
        [](GameState& g) { g.town(4).shipX = 5, g.town(4).shipY = 19, g.town(4).visited = 1; },
        [](GameState& g) { g.town(4).race = 5; },  // a town changed hands
        [](GameState& g) { g.slot(2).count = 32767, g.slot(2).hits = 1; },
        [](GameState& g) { g.slot(4) = makeStack(kCentaurs, 1); },
        [](GameState& g) { g.saveName.len = 255, std::memset(g.saveName.text, 0x98, 255); },
        [](GameState& g) {
            for (int x = 1; x <= kMapW; ++x)
                for (int y = 1; y <= kMapH; ++y) g.explored(3, x, y) = 1;
        },
    };
    for (size_t i = 0; i < edges.size(); ++i) {
        auto g = makeSampleGame();
        edges[i](*g);
        EXPECT_EQ(validateSave(*g), "") << "case " << i;
    }
}

TEST(SaveCheck, RefusesValuesThatWouldCrashOrCorruptPlay) {
    const std::vector<Damage> damages = {
        {"hero x 0", [](GameState& g) { g.heroX = 0; }},
        {"hero x 71", [](GameState& g) { g.heroX = 71; }},
        {"hero y 81", [](GameState& g) { g.heroY = 81; }},
        {"continent 0", [](GameState& g) { g.continent = 0; }},
        {"continent 4", [](GameState& g) { g.continent = 4; }},
        {"facing 2", [](GameState& g) { g.heroFacing = 2; }},
        {"sprite 0", [](GameState& g) { g.heroSprite = 0; }},
        {"sprite 111", [](GameState& g) { g.heroSprite = 111; }},
        {"shift", [](GameState& g) { g.stepShiftY = 100000; }},
        {"onShip 2", [](GameState& g) { g.onShip = 2; }},
        {"music 2", [](GameState& g) { g.musicOn = 2; }},
        {"sound 255", [](GameState& g) { g.soundOn = 255; }},
        {"relation 6", [](GameState& g) { g.relation(5) = 6; }},
        {"letter 2", [](GameState& g) { g.letter(30) = 2; }},
        {"spell tries", [](GameState& g) { g.spellTries = 200; }},
        {"grave continent", [](GameState& g) { g.graveContinent = 0; }},
        {"grave x", [](GameState& g) { g.graveX = 71; }},
        {"grave y", [](GameState& g) { g.graveY = 0; }},
        {"gold", [](GameState& g) { g.gold = 0x80000000u; }},
        {"authority", [](GameState& g) { g.authority = 0xFFFFFFFFu; }},
        {"explored 2", [](GameState& g) { g.explored(2, 70, 80) = 2; }},
        {"ground 0", [](GameState& g) { g.ground(1, 1) = 0; }},
        {"ground 9", [](GameState& g) { g.ground(70, 80) = 9; }},
        {"code 1", [](GameState& g) { g.cell(1, 20, 20) = 1; }},
        {"code 61", [](GameState& g) { g.cell(1, 20, 20) = 61; }},
        {"code 78", [](GameState& g) { g.cell(1, 20, 20) = 78; }},
        {"code 111", [](GameState& g) { g.cell(1, 20, 20) = 111; }},
        {"undefined group", [](GameState& g) { g.cell(2, 20, 20) = 510; }},
        {"group 44", [](GameState& g) { g.cell(3, 20, 20) = 544; }},
        {"code 600", [](GameState& g) { g.cell(3, 20, 20) = 600; }},
        {"marked army", [](GameState& g) { g.cell(1, 20, 20) = 10500; }},
        {"town 0", [](GameState& g) { g.cell(1, 20, 20) = 700; }},
        {"town 31", [](GameState& g) { g.cell(3, 20, 20) = 731; }},
        {"town abroad", [](GameState& g) { g.cell(1, 20, 20) = 715; }},
        {"army move",
         [](GameState& g) {
             g.armyMoves[3][4] = ArmyMove{1, 1, 13, 15};
         }},
        {"army move off map",
         [](GameState& g) {
             g.armyMoves[0][0] = ArmyMove{0, 5, 70, 80};
         }},
        {"negative count", [](GameState& g) { g.slot(4).count = -1; }},
        {"picture path", [](GameState& g) { setName(g.slot(1).picFile, "../../../etc/passwd"); }},
        {"picture folder", [](GameState& g) { setName(g.slot(1).picFile, "Army/Elf.pic"); }},
        {"sound path", [](GameState& g) { setName(g.slot(2).wavFile, "..\\x.wav"); }},
        {"sound kind", [](GameState& g) { setName(g.slot(2).wavFile, "Elf.exe"); }},
        {"no picture", [](GameState& g) { g.slot(3).picFile.len = 0; }},
        {"hitsMax", [](GameState& g) { g.slot(1).hitsMax = -5; }},
        {"hits", [](GameState& g) { g.slot(1).hits = 13; }},
        {"speed 0", [](GameState& g) { g.slot(1).speed = 0; }},
        {"speed 255", [](GameState& g) { g.slot(1).speed = 255; }},
        {"shots", [](GameState& g) { g.slot(2).shots = -2; }},
        {"missile", [](GameState& g) { g.slot(2).missileKind = 3; }},
        {"flies", [](GameState& g) { g.slot(2).flies = 7; }},
        {"price", [](GameState& g) { g.slot(2).price = -40; }},
        {"town race 0", [](GameState& g) { g.town(1).race = 0; }},
        {"town race 6", [](GameState& g) { g.town(30).race = 6; }},
        {"vault letter 0", [](GameState& g) { g.town(2).vaultLetter = 0; }},
        {"vault letter 31", [](GameState& g) { g.town(2).vaultLetter = 31; }},
        {"ship x", [](GameState& g) { g.town(3).shipX = 71; }},
        {"visited", [](GameState& g) { g.town(3).visited = 3; }},
        {"improves", [](GameState& g) { g.town(3).improves[4] = 2; }},
        {"recruit", [](GameState& g) { g.town(9).recruit.speed = 0; }},
        {"guard count", [](GameState& g) { g.town(21).guard(3).count = -180; }},
        {"guard picture", [](GameState& g) { setName(g.town(21).guard(3).picFile, "/x.pic"); }},
    };
    for (const auto& d : damages) {
        auto g = makeSampleGame();
        d.apply(*g);
        const std::string why = validateSave(*g);
        EXPECT_NE(why, "") << d.what;
        EXPECT_EQ(why.rfind("Файл повреждён: ", 0), 0u) << d.what << ": " << why;
    }
}

TEST(SaveCheck, RefusesFilesOfNothingButOneByte) {
    // A file of zero bytes decodes to a block of 255s, a file of 255s to zeros.
    for (unsigned char b : {0x00, 0xFF, 0x55}) {
        std::vector<unsigned char> bytes(kGameStateSize, b);
        auto g = std::make_unique<GameState>();
        ASSERT_TRUE(decodeSave(bytes, *g));
        EXPECT_NE(validateSave(*g), "") << int(b);
    }
}

TEST(SaveCheck, KnownCellCodes) {
    int known = 0;
    for (int c = 0; c <= 0xFFFF; ++c) known += knownCellCode(static_cast<uint16_t>(c));
    // ground 1, forest 6, rock 6, portal/treasure/orb 3, water 11, bandits 12, towns 30
    EXPECT_EQ(known, 1 + 6 + 6 + 3 + 11 + 12 + 30);
    EXPECT_TRUE(knownCellCode(543));
    EXPECT_FALSE(knownCellCode(504));
    EXPECT_FALSE(knownCellCode(10000));
}

TEST(SaveCheck, AcceptsEveryNewGame) {
    FillTemplates();
    HeadlessPlatform platform;
    auto gs = std::make_unique<GameState>();
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        Random rnd;
        rnd.useSeedSequence(seed);
        NewGame(*gs, rnd, platform);
        EXPECT_EQ(validateSave(*gs), "") << "seed " << seed;
        // What the map window leaves in the mini-map slots is no concern of a file.
        for (auto& m : gs->miniMapSurfaces) m = 0xFFFFFFFFu;
        EXPECT_EQ(validateSave(*gs), "") << "seed " << seed;
    }
    EXPECT_TRUE(platform.messages.empty());
}
