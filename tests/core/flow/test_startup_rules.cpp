// The start-up rules that need no window: the command line and the intro story.
#include <gtest/gtest.h>

#include "core/data/ShortString.h"
#include "core/flow/CommandLine.h"
#include "core/flow/IntroStory.h"

TEST(Startup, CommandLine) {
    auto cl = ParseCommandLine({"vestran", "--seed", "42", "--data-dir=/tmp/x", "--scale", "1.3",
                                "-platform", "offscreen"});
    EXPECT_TRUE(cl.error.empty()) << cl.error;
    EXPECT_EQ(cl.seed, 42u);
    EXPECT_EQ(cl.dataDir, "/tmp/x");
    EXPECT_EQ(cl.scale, 1.5);
    EXPECT_EQ(cl.rest, (std::vector<std::string>{"vestran", "-platform", "offscreen"}));

    EXPECT_TRUE(ParseCommandLine({"vestran", "--help"}).help);
    EXPECT_EQ(ParseCommandLine({"vestran", "--load", "Save/auto.psv"}).load, "Save/auto.psv");
    EXPECT_TRUE(ParseCommandLine({"vestran", "--version"}).version);
    for (auto bad : std::vector<std::vector<std::string>>{{"v", "--seed"},
                                                          {"v", "--seed", "-3"},
                                                          {"v", "--seed", "12x"},
                                                          {"v", "--scale", "abc"},
                                                          {"v", "--scale", "0"},
                                                          {"v", "--scale", "0.9"},
                                                          {"v", "--scale", "4.5"},
                                                          {"v", "--data-dir", ""},
                                                          {"v", "--load"},
                                                          {"v", "--sead", "1"}})
        EXPECT_FALSE(ParseCommandLine(bad).error.empty()) << bad[1];

    EXPECT_EQ(RoundScale("2"), 2.0);
    EXPECT_EQ(RoundScale("1.74"), 1.5);
    EXPECT_EQ(RoundScale("1.75"), 2.0);
    EXPECT_EQ(RoundScale("1"), 1.0);
    EXPECT_EQ(RoundScale("4"), 4.0);
    EXPECT_FALSE(RoundScale("0.5").has_value());
    EXPECT_FALSE(RoundScale("9").has_value());
    EXPECT_FALSE(RoundScale("nan").has_value());
    EXPECT_NE(ParseCommandLine({"v", "--scale", "0.5"}).error.find("from 1 to 4"),
              std::string::npos);
}

TEST(IntroStory, PhasesFollowTheTagArithmetic) {
    IntroAnimation a;
    a.start();
    // Phase 1: the picture moves up two pixels a tick until 441 + tag >= 510.
    IntroFrame f = a.tick(441, 399, 500);
    EXPECT_EQ(f.kind, IntroFrame::Kind::Scroll);
    EXPECT_EQ(f.source, (IntroRect{0, 2, 399, 500}));
    EXPECT_EQ(f.target, (IntroRect{0, 0, 399, 498}));
    int scrolls = 1;
    while ((f = a.tick(441, 399, 500)).kind == IntroFrame::Kind::Scroll) {
        EXPECT_FALSE(f.takeCanvas);
        ++scrolls;
    }
    EXPECT_EQ(scrolls, 35);  // tags 2..70
    // Phase 2 starts in the same tick that ends phase 1: tag 1, then + 3.
    EXPECT_TRUE(f.takeCanvas);
    EXPECT_EQ(a.phase, 2);
    EXPECT_EQ(f.source, (IntroRect{0, 0, 399, 500}));
    EXPECT_EQ(f.target, (IntroRect{0, 0, 403, 504}));
    int zooms = 1;
    while ((f = a.tick(441, 399, 500)).kind == IntroFrame::Kind::Zoom) ++zooms;
    EXPECT_EQ(zooms, 60);
    EXPECT_EQ(a.zoom, 181);
    // Phase 3: tag 1, then + 2; the canvas slides left, stretched by the zoom.
    EXPECT_EQ(f.kind, IntroFrame::Kind::Slide);
    EXPECT_EQ(f.source, (IntroRect{3, 0, 399, 500}));
    EXPECT_EQ(f.target, (IntroRect{0, 0, 399 + 181 - 3, 500 + 181}));
    int slides = 1;
    while ((f = a.tick(441, 399, 500)).kind == IntroFrame::Kind::Slide) ++slides;
    EXPECT_EQ(slides, 40);
    EXPECT_EQ(a.tag, 81);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.tick(441, 399, 500).kind, IntroFrame::Kind::Finished);

    a.start();
    EXPECT_EQ(a.tick(441, 399, 500).kind, IntroFrame::Kind::Scroll);
    EXPECT_EQ(a.tag, 2);
}

TEST(IntroStory, TextFitsTheWindowLines) {
    const auto& lines = IntroStory();
    EXPECT_GE(lines.size(), 35u);
    EXPECT_LE(lines.size(), 45u);
    std::string all;
    for (const auto& line : lines) {
        EXPECT_LE(cp1251::fromUtf8(line).size(), 34u) << line;
        all += line;
    }
    for (const char* word : {"Вахнар", "Назг", "ЗаклятьеМогущества", "Хранилищ", "трех раз"})
        EXPECT_NE(all.find(word), std::string::npos) << word;
    EXPECT_EQ(all.find("Заклинание"), std::string::npos);  // the spell has one name
    EXPECT_NE(IntroStoryText().find("\r\n"), std::string::npos);
}
