#include "core/battle/BanditRules.h"

#include "core/data/GameState.h"
#include "core/data/Session.h"

int banditGroup(uint16_t encounterCode) {
    int g = static_cast<int>(encounterCode) - cell::kBanditFirst;
    // Codes up to 600 count as armies on the map, but only 44 groups exist.
    return g >= 0 && g < kEncounterGroups ? g : -1;
}

std::string banditText(int group) {
    std::string text = "В отряде есть:\n\r";
    if (group < 0 || group >= kEncounterGroups) return text;
    for (const Troop& m : EncounterGroupTable[group].members)
        text += upperUtf8(m.name.str()) + "\r\n";
    return text;
}

void banditReward(BattleReward& reward, int group) {
    const bool known = group >= 0 && group < kEncounterGroups;
    reward.gold = known ? EncounterGroupTable[group].rewardGold : 0;
    reward.authority = known ? EncounterGroupTable[group].rewardAuthority : 0;
    reward.vaultTown = 0;
    for (int r = 0; r < 5; ++r) {
        reward.improves[r] = 0;
        reward.worsens[r] = 0;
    }
}

void banditSides(BattleSides& sides, const GameState& gs, int group) {
    for (int k = 1; k <= 5; ++k) {
        sides.hero(k).count = 0;
        sides.enemy(k).count = 0;
    }
    for (int k = 1; k <= 5; ++k) sides.hero(k) = gs.slot(k);
    if (group < 0 || group >= kEncounterGroups) return;
    for (int k = 1; k <= 3; ++k) sides.enemy(k) = EncounterGroupTable[group].members[k - 1];
}
