#include <gtest/gtest.h>

#include <memory>

#include "core/data/GameState.h"
#include "core/flow/Sound.h"
#include "platform/Paths.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

// Counts how often the game looks for a file; every file "exists" when asked.
struct CountingPlatform : HeadlessPlatform {
    mutable int lookups = 0;
    bool present = true;
    bool fileExists(const std::string&) const override {
        ++lookups;
        return present;
    }
};

}  // namespace

TEST(PlayWave, SilentWithSoundsOffReportedWhenMissingPlayedOtherwise) {
    auto gs = std::make_unique<GameState>();
    CountingPlatform p;

    gs->soundOn = 0;
    PlayWave(*gs, p, "Wav/Gold.Wav");
    EXPECT_EQ(p.lookups, 0) << "sounds off: the file is not even looked for";
    EXPECT_TRUE(p.sounds.empty());
    EXPECT_TRUE(p.messages.empty());

    gs->soundOn = 1;
    p.present = false;
    PlayWave(*gs, p, "Wav/Gold.Wav");
    EXPECT_TRUE(p.sounds.empty());
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0], "Can't gind file " + dataPath("Wav/Gold.Wav"));

    p.present = true;
    PlayWave(*gs, p, "Resourse/Battle/Step.wav", false);
    ASSERT_EQ(p.sounds.size(), 1u);
    EXPECT_EQ(p.sounds[0], dataPath("Resourse/Battle/Step.wav"));
}
