#include "platform/GameKeys.h"

KeyStep keyStep(GameKey key) {
    switch (key) {
        case GameKey::Right:
            return {1, 0};
        case GameKey::Left:
            return {-1, 0};
        case GameKey::Up:
            return {0, -1};
        case GameKey::Down:
            return {0, 1};
        case GameKey::PageUp:
            return {1, -1};
        case GameKey::PageDown:
            return {1, 1};
        case GameKey::Home:
            return {-1, -1};
        case GameKey::End:
            return {-1, 1};
        case GameKey::Space:
        case GameKey::None:
            break;
    }
    return {};
}

GameKey directionKey(int dx, int dy) {
    for (GameKey k : kDirectionKeys) {
        const KeyStep s = keyStep(k);
        if (s.dx == dx && s.dy == dy) return k;
    }
    return GameKey::None;
}

GameKey keypadDigitKey(int digit) {
    static constexpr GameKey keys[10] = {
        GameKey::None,  GameKey::End,   GameKey::Down, GameKey::PageDown, GameKey::Left,
        GameKey::Space, GameKey::Right, GameKey::Home, GameKey::Up,       GameKey::PageUp};
    return (digit >= 0 && digit <= 9) ? keys[digit] : GameKey::None;
}

namespace {

// The Russian layout's letters on the keys A..Z of the Latin one.
constexpr char32_t kCyrillic[26] = {U'Ф', U'И', U'С', U'В', U'У', U'А', U'П', U'Р', U'Ш',
                                    U'О', U'Л', U'Д', U'Ь', U'Т', U'Щ', U'З', U'Й', U'К',
                                    U'Ы', U'Е', U'Г', U'М', U'Ц', U'Ч', U'Н', U'Я'};

// The X keyboard codes of the keys A..Z: they name the key's place, not its letter.
constexpr unsigned kX11Codes[26] = {38, 56, 54, 40, 26, 41, 42, 43, 31, 44, 45, 46, 58,
                                    57, 32, 33, 24, 27, 39, 28, 30, 55, 25, 53, 29, 52};

bool among(std::string_view letters, char c) {
    return c != 0 && letters.find(c) != std::string_view::npos;
}

}  // namespace

char letterAtX11Code(unsigned code) {
    for (int i = 0; i < 26; ++i)
        if (kX11Codes[i] == code) return static_cast<char>('A' + i);
    return 0;
}

char letterOfTyped(char32_t typed) {
    if (typed >= U'a' && typed <= U'z') typed -= U'a' - U'A';
    if (typed >= U'A' && typed <= U'Z') return static_cast<char>(typed);
    // Lower-case Russian letters lie 0x20 above their capitals (а..я over А..Я).
    if (typed >= U'а' && typed <= U'я') typed -= U'а' - U'А';
    for (int i = 0; i < 26; ++i)
        if (kCyrillic[i] == typed) return static_cast<char>('A' + i);
    return 0;
}

char32_t cyrillicAt(char latin) {
    return latin >= 'A' && latin <= 'Z' ? kCyrillic[latin - 'A'] : 0;
}

char letterKey(std::string_view letters, std::optional<char> place, char typed, LetterRule rule) {
    if (rule == LetterRule::PlaceOrLetter && among(letters, typed)) return typed;
    if (place) return among(letters, *place) ? *place : 0;
    return among(letters, typed) ? typed : 0;
}
