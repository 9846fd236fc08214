#include "core/data/SaveCheck.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace {

std::string num(long long v) {
    return std::to_string(v);
}

std::string fail(const std::string& what) {
    return "Файл повреждён: " + what + ".";
}

bool flag(uint8_t v) {
    return v <= 1;
}

bool inMapX(long long x) {
    return x >= 1 && x <= kMapW;
}
bool inMapY(long long y) {
    return y >= 1 && y <= kMapH;
}

// The game builds "Resourse/Army/" + name and "Resourse/Army/" + sound; a name
// from a file must stay a plain file of that folder and be of the right kind.
bool plainFileName(const ShortString& s, std::string_view ext) {
    std::string_view b = s.bytes();
    if (b.size() <= ext.size() || b.front() == '.') return false;
    for (char c : b) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '/' || c == '\\' || c == ':') return false;
    }
    std::string_view tail = b.substr(b.size() - ext.size());
    for (size_t i = 0; i < ext.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

// A creature kind as a battle, the town window and the army window use it.
// Stale slots (count 0) are never read, so only stacks in use and town recruits
// are checked.
std::string checkKind(const Troop& t, const std::string& where) {
    if (!plainFileName(t.picFile, ".pic"))
        return fail(where + ": неверное имя картинки «" + t.picFile.str() + "»");
    if (!plainFileName(t.wavFile, ".wav"))
        return fail(where + ": неверное имя звука «" + t.wavFile.str() + "»");
    if (t.hitsMax < 0) return fail(where + ": отрицательные хиты " + num(t.hitsMax));
    if (t.hits < 0 || t.hits > t.hitsMax)
        return fail(where + ": хиты " + num(t.hits) + " из " + num(t.hitsMax));
    if (t.speed < 1 || t.speed > 20) return fail(where + ": скорость " + num(t.speed));
    if (t.shots < -1) return fail(where + ": выстрелов " + num(t.shots));
    if (t.missileKind > 2) return fail(where + ": неизвестный снаряд " + num(t.missileKind));
    if (!flag(t.flies)) return fail(where + ": признак полёта " + num(t.flies));
    if (t.price < 0 || t.leadership < 0)
        return fail(where + ": цена " + num(t.price) + ", лидерство " + num(t.leadership));
    return {};
}

std::string checkStack(const Troop& t, const std::string& where) {
    if (t.count < 0) return fail(where + ": отрицательная численность " + num(t.count));
    if (t.count == 0) return {};
    return checkKind(t, where);
}

bool definedGroup(int g) {
    return (g >= 0 && g <= 3) || (g >= 20 && g <= 23) || (g >= 40 && g <= 43);
}

std::string cellText(int c, int x, int y) {
    return " в клетке X=" + num(x) + " Y=" + num(y) + " континента " + num(c);
}

std::string checkMaps(const GameState& gs) {
    for (int c = 1; c <= kContinents; ++c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                const uint16_t code = gs.cell(c, x, y);
                if (!knownCellCode(code))
                    return fail("неизвестный код карты " + num(code) + cellText(c, x, y));
                if (cell::isTown(code) && (code - cell::kTownBase - 1) / 10 + 1 != c)
                    return fail("город " + num(code - cell::kTownBase) +
                                " стоит на чужом континенте" + cellText(c, x, y));
                if (!flag(gs.explored(c, x, y)))
                    return fail("неверная отметка разведки" + cellText(c, x, y));
            }
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const uint16_t v = gs.ground(x, y);
            if (v < 1 || v > 8)
                return fail("неверный вид земли " + num(v) + " в клетке X=" + num(x) +
                            " Y=" + num(y));
        }
    return {};
}

std::string checkArmyMoves(const GameState& gs) {
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j) {
            const ArmyMove& m = gs.armyMoves[i][j];
            if (m.fromX == 0 && m.fromY == 0 && m.toX == 0 && m.toY == 0) continue;
            if (!inMapX(m.fromX) || !inMapY(m.fromY) || !inMapX(m.toX) || !inMapY(m.toY) ||
                m.toX % 10 != i || m.toY % 10 != j)
                return fail("неверная запись хода армии (" + num(m.fromX) + "," + num(m.fromY) +
                            ")->(" + num(m.toX) + "," + num(m.toY) + ")");
        }
    return {};
}

std::string checkTowns(const GameState& gs) {
    for (int t = 1; t <= kTowns; ++t) {
        const TownRecord& r = gs.town(t);
        const std::string where = "город " + num(t);
        if (r.race < 1 || r.race > kRaces) return fail(where + ": неверная раса " + num(r.race));
        if (r.vaultLetter < 1 || r.vaultLetter > kLetters)
            return fail(where + ": неверная буква хранилища " + num(r.vaultLetter));
        if (r.shipX > kMapW || r.shipY > kMapH)
            return fail(where + ": корабль вне карты (" + num(r.shipX) + "," + num(r.shipY) + ")");
        if (!flag(r.visited)) return fail(where + ": неверная отметка посещения");
        for (int k = 0; k < kRaces; ++k)
            if (!flag(r.improves[k]) || !flag(r.worsens[k]))
                return fail(where + ": неверные отметки отношений");
        if (r.recruit.count < 0) return fail(where + ": отрицательная численность рекрутов");
        if (auto e = checkKind(r.recruit, where + ", рекруты"); !e.empty()) return e;
        for (int k = 1; k <= 5; ++k)
            if (auto e = checkStack(r.guard(k), where + ", стража " + num(k)); !e.empty()) return e;
    }
    return {};
}

}  // namespace

bool knownCellCode(uint16_t code) {
    if (code == cell::kGround) return true;
    if (code >= 55 && code <= 60) return true;
    if (code >= 65 && code <= 70) return true;
    if (code >= cell::kPortal && code <= cell::kOrb) return true;
    if (cell::isWater(code)) return true;
    if (code >= 500 && code <= 543) return definedGroup(code - 500);
    return cell::isTown(code);
}

std::string validateSave(const GameState& gs) {
    if (!inMapX(gs.heroX) || !inMapY(gs.heroY))
        return fail("герой вне карты (X=" + num(gs.heroX) + " Y=" + num(gs.heroY) + ")");
    if (gs.continent < 1 || gs.continent > kContinents)
        return fail("неверный континент " + num(gs.continent));
    if (!flag(gs.heroFacing)) return fail("неверное направление героя " + num(gs.heroFacing));
    if (gs.heroSprite < 91 || gs.heroSprite > 100)
        return fail("неверная картинка героя " + num(gs.heroSprite));
    if (gs.stepShiftX < -100 || gs.stepShiftX > 100 || gs.stepShiftY < -100 || gs.stepShiftY > 100)
        return fail("неверный сдвиг героя");
    if (!flag(gs.onShip)) return fail("неверный признак корабля " + num(gs.onShip));
    if (!flag(gs.musicOn) || !flag(gs.soundOn)) return fail("неверные настройки звука");
    for (int r = 1; r <= kRaces; ++r)
        if (gs.relation(r) > 5)
            return fail("отношения с расой " + num(r) + " равны " + num(gs.relation(r)));
    for (int k = 1; k <= kLetters; ++k)
        if (!flag(gs.letter(k))) return fail("неверная отметка буквы " + num(k));
    if (gs.spellTries > 3) return fail("попыток заклятья " + num(gs.spellTries));
    if (gs.graveContinent < 1 || gs.graveContinent > kContinents || !inMapX(gs.graveX) ||
        !inMapY(gs.graveY))
        return fail("могила вне карты");
    // Gold and Authority are shown and compared as signed numbers in places.
    constexpr uint32_t kMaxAmount = std::numeric_limits<int32_t>::max();
    if (gs.gold > kMaxAmount) return fail("золота " + num(gs.gold));
    if (gs.authority > kMaxAmount) return fail("авторитета " + num(gs.authority));
    for (int s = 1; s <= kArmySlots; ++s)
        if (auto e = checkStack(gs.slot(s), "отряд " + num(s) + " армии героя"); !e.empty())
            return e;
    if (auto e = checkMaps(gs); !e.empty()) return e;
    if (auto e = checkArmyMoves(gs); !e.empty()) return e;
    return checkTowns(gs);
}
