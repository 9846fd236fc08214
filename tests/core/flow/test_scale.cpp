// The scale a run is drawn at: the one that fits a screen, and which of the
// command line's, the remembered and the fitting one a run takes.
#include <gtest/gtest.h>

#include "core/flow/ScaleChoice.h"

using scale::Screen;

TEST(ScaleChoice, TheLargestThatFitsEachScreen) {
    // Available areas: the screen less a 32-pixel panel, in device pixels.
    struct Row {
        const char* screen;
        Screen area;
        double expected;
    };
    const Row rows[] = {
        // Small screens: the battle window at 1.5 would be taller than they are.
        {"1280x800 handheld", {1280, 768, 1}, 1},
        {"1366x768 laptop", {1366, 736, 1}, 1},
        // Full HD: 1.5 fits, 2 is too tall. Qt rounds a desktop factor of 1.25
        // to 1; at 2 the desktop already doubles everything and nothing more fits.
        {"1920x1080", {1920, 1048, 1}, 1.5},
        {"1920x1080 at 1.25", {1920, 1048, 1.25}, 1.5},
        {"1920x1080 at 2", {1920, 1048, 2}, 1},
        {"2560x1440", {2560, 1408, 1}, 2.5},
        {"3840x2160", {3840, 2128, 1}, 3.5},
        {"3840x2160 at 2", {3840, 2128, 2}, 1.5},
        // Never below 1, never above 4.
        {"640x480", {640, 480, 1}, 1},
        {"8K", {7680, 4288, 1}, 4},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(scale::fitting(r.area), r.expected) << r.screen;
        // The fitting scale fits, the next one up does not.
        if (r.expected > 1 && r.expected < 4) {
            EXPECT_TRUE(scale::fits(r.expected, r.area)) << r.screen;
            EXPECT_FALSE(scale::fits(r.expected + 0.5, r.area)) << r.screen;
        }
    }
    // Exactly at the edge still fits: the map at 2 with its frame.
    EXPECT_TRUE(scale::fits(2, {2 * 732 + 16, 2 * 511 + 40, 1}, {{732, 511}}));
    EXPECT_FALSE(scale::fits(2, {2 * 732 + 15, 2 * 511 + 40, 1}, {{732, 511}}));
    EXPECT_EQ(scale::desktopFactor(1.5), 2);
    EXPECT_EQ(scale::desktopFactor(0.5), 1);
}

TEST(ScaleChoice, CommandLineHoldsRememberedGivesWayAutoFits) {
    const Screen fullHd{1920, 1048, 1};
    // "Авто": the fitting scale, nothing said.
    scale::Choice c = scale::choose(std::nullopt, std::nullopt, fullHd);
    EXPECT_EQ(c.value, 1.5);
    EXPECT_TRUE(c.note.empty());
    // A remembered scale that fits holds; one that no longer fits gives way.
    EXPECT_EQ(scale::choose(std::nullopt, 1.0, fullHd).value, 1);
    c = scale::choose(std::nullopt, 3.0, fullHd);
    EXPECT_EQ(c.value, 1.5);
    EXPECT_EQ(c.note, "the scale 3 does not fit this screen; this run uses 1.5");
    // The command line's holds even where it does not fit, and wins over the
    // remembered one.
    c = scale::choose(2.5, 1.0, fullHd);
    EXPECT_EQ(c.value, 2.5);
    EXPECT_EQ(c.note, "the scale 2.5 does not fit this screen; 1.5 would");
    EXPECT_EQ(scale::choose(1.0, 1.5, fullHd).value, 1);
    // Without a screen: what was chosen, else 1.
    EXPECT_EQ(scale::choose(std::nullopt, 3.0, std::nullopt).value, 3);
    EXPECT_EQ(scale::choose(std::nullopt, std::nullopt, std::nullopt).value, 1);

    // The screen the last run opened on, as the settings file keeps it. A pixel
    // or two lost to rounding, or an unrounded factor, is the same screen.
    const Screen kept{1920, 1048, 1.25};
    EXPECT_EQ(scale::screenText(kept), "1920x1048@1.25");
    const std::optional<Screen> back = scale::parseScreen("1920x1048@1.25");
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(scale::sameScreen(*back, {1919, 1049, 1}));
    EXPECT_FALSE(scale::sameScreen(*back, {1920, 1048, 2}));
    EXPECT_FALSE(scale::sameScreen(*back, {1366, 736, 1}));
    for (const char* junk : {"", "1920x1048", "1920x1048@", "0x5@1", "1920x1048@1x", "ax1@1",
                             " 1x1@1", "99999999999x1@1", "1x1@nan", "1x1@-2"})
        EXPECT_FALSE(scale::parseScreen(junk).has_value()) << junk;

    EXPECT_EQ(scale::text(1.5, ','), "1,5");
    EXPECT_EQ(scale::text(4), "4");
}
