#include <gtest/gtest.h>

#include "data/GameState.h"
#include "data/Session.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shell/main.h"

TEST(Startup, StartWindowHasItsCaption) {
    static GameState gs{};
    Session session;
    Random rnd(1);
    HeadlessPlatform platform;
    GameContext ctx{gs, session, rnd, platform, {}};
    TStartForm start(ctx);
    EXPECT_EQ(start.windowTitle().toStdString(), "ВЕСТРАН v1.4");
}
