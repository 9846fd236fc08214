#include "core/flow/Sound.h"

#include "core/data/GameState.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

void PlayWave(const GameState& gs, Platform& p, const std::string& relative, bool async) {
    if (gs.soundOn == 0) return;
    const std::string path = dataPath(relative);
    if (!p.fileExists(path)) {
        p.message("Can't gind file " + path);
        return;
    }
    p.playSound(path, async);
}
