#include "core/battle/Outcome.h"

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/towns/Relations.h"

namespace {
const char* const kDiaryAlphabet[30] = {"Ю", "Б", "Ж", "В", "У", "Х", "М", "Г", "З", "Ц",
                                        "Д", "Ф", "Ы", "Ч", "К", "Л", "Й", "Щ", "Ь", "Н",
                                        "Е", "О", "П", "Ш", "С", "И", "Р", "Я", "Т", "А"};

// The races whose flag is set, each upper-cased and followed by ", "; the
// relation of each moves by `delta`.
std::string changeRaces(GameState& gs, const uint8_t* flags, int delta) {
    std::string list;
    for (int r = 1; r <= kRaces; ++r)
        if (flags[r - 1] == 1) {
            list += upperUtf8(gs.raceName(r).str()) + ", ";
            changeRelation(gs, r, delta);
        }
    return list;
}
}  // namespace

std::string diaryLetter(int n) {
    return n >= 1 && n <= 30 ? kDiaryAlphabet[n - 1] : "";
}

std::string applyVictory(GameState& gs, const BattleReward& reward) {
    std::string text = "Захвачено золота " + std::to_string(reward.gold) + "\r\n";
    gs.gold += reward.gold;
    text += "Авторитет увеличен на " + std::to_string(reward.authority) + "\r\n";
    gs.authority += reward.authority;
    // Only a real town's vault holds a letter; anything else would write past
    // the thirty letters of the diary.
    if (reward.vaultTown >= 1 && reward.vaultTown <= kLetters) {
        text += "Дешифрована буква \"" + diaryLetter(reward.vaultTown) + "\"\r\n";
        gs.letter(reward.vaultTown) = 1;
    }
    std::string better = changeRaces(gs, reward.improves, +1);
    if (!better.empty()) text += "Улучшены отношения с рассами:\r\n  " + better + "\r\n";
    std::string worse = changeRaces(gs, reward.worsens, -1);
    if (!worse.empty()) text += "Ухудшены отношения с рассами: \r\n  " + worse + "\r\n";
    if (reward.cellX != 0 && reward.cellY != 0 && GameState::onMap(reward.cellX, reward.cellY) &&
        gs.continent >= 1 && gs.continent <= kContinents)
        gs.here(reward.cellX, reward.cellY) = cell::kGround;
    return text;
}

std::string applyDefeat(GameState& gs) {
    const uint32_t lostGold = gs.gold >> 2;
    const uint32_t lostAuthority = gs.authority / 5;
    gs.gold -= lostGold;
    gs.authority -= lostAuthority;
    return "Ваши потери:\n\rЗолото -" + std::to_string(lostGold) + ".\n\rАвторитет -" +
           std::to_string(lostAuthority) + ".";
}

void applyRetreat(GameState& gs, BattleSides& sides) {
    for (int s = 1; s <= kArmySlots; ++s) {
        int left = sides.hero(s).count;
        gs.slot(s).count = static_cast<int16_t>(left > 0 ? left / 2 : 0);
    }
    for (int s = 1; s <= kArmySlots; ++s) sides.hero(s).count = 0;
}
