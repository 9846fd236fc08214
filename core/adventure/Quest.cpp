#include "core/adventure/Quest.h"

#include "core/data/GameState.h"
#include "core/data/ShortString.h"
#include "platform/Random.h"

namespace {

constexpr std::string_view kTeens[10] = {"десять",       "одиннадцать", "двенадцать",  "тринадцать",
                                         "четырнадцать", "пятнадцать",  "шестнадцать", "семнадцать",
                                         "восемнадцать", "девятнадцать"};
// The game's own spellings of 50..80 are kept.
constexpr std::string_view kTens[10] = {"",           "",         "двадцать",  "тридцать",
                                        "сорок",      "пятдесят", "шестдесят", "семдесят",
                                        "восемдесят", "девяносто"};
constexpr std::string_view kUnits[10] = {"",      " один",  " два",  " три",    " четыре",
                                         " пять", " шесть", " семь", " восемь", " девять"};

constexpr std::string_view kOpenings[6] = {
    "...на рассвете вахнар умер ",
    "...сегодня на рассвете повелитель умер ",
    "...сегодня утром мой господин скончался ",
    "...к моему великому горю повелитель умер ",
    "...на рассвете господина не стало ",
    "...вахнар умер сегодня утром ",
};

constexpr std::string_view kEndings[7] = {
    "да будет его прах не потревожен неверными...",
    "да будет его прах лежать нетронутым...",
    "мир и спокойствие его праху...",
    "пусть никто не потревожит его вечный сон...",
    "покойся с миром великий маг...",
    "да будет прах великого мага вахнара лежать нетронутым...",
    "пусть ничто не потревожит его...",
};

}  // namespace

std::string numberWords(int n) {
    if (n >= 10 && n <= 19) return std::string(kTeens[n - 10]);
    if (n < 0 || n > 99) return {};
    return std::string(kTens[n / 10]) + std::string(kUnits[n % 10]);
}

std::string diarySentence(int o, int b, int e, std::string_view continent, int x, int y) {
    const std::string c(continent), X = numberWords(x), Y = numberWords(y);
    std::string burial;
    switch (b) {
        case 0:
            burial = "я и верные мне люди похоронили его на земле " + c + " координаты " + X + " " +
                     Y + " ";
            break;
        case 1:
            burial = "я и верные мне воины захоронили его на земле " + c + " координаты " + X +
                     " " + Y + " ";
            break;
        case 2:
            burial = "погребли мы его с почестями в земле континента " + c + " координаты " + X +
                     " " + Y + " ";
            break;
        case 3:
            burial = "прах господина покоится в земле в месте с координатами " + X + " " + Y +
                     " на земле " + c + " ";
            break;
        default:
            burial = "тело повелителя покоится в месте с координатами " + X + " " + Y +
                     " на земле " + c + " ";
            break;
    }
    return std::string(kOpenings[o % 6]) + burial + std::string(kEndings[e % 7]);
}

std::string breakDiaryLines(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        if (text.size() < 20) {
            out += text;
            break;
        }
        out += text.substr(0, 20);
        out += "\r\n";
        text.remove_prefix(20);
    }
    return out;
}

void makeQuest(GameState& gs, Random& rnd) {
    rnd.reseedFromClock();
    gs.graveContinent = static_cast<uint8_t>(1 + rnd(3));
    int x = 0, y = 0;
    do {
        x = 1 + static_cast<int>(rnd(70));
        y = 1 + static_cast<int>(rnd(80));
    } while (gs.cell(gs.graveContinent, x, y) != cell::kGround);
    gs.graveX = static_cast<uint16_t>(x);
    gs.graveY = static_cast<uint16_t>(y);

    const int o = static_cast<int>(rnd(6));
    const int b = static_cast<int>(rnd(5));
    const int e = static_cast<int>(rnd(7));
    const std::string sentence =
        diarySentence(o, b, e, gs.continentName(gs.graveContinent).str(), x, y);
    // Upper case and line breaks work on the stored cp1251 characters, one byte each.
    gs.diaryText.setBytes(breakDiaryLines(cp1251::upper(cp1251::fromUtf8(sentence))));
}

std::string maskedDiary(const GameState& gs) {
    std::string text(gs.diaryText.bytes());
    for (int k = 1; k <= kLetters; ++k) {
        if (gs.letter(k)) continue;
        const char hidden = cp1251::fromUtf8(DiaryAlphabet[k])[0];
        for (char& ch : text)
            if (ch == hidden) ch = '?';
    }
    return cp1251::toUtf8(text);
}
