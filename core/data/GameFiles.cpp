#include "core/data/GameFiles.h"

#include "core/data/Creatures.h"
#include "platform/AssetNames.h"

namespace assets {

std::vector<std::string> allGameFiles() {
    std::vector<std::string> v = windowPictures();
    const auto& slots = mapSlots();
    for (size_t i = 1; i < slots.size(); ++i)
        if (!slots[i].file.empty() && slots[i].mirroredFrom == 0)
            v.push_back(kTravel + slots[i].file);
    for (int r = 1; r <= 5; ++r) v.push_back(std::string(kTravel) + townView(r));
    for (const auto& b : battlePictures()) v.push_back(kBattle + b);
    for (const Troop& t : CreatureTable) {
        v.push_back(kArmy + t.picFile.str());
        v.push_back(kArmy + t.wavFile.str());
    }
    for (const char* w :
         {kWavGold, kWavTown, kWavPortal, kWavBandit, kWavBattle, kWavVictory, kWavDie, kWavSpell,
          kWavNF, kWavStep, kWavFight, kWavShotA, kWavShotB, kWavFly})
        v.emplace_back(w);
    for (int n = 1; n <= 6; ++n) v.push_back(mapMusic(n));
    v.emplace_back(kMusicWin);
    v.emplace_back(kMusicIntro);
    v.emplace_back(kReadMe);
    v.emplace_back(kHelpPad);
    return v;
}

}  // namespace assets
