// The army window's rules and texts, the weekly events and the town list.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>

#include "core/towns/TownRules.h"
#include "platform/Random.h"
#include "tests/core/towns/TownWorld.h"

namespace {

std::vector<std::string> splitCrLf(const std::string& s) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = s.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(s.substr(from, at - from));
    out.push_back(s.substr(from));
    return out;
}

std::string pad(const std::string& s, int blanks) {
    return s + std::string(blanks, ' ');
}

TEST(TroopText, ColumnsAndTheShooterLine) {
    FillTemplates();
    const auto lines = splitCrLf(troopText(makeStack(kElves, 7)));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], " -= Эльфы =-");
    EXPECT_EQ(lines[1],
              pad(" Атака - 21.", 6) + pad(" Защита - 19.", 5) + pad(" Хиты - 45/45.", 4));
    EXPECT_EQ(lines[2],
              pad(" Скорость - 2.", 4) + pad(" Реакция - 75.", 4) + pad(" Мораль - 4.", 6));
    EXPECT_EQ(lines[3], pad(" Удача - 4.", 7) + pad(" Цена - 100.", 6) + pad(" Лидер - 35.", 6));
    EXPECT_EQ(lines[4], " Выстрелов 20 с силой 20.");
}

TEST(TroopText, FlyersNonShootersAndLongFields) {
    FillTemplates();
    // Dragons fly; a flyer that also shoots is still described as flying.
    Troop dragons = makeStack(kDragons, 1);
    EXPECT_EQ(splitCrLf(troopText(dragons)).back(), " Летают.");
    dragons.shots = 12;
    dragons.shotPower = 5;
    EXPECT_EQ(splitCrLf(troopText(dragons)).back(), " Летают.");
    dragons.flies = 0;
    EXPECT_EQ(splitCrLf(troopText(dragons)).back(), " Выстрелов 12 с силой 5.");

    // Centaurs have a shot power but never shoot: no extra line.
    const std::string centaurs = troopText(makeStack(kCentaurs, 1));
    EXPECT_EQ(centaurs.substr(centaurs.size() - 2), "\r\n");

    // A field longer than its column is kept whole.
    Troop t = makeStack(kTrolls, 1);
    t.hits = t.hitsMax = 32000;
    EXPECT_EQ(splitCrLf(troopText(t))[1],
              pad(" Атака - 35.", 6) + pad(" Защита - 36.", 5) + " Хиты - 32000/32000.");
}

TEST(Army, ReorderAtTheEndsChangesNothing) {
    auto gs = townWorld();
    std::vector<unsigned char> before(reinterpret_cast<unsigned char*>(gs->army),
                                      reinterpret_cast<unsigned char*>(gs->army) + sizeof gs->army);
    int sel = 1;
    EXPECT_FALSE(moveSlotUp(*gs, sel));
    EXPECT_EQ(sel, 1);
    sel = 5;
    EXPECT_FALSE(moveSlotDown(*gs, sel));
    EXPECT_EQ(sel, 5);
    EXPECT_EQ(std::memcmp(before.data(), gs->army, before.size()), 0);
}

TEST(Army, MovesSwapWholeRecordsAndFollowTheSelection) {
    auto gs = townWorld();
    gs->slot(2).hits = 4;
    int sel = 2;
    ASSERT_TRUE(moveSlotUp(*gs, sel));
    EXPECT_EQ(sel, 1);
    EXPECT_EQ(gs->slot(1).name.str(), "Гномы-лучники");
    EXPECT_EQ(gs->slot(1).hits, 4);
    EXPECT_EQ(gs->slot(2).name.str(), "Крестьяне");
    // Empty slots move like any other.
    sel = 3;
    ASSERT_TRUE(moveSlotDown(*gs, sel));
    ASSERT_TRUE(moveSlotDown(*gs, sel));
    EXPECT_EQ(sel, 5);
    EXPECT_EQ(gs->slot(5).name.str(), "Ополченцы");
    EXPECT_EQ(gs->slot(3).count, 0);
}

TEST(Army, DismissingTheOnlyTroopLeavesAnEmptyArmy) {
    auto gs = townWorld();
    for (int s = 1; s <= 5; ++s) gs->slot(s).count = 0;
    gs->slot(3) = makeStack(kGiants, 4);
    EXPECT_EQ(dismissQuestion(*gs, 3), "Уволить Гиганты?");
    dismissSlot(*gs, 3);
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(gs->slot(s).count, 0) << s;
    dismissSlot(*gs, 0);  // outside the army: nothing happens
    dismissSlot(*gs, 6);
}

// ---- the week -------------------------------------------------------------------

struct WeekOutcome {
    std::string kind;
    std::string text;
};

// Runs the week's draw on a copy of `world` and checks the effect against the
// report; returns which event it was.
WeekOutcome runWeek(const GameState& world, GameState& gs, Random& rnd) {
    std::memcpy(&gs, &world, sizeof(GameState));
    const std::string text = newWeekEvent(gs, rnd);
    const std::string head = "Неделя закончена.\r\nПроишествия:\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const std::string body = text.substr(head.size());

    int changedCells = 0, changedContinent = 0;
    for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y)
                if (gs.cell(c, x, y) != world.cell(c, x, y)) {
                    ++changedCells;
                    changedContinent = c;
                    EXPECT_EQ(world.cell(c, x, y), 0) << "bandits only on open ground";
                    const int base = 500 + (c - 1) * 20;
                    EXPECT_GE(gs.cell(c, x, y), base);
                    EXPECT_LE(gs.cell(c, x, y), base + 3);
                }
    int changedTown = 0;
    for (int t = 1; t <= kTowns; ++t)
        if (gs.town(t).race != world.town(t).race) {
            ++changedTown;
            TownRecord a = gs.town(t);
            a.race = world.town(t).race;
            EXPECT_EQ(std::memcmp(&a, &world.town(t), sizeof a), 0) << "only the race changes";
            EXPECT_NE(body.find("Теперь город принадлежит рассе " +
                                upperUtf8(gs.raceName(gs.town(t).race).str()) + " ."),
                      std::string::npos);
            EXPECT_TRUE(body.find("В городе " + gs.town(t).name.str() + " произошел переворт.") ==
                            0 ||
                        body.find("Город " + gs.town(t).name.str() + " был взят штурмом.") == 0)
                << body;
        }

    if (changedCells > 0) {
        EXPECT_LE(changedCells, 10);
        EXPECT_EQ(body, "На континенте " + gs.continentName(changedContinent).str() +
                            "\r\nпоявились разбойники...");
        return {"bandits", body};
    }
    if (body.find("появились разбойники") != std::string::npos) {
        ADD_FAILURE() << "bandits reported but none placed";
    }
    if (changedTown) {
        EXPECT_EQ(changedTown, 1);
        return {"town", body};
    }
    if (gs.authority != world.authority) {
        const long a = long(gs.authority) - long(world.authority);
        EXPECT_GE(a, 1);
        EXPECT_LE(a, 10);
        EXPECT_EQ(body, "Вы повысили свой авторитет на " + std::to_string(a) + ".");
        return {"authority", body};
    }
    if (gs.gold != world.gold) {
        const long g = long(gs.gold) - long(world.gold);
        EXPECT_GE(g, 100);
        EXPECT_LE(g, 299);
        EXPECT_EQ(body, "Вы получили немного золота (" + std::to_string(g) + ").");
        return {"gold", body};
    }
    for (int r = 1; r <= 5; ++r) {
        const std::string name = gs.raceName(r).str();
        if (body == name + " обвинили вас в шпионаже.\r\nОтношения ухудшены.") {
            EXPECT_EQ(gs.relation(r), std::max(0, world.relation(r) - 1));
            return {"worse", body};
        }
        if (body ==
            name + " довольны тем, что вы уничтожаете\r\nразбойников. Отношения улучшены.") {
            EXPECT_EQ(gs.relation(r), std::min(5, world.relation(r) + 1));
            return {"better", body};
        }
    }
    EXPECT_EQ(body, "нет.");
    EXPECT_EQ(std::memcmp(&gs, &world, sizeof(GameState)), 0) << "a quiet week changes nothing";
    return {"none", body};
}

TEST(NewWeek, EveryEventAppliesWhatItReportsWithTheTabledChances) {
    auto world = townWorld();
    // A continent of open ground with a few towns, so bandits find room.
    for (int t = 1; t <= kTowns; ++t)
        world->cell((t - 1) / 10 + 1, t, 40) = static_cast<uint16_t>(700 + t);
    auto gs = townWorld();
    Random rnd(7);
    std::map<std::string, int> seen;
    const int weeks = 9000;
    for (int i = 0; i < weeks; ++i) {
        ++seen[runWeek(*world, *gs, rnd).kind];
        if (::testing::Test::HasFailure()) break;
    }
    // Bandits 1/20; nothing 19/20 * 5/9; each other event 19/20 * 1/18 or 1/9.
    EXPECT_NEAR(seen["bandits"], weeks / 20.0, 90);
    EXPECT_NEAR(seen["none"], weeks * 19 / 20.0 * 5 / 9, 200);
    EXPECT_NEAR(seen["town"], weeks * 19 / 20.0 / 9, 120);
    EXPECT_NEAR(seen["authority"], weeks * 19 / 20.0 / 9, 120);
    EXPECT_NEAR(seen["gold"], weeks * 19 / 20.0 / 9, 120);
    EXPECT_NEAR(seen["worse"] + seen["better"], weeks * 19 / 20.0 / 9, 120);
    EXPECT_GT(seen["worse"], 0);
    EXPECT_GT(seen["better"], 0);
}

TEST(NewWeek, RelationsStayWithinTheirBoundsThoughTheTextSaysTheyChanged) {
    auto world = townWorld();
    auto gs = townWorld();
    Random rnd(11);
    int worse = 0, better = 0;
    for (uint8_t level : {uint8_t{0}, uint8_t{5}}) {
        for (int r = 1; r <= 5; ++r) world->relation(r) = level;
        for (int i = 0; i < 3000; ++i) {
            const WeekOutcome o = runWeek(*world, *gs, rnd);
            if ((o.kind == "worse" && level == 0) || (o.kind == "better" && level == 5)) {
                for (int r = 1; r <= 5; ++r) EXPECT_EQ(gs->relation(r), level);
            }
            worse += o.kind == "worse" && level == 0;
            better += o.kind == "better" && level == 5;
        }
    }
    EXPECT_GT(worse, 0);
    EXPECT_GT(better, 0);
}

TEST(NewWeek, BanditsNeverLoopForeverOnAFullContinent) {
    auto gs = townWorld();
    for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) gs->cell(c, x, y) = cell::kWater;
    Random rnd(3);
    int bandits = 0;
    for (int i = 0; i < 400; ++i)
        bandits += newWeekEvent(*gs, rnd).find("разбойники...") != std::string::npos;
    EXPECT_GT(bandits, 0);
}

// ---- the town list -------------------------------------------------------------------

const std::string kHyphens(35, '-');

TEST(TownList, NoKnownTownGivesThreeHyphenLines) {
    auto gs = townWorld();
    for (int t = 1; t <= kTowns; ++t)
        gs->cell((t - 1) / 10 + 1, t, t) = static_cast<uint16_t>(700 + t);
    EXPECT_EQ(townListLines(*gs), (std::vector<std::string>{kHyphens, kHyphens, kHyphens}));
}

TEST(TownList, KnownTownsInMapOrderWithTheirSixLines) {
    auto gs = townWorld();
    gs->cell(1, 12, 3) = 701;
    gs->cell(1, 10, 50) = 705;
    gs->cell(1, 10, 60) = 702;  // not known
    gs->cell(3, 30, 30) = 730;
    gs->town(1).visited = gs->town(5).visited = gs->town(30).visited = 1;
    gs->town(5).race = 4;  // changed hands during a week
    gs->letter(1) = 1;
    const std::vector<std::string> want = {
        kHyphens,
        "-= Город Эльфийск =-",
        "Континет: ИСКОРТИЯ; X=10; Y=50;",
        "Принадлежит рассе НЕКРОМАНТЫ.",
        "Рекруты - Эльфы.",
        "Хранилище не штурмовалось.",
        "",
        "-= Город Аркан =-",
        "Континет: ИСКОРТИЯ; X=12; Y=3;",
        "Принадлежит рассе ЛЮДИ.",
        "Рекруты - Крестьяне.",
        "Хранилище уже взято штурмом.",
        "",
        kHyphens,
        kHyphens,
        "-= Город Алград =-",
        "Континет: ТАЙМАНИЯ; X=30; Y=30;",
        "Принадлежит рассе НЕКРОМАНТЫ.",
        "Рекруты - Драконы.",
        "Хранилище не штурмовалось.",
        "",
    };
    EXPECT_EQ(townListLines(*gs), want);
}

}  // namespace
