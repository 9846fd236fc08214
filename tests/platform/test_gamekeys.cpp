#include <gtest/gtest.h>

#include "platform/GameKeys.h"

namespace {
constexpr unsigned kPlaceOfW = 25, kPlaceOfZ = 52, kPlaceOfA = 38, kPlaceOfQ = 24,
                   kPlaceOfComma = 59;
}

TEST(LetterKeys, BattleLettersCountByTheTypedLetterAsWellAsByPlace) {
    const auto battle = [](unsigned code, char32_t typed) {
        return letterKey("LAW", letterAtX11Code(code), letterOfTyped(typed),
                         LetterRule::PlaceOrLetter);
    };
    EXPECT_EQ(battle(kPlaceOfW, U'w'), 'W') << "QWERTY";
    EXPECT_EQ(battle(kPlaceOfW, U'ц'), 'W') << "Russian";
    EXPECT_EQ(battle(kPlaceOfZ, U'W'), 'W') << "AZERTY: the key marked W";
    EXPECT_EQ(battle(kPlaceOfW, U'z'), 'W') << "AZERTY: W's place still counts";
    EXPECT_EQ(battle(kPlaceOfQ, U'a'), 'A') << "AZERTY: the key marked A";
    EXPECT_EQ(battle(kPlaceOfA, U'q'), 'A');
    EXPECT_EQ(battle(kPlaceOfComma, U'w'), 'W') << "Dvorak: W where QWERTY has a comma";
    EXPECT_EQ(battle(kPlaceOfComma, U','), 0);
    EXPECT_EQ(battle(kPlaceOfZ, U'z'), 0);
}

TEST(LetterKeys, MapCommandsCountByPlaceOnly) {
    const auto map = [](std::optional<char> place, char32_t typed) {
        return letterKey("UFJYP", place, letterOfTyped(typed), LetterRule::Place);
    };
    EXPECT_EQ(map(letterAtX11Code(30), U'г'), 'U') << "Г and U share a key";
    EXPECT_EQ(map(letterAtX11Code(30), U'u'), 'U');
    EXPECT_EQ(map(letterAtX11Code(27), U'p'), 0) << "Dvorak types P in QWERTY's R place";
    // A press sent by a program carries no place: its letter decides.
    EXPECT_EQ(map(std::nullopt, U'Г'), 'U');
    EXPECT_EQ(map(std::nullopt, U'x'), 0);
}
