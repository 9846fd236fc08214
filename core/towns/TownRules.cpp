#include "core/towns/TownRules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/towns/Relations.h"
#include "platform/Random.h"

namespace {

const char* const kCrLf = "\r\n";

std::string num(long long v) {
    return std::to_string(v);
}

bool validRace(int race) {
    return race >= 1 && race <= kRaces;
}

int relationOf(const GameState& gs, int race) {
    return validRace(race) ? gs.relation(race) : 0;
}

bool letterKnown(const GameState& gs, int letter) {
    return letter >= 1 && letter <= kLetters && gs.letter(letter) == 1;
}

bool sameKind(const Troop& a, const Troop& b) {
    return a.name.bytes() == b.name.bytes();
}

}  // namespace

// ---- texts shared by several windows ----------------------------------------

std::string troopText(const Troop& t) {
    std::string s = " -= " + t.name.str() + " =-" + kCrLf;
    s += padLetters(" Атака - " + num(t.attack) + ".", 18);
    s += padLetters(" Защита - " + num(t.defence) + ".", 18);
    s += padLetters(" Хиты - " + num(t.hits) + "/" + num(t.hitsMax) + ".", 18);
    s += kCrLf;
    s += padLetters(" Скорость - " + num(t.speed) + ".", 18);
    s += padLetters(" Реакция - " + num(t.reaction) + ".", 18);
    s += padLetters(" Мораль - " + num(t.morale) + ".", 18);
    s += kCrLf;
    s += padLetters(" Удача - " + num(t.luck) + ".", 18);
    s += padLetters(" Цена - " + num(t.price) + ".", 18);
    s += padLetters(" Лидер - " + num(t.leadership) + ".", 18);
    s += kCrLf;
    if (t.flies == 1)
        s += " Летают.";
    else if (t.shots != -1)
        s += " Выстрелов " + num(t.shots) + " с силой " + num(t.shotPower) + ".";
    return s;
}

std::string statusLine(const GameState& gs) {
    return padLetters("Золото " + num(gs.gold), 18) +
           padLetters("Авторитет " + num(gs.authority), 18);
}

std::string raceNameOf(const GameState& gs, int race) {
    return validRace(race) ? gs.raceName(race).str() : std::string();
}

// ---- town window --------------------------------------------------------------

HireLimit hireLimit(const GameState& gs, const Troop& recruit) {
    HireLimit h;
    // The Authority bound counts only the creatures of this kind already led.
    for (int s = 1; s <= kArmySlots; ++s)
        if (sameKind(gs.slot(s), recruit)) h.owned = gs.slot(s).count;

    // A kind without a price or a leadership need is not bounded by that value.
    constexpr long long kUnbounded = std::numeric_limits<int32_t>::max();
    const long long byGold =
        recruit.price > 0 ? gs.gold / static_cast<uint32_t>(recruit.price) : kUnbounded;
    const long long byLead =
        recruit.leadership > 0
            ? static_cast<long long>(gs.authority / static_cast<uint32_t>(recruit.leadership)) -
                  h.owned
            : kUnbounded;
    long long limit = std::min(byGold, byLead);
    // A head count is a 16-bit number: never hire past what the slot can hold.
    limit = std::min<long long>(limit, std::numeric_limits<int16_t>::max() - h.owned);
    h.limit = static_cast<int>(std::max(0LL, limit));

    for (int s = 1; s <= kArmySlots && h.slot == 0; ++s)
        if (sameKind(gs.slot(s), recruit)) h.slot = s;
    for (int s = 1; s <= kArmySlots && h.slot == 0; ++s)
        if (gs.slot(s).count == 0) h.slot = s;
    return h;
}

std::string hireCaption(const Troop& recruit, int count) {
    return "Нанять " + num(count) + " за " + num(static_cast<long long>(recruit.price) * count);
}

TownScreen showTown(GameState& gs, Session& s) {
    TownScreen v;
    // A battle started from a town clears no map cell when won.
    s.reward.cellX = 0;
    s.reward.cellY = 0;

    const int t = s.enteredTown.townNumber();
    if (t < 1 || t > kTowns) return v;
    TownRecord& town = gs.town(t);
    v.town = t;
    v.race = town.race;

    v.relationLine = "Расса " + upperUtf8(raceNameOf(gs, town.race)) + "  отноcятся " +
                     relationWord(relationOf(gs, town.race));
    v.recruitPic = town.recruit.picFile.str();
    v.recruitText = troopText(town.recruit);

    // Hiring.
    town.visited = 1;
    v.trackEnabled = v.hireEnabled = true;
    v.hire = hireLimit(gs, town.recruit);
    if (v.hire.slot == 0) {
        v.hireCaption = "Нельзя";
        v.trackEnabled = v.hireEnabled = false;
        v.hireText = "Нет места в отряде";
    } else {
        v.hireText =
            "У вас есть " + num(v.hire.owned) + ". Вы можете нанять " + num(v.hire.limit) + ".";
        v.hireCaption = hireCaption(town.recruit, 0);
        if (v.hire.limit == 0) {
            v.hireCaption = "Нельзя";
            v.hireEnabled = false;
        }
    }

    v.caption = "Город " + town.name.str();
    v.shipCaption = "Нанять корабль (" + num(kShipPrice) + ")";
    v.shipEnabled = false;
    v.status = statusLine(gs);

    // Ship place: of the water cells around the town, the one in the rightmost
    // column, and the topmost within that column.
    town.shipX = 0;
    town.shipY = 0;
    const int cx = s.enteredTown.x;
    const int cy = s.enteredTown.y;
    if (gs.continent >= 1 && gs.continent <= kContinents) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int x = cx + dx;
                const int y = cy + dy;
                if (!GameState::onMap(x, y)) continue;
                const uint16_t code = gs.here(x, y);
                if (code >= 100 && code <= 109 && gs.onShip == 0) {
                    town.shipX = static_cast<uint16_t>(x);
                    town.shipY = static_cast<uint16_t>(y);
                    if (gs.gold >= kShipPrice) v.shipEnabled = true;
                    break;
                }
            }
        }
    }

    v.templeCaption = "Жертва в храме (" + num(kTemplePrice) + ")";
    v.templeEnabled = gs.gold >= kTemplePrice;

    if (relationOf(gs, town.race) < 3) {
        v.relationRed = true;
        v.shipEnabled = false;
        v.hireEnabled = false;
    }
    v.vaultEnabled = !letterKnown(gs, town.vaultLetter);
    return v;
}

bool hireRecruits(GameState& gs, const TownRecord& town, const HireLimit& limit, int count) {
    if (limit.slot < 1 || limit.slot > kArmySlots || count < 0 || count > limit.limit) return false;
    const long long cost = static_cast<long long>(town.recruit.price) * count;
    if (cost < 0 || cost > gs.gold) return false;
    gs.gold -= static_cast<uint32_t>(cost);
    Troop& slot = gs.slot(limit.slot);
    slot = town.recruit;
    slot.count = static_cast<int16_t>(count + limit.owned);
    return true;
}

bool buyShip(GameState& gs, const TownRecord& town) {
    if (town.shipX == 0 || town.shipY == 0 || gs.gold < kShipPrice) return false;
    gs.gold -= kShipPrice;
    gs.heroX = town.shipX;
    gs.heroY = town.shipY;
    gs.onShip = 1;
    return true;
}

bool templeSacrifice(GameState& gs, const TownRecord& town) {
    if (gs.gold < kTemplePrice) return false;
    gs.gold -= kTemplePrice;
    changeRelation(gs, town.race, +1);
    return true;
}

// ---- vault ----------------------------------------------------------------------

std::string guardWord(int count) {
    if (count < 10) return "несколько";
    if (count < 20) return "немного";
    if (count < 30) return "отряд";
    return "гарнизон";
}

namespace {
// Upper-case names of the flagged races, each followed by ", ".
std::string raceList(const GameState& gs, const uint8_t flags[kRaces]) {
    std::string list;
    for (int r = 1; r <= kRaces; ++r)
        if (flags[r - 1] == 1) list += upperUtf8(gs.raceName(r).str()) + ", ";
    return list;
}
}  // namespace

std::string vaultText(const GameState& gs, const TownRecord& town) {
    std::string text = "Хранилище охраняют:\n\r";
    for (int k = 1; k <= 5; ++k)
        text += upperUtf8(town.guard(k).name.str()) + " (" + guardWord(town.guard(k).count) + ")" +
                kCrLf;
    const std::string better = raceList(gs, town.improves);
    if (!better.empty())
        text += std::string("В случае победы будут улучшены отношения с рассами:") + kCrLf + "  " +
                better + kCrLf;
    const std::string worse = raceList(gs, town.worsens);
    if (!worse.empty())
        text += std::string("В случае победы будут ухудшены отношения с рассами: ") + kCrLf + "  " +
                worse + kCrLf;
    return text;
}

void fillVaultReward(BattleReward& reward, const TownRecord& town) {
    reward.gold = town.vaultGold;
    reward.authority = town.vaultAuthority;
    reward.vaultTown = town.vaultLetter;
    for (int r = 0; r < kRaces; ++r) {
        reward.improves[r] = town.improves[r];
        reward.worsens[r] = town.worsens[r];
    }
}

void setUpStorm(const GameState& gs, const TownRecord& town, BattleSides& sides) {
    for (int k = 1; k <= 5; ++k) {
        sides.hero(k).count = 0;
        sides.enemy(k).count = 0;
    }
    for (int k = 1; k <= 5; ++k) {
        sides.hero(k) = gs.slot(k);
        sides.enemy(k) = town.guard(k);
    }
}

// ---- army -------------------------------------------------------------------------

bool moveSlotUp(GameState& gs, int& selected) {
    if (selected <= 1 || selected > kArmySlots) return false;
    std::swap(gs.slot(selected), gs.slot(selected - 1));
    --selected;
    return true;
}

bool moveSlotDown(GameState& gs, int& selected) {
    if (selected < 1 || selected >= kArmySlots) return false;
    std::swap(gs.slot(selected), gs.slot(selected + 1));
    ++selected;
    return true;
}

void dismissSlot(GameState& gs, int slot) {
    if (slot >= 1 && slot <= kArmySlots) gs.slot(slot).count = 0;
}

std::string dismissQuestion(const GameState& gs, int slot) {
    const std::string name = slot >= 1 && slot <= kArmySlots ? gs.slot(slot).name.str() : "";
    return "Уволить " + name + "?";
}

// ---- new week -----------------------------------------------------------------------

namespace {

// Random 1..n.
int oneTo(Random& rnd, int n) {
    return static_cast<int>(rnd(static_cast<uint32_t>(n))) + 1;
}

// Puts n new bandit groups on open ground of continent c. A continent with fewer
// open cells than that gets as many as it has room for.
void placeBandits(GameState& gs, Random& rnd, int c, int n) {
    int open = 0;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y)
            if (gs.cell(c, x, y) == cell::kGround) ++open;
    n = std::min(n, open);
    const uint16_t base = static_cast<uint16_t>(cell::kBanditFirst + (c - 1) * 20);
    while (n > 0) {
        const int x = oneTo(rnd, kMapW);
        const int y = oneTo(rnd, kMapH);
        if (gs.cell(c, x, y) != cell::kGround) continue;
        gs.cell(c, x, y) = static_cast<uint16_t>(base + rnd(4));
        --n;
    }
}

}  // namespace

std::string newWeekEvent(GameState& gs, Random& rnd) {
    std::string text = std::string("Неделя закончена.") + kCrLf + "Проишествия:" + kCrLf;

    if (rnd(20) == 10) {
        const int c = oneTo(rnd, kContinents);
        text += "На континенте " + gs.continentName(c).str() + kCrLf + "появились разбойники...";
        placeBandits(gs, rnd, c, oneTo(rnd, 10));
        return text;
    }

    switch (oneTo(rnd, 9)) {
        case 6: {
            const int r = oneTo(rnd, kRaces);
            if (rnd(2) == 0) {
                changeRelation(gs, r, -1);
                text += gs.raceName(r).str() + " обвинили вас в шпионаже." + kCrLf +
                        "Отношения ухудшены.";
            } else {
                changeRelation(gs, r, +1);
                text += gs.raceName(r).str() + " довольны тем, что вы уничтожаете" + kCrLf +
                        "разбойников. Отношения улучшены.";
            }
            break;
        }
        case 7: {
            TownRecord& town = gs.town(oneTo(rnd, kTowns));
            int r;
            do {
                r = oneTo(rnd, kRaces);
            } while (r == town.race);
            town.race = static_cast<uint8_t>(r);
            if (rnd(2) == 0)
                text += "В городе " + town.name.str() + " произошел переворт.";
            else
                text += "Город " + town.name.str() + " был взят штурмом.";
            text += std::string(kCrLf) + "Теперь город принадлежит рассе " +
                    upperUtf8(gs.raceName(r).str()) + " .";
            break;
        }
        case 8: {
            const int a = oneTo(rnd, 10);
            gs.authority += static_cast<uint32_t>(a);
            text += "Вы повысили свой авторитет на " + num(a) + ".";
            break;
        }
        case 9: {
            const int g = static_cast<int>(rnd(200)) + 100;
            gs.gold += static_cast<uint32_t>(g);
            text += "Вы получили немного золота (" + num(g) + ").";
            break;
        }
        default:
            text += "нет.";
    }
    return text;
}

// ---- town list ----------------------------------------------------------------------

std::vector<std::string> townListLines(const GameState& gs, std::vector<TownListPlace>* places) {
    std::vector<std::string> lines;
    for (int c = 1; c <= kContinents; ++c) {
        lines.emplace_back(35, '-');
        if (places) places->resize(lines.size());
        for (int x = 1; x <= kMapW; ++x) {
            for (int y = 1; y <= kMapH; ++y) {
                const uint16_t code = gs.cell(c, x, y);
                if (code < 700 || code > 730) continue;
                const int t = code - 700;
                if (t < 1) continue;  // 700 names no town
                const TownRecord& town = gs.town(t);
                if (town.visited != 1) continue;
                lines.push_back("-= Город " + town.name.str() + " =-");
                lines.push_back("Континет: " + gs.continentName(c).str() + "; X=" + num(x) +
                                "; Y=" + num(y) + ";");
                lines.push_back("Принадлежит рассе " + upperUtf8(raceNameOf(gs, town.race)) + ".");
                lines.push_back("Рекруты - " + town.recruit.name.str() + ".");
                lines.push_back(letterKnown(gs, town.vaultLetter) ? "Хранилище уже взято штурмом."
                                                                  : "Хранилище не штурмовалось.");
                lines.emplace_back();
                if (places) places->resize(lines.size(), TownListPlace{c, x, y});
            }
        }
    }
    return lines;
}
