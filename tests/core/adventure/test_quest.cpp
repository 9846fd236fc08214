#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/adventure/Quest.h"
#include "core/data/GameState.h"
#include "core/data/ShortString.h"
#include "platform/Random.h"

namespace {

std::unique_ptr<GameState> zeroState() {
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    return gs;
}

std::string withoutBreaks(std::string s) {
    std::string out;
    for (char ch : s)
        if (ch != '\r' && ch != '\n') out += ch;
    return out;
}

TEST(Quest, NumberWords) {
    EXPECT_EQ(numberWords(1), " один");
    EXPECT_EQ(numberWords(7), " семь");  // the leading blank stays
    EXPECT_EQ(numberWords(10), "десять");
    EXPECT_EQ(numberWords(11), "одиннадцать");
    EXPECT_EQ(numberWords(19), "девятнадцать");
    EXPECT_EQ(numberWords(20), "двадцать");
    EXPECT_EQ(numberWords(40), "сорок");
    EXPECT_EQ(numberWords(57), "пятдесят семь");
    EXPECT_EQ(numberWords(64), "шестдесят четыре");
    EXPECT_EQ(numberWords(70), "семдесят");
    EXPECT_EQ(numberWords(80), "восемдесят");
    EXPECT_EQ(numberWords(99), "девяносто девять");
}

TEST(Quest, SentenceOfEachTable) {
    EXPECT_EQ(diarySentence(0, 0, 0, "АЛЛИЯ", 7, 40),
              "...на рассвете вахнар умер я и верные мне люди похоронили его на земле АЛЛИЯ "
              "координаты  семь сорок да будет его прах не потревожен неверными...");
    EXPECT_EQ(diarySentence(5, 4, 6, "ТАЙМАНИЯ", 10, 80),
              "...вахнар умер сегодня утром тело повелителя покоится в месте с координатами "
              "десять восемдесят на земле ТАЙМАНИЯ пусть ничто не потревожит его...");
    EXPECT_EQ(diarySentence(3, 3, 4, "X", 1, 2),
              "...к моему великому горю повелитель умер прах господина покоится в земле в месте "
              "с координатами  один  два на земле X покойся с миром великий маг...");
}

TEST(Quest, LinesOfTwentyWithCrLf) {
    EXPECT_EQ(breakDiaryLines(""), "");
    EXPECT_EQ(breakDiaryLines("short"), "short");
    const std::string twenty(20, 'A');
    EXPECT_EQ(breakDiaryLines(twenty), twenty + "\r\n");
    EXPECT_EQ(breakDiaryLines(twenty + twenty), twenty + "\r\n" + twenty + "\r\n");
    EXPECT_EQ(breakDiaryLines(twenty + "B"), twenty + "\r\nB");
}

TEST(Quest, GraveOnOpenGroundAndDiaryNamesIt) {
    auto gs = zeroState();
    gs->continentName(1).set("ИСКОРТИЯ");
    gs->continentName(2).set("АЛЛИЯ");
    gs->continentName(3).set("ТАЙМАНИЯ");
    for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) gs->cell(c, x, y) = cell::kWater;
    // One open cell per continent: the grave must find it.
    gs->cell(1, 12, 7) = gs->cell(2, 33, 61) = gs->cell(3, 70, 80) = cell::kGround;
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        Random rnd;
        rnd.useSeedSequence(seed);
        makeQuest(*gs, rnd);
        const int c = gs->graveContinent;
        ASSERT_GE(c, 1);
        ASSERT_LE(c, 3);
        EXPECT_EQ(gs->cell(c, gs->graveX, gs->graveY), cell::kGround);
        const std::string diary = gs->diaryText.str();
        const std::string flat = withoutBreaks(diary);
        EXPECT_NE(flat.find(gs->continentName(c).str()), std::string::npos) << flat;
        EXPECT_NE(flat.find(upperUtf8(numberWords(gs->graveX))), std::string::npos) << flat;
        EXPECT_EQ(flat, upperUtf8(flat));
        // Every line but the last holds exactly twenty characters.
        const std::string bytes(gs->diaryText.bytes());
        size_t start = 0, end;
        while ((end = bytes.find("\r\n", start)) != std::string::npos) {
            EXPECT_EQ(end - start, 20u);
            start = end + 2;
        }
        EXPECT_LT(bytes.size() - start, 20u);
    }
}

TEST(Quest, MaskHidesTheThirtyLettersOnly) {
    auto gs = zeroState();
    gs->diaryText.set("ЁЪЭ АБВ...\r\nЯТ Ю");
    EXPECT_EQ(maskedDiary(*gs), "ЁЪЭ ???...\r\n?? ?");
    gs->letter(30) = 1;  // А
    gs->letter(2) = 1;   // Б
    EXPECT_EQ(maskedDiary(*gs), "ЁЪЭ АБ?...\r\n?? ?");
    for (int k = 1; k <= kLetters; ++k) gs->letter(k) = 1;
    EXPECT_EQ(maskedDiary(*gs), gs->diaryText.str());

    // A real diary with nothing deciphered keeps no letter of the alphabet.
    for (int k = 1; k <= kLetters; ++k) gs->letter(k) = 0;
    gs->diaryText.setBytes(breakDiaryLines(
        cp1251::upper(cp1251::fromUtf8(diarySentence(2, 2, 3, "ИСКОРТИЯ", 34, 41)))));
    const std::string masked = maskedDiary(*gs);
    for (int k = 1; k <= kLetters; ++k)
        EXPECT_EQ(masked.find(DiaryAlphabet[k]), std::string::npos) << DiaryAlphabet[k];
    EXPECT_EQ(masked.substr(0, 4), "...?");
    EXPECT_NE(masked.find("\r\n"), std::string::npos);
}

}  // namespace
