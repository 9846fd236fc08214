// The quest: where the Great Mage lies and the diary of Nazg that names the place.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct GameState;
class Random;

// The thirty runic letters of the diary, 1-based: town t's vault deciphers letter t.
// Ё, Ъ and Э are not among them and are never hidden.
inline constexpr std::array<std::string_view, 31> DiaryAlphabet = {
    "",  "Ю", "Б", "Ж", "В", "У", "Х", "М", "Г", "З", "Ц", "Д", "Ф", "Ы", "Ч", "К",
    "Л", "Й", "Щ", "Ь", "Н", "Е", "О", "П", "Ш", "С", "И", "Р", "Я", "Т", "А"};

// Russian words for 1..99 as the diary writes them: a units word keeps its leading
// blank (7 gives " семь"), multiples of ten have none ("сорок"), 10..19 are one word.
std::string numberWords(int n);

// The diary sentence before it is cut into lines: opening o (0..5), burial b (0..4)
// and ending e (0..6) around the continent's name and the two coordinates.
std::string diarySentence(int o, int b, int e, std::string_view continent, int x, int y);

// Cuts a cp1251 text into lines of 20 characters, each full line followed by CR LF
// (so a text whose length is a multiple of 20 ends with CR LF).
std::string breakDiaryLines(std::string_view cp1251);

// Reseeds the generator, chooses the grave on open ground of a random continent and
// writes the diary text (upper case, 20-character lines, at most 255 bytes).
void makeQuest(GameState& gs, Random& rnd);

// The diary as its window shows it: every letter not deciphered yet replaced by "?".
// UTF-8, CR LF line breaks kept.
std::string maskedDiary(const GameState& gs);
