// Short strings as the game stores them (a length byte and up to 255 Windows-1251
// bytes), and the one converter between those bytes and the UTF-8 of our sources.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#pragma pack(push, 1)
struct ShortString {
    uint8_t len;
    char text[255];

    // The stored bytes (cp1251), as many as the length byte says.
    std::string_view bytes() const { return std::string_view(text, len); }
    // The text in UTF-8.
    std::string str() const;
    // Stores a UTF-8 text, converted to cp1251 and cut to 255 bytes.
    void set(std::string_view utf8);
    // Stores cp1251 bytes as they are, cut to 255.
    void setBytes(std::string_view cp1251);
    bool operator==(std::string_view utf8) const { return str() == utf8; }
};
#pragma pack(pop)
static_assert(sizeof(ShortString) == 256);

namespace cp1251 {

// UTF-8 -> Windows-1251. Characters the code page lacks become '?'; malformed
// UTF-8 bytes become '?' as well, so any input gives a printable result.
std::string fromUtf8(std::string_view utf8);
// Windows-1251 -> UTF-8 (every byte has a meaning; 0x98 becomes U+FFFD).
std::string toUtf8(std::string_view cp);
// Upper case of one cp1251 byte: Latin a-z, Russian а-я, ё -> Ё (and the few
// other Cyrillic letters of the page).
char upper(char c);
std::string upper(std::string_view cp);

}  // namespace cp1251

// Pads a UTF-8 text with blanks to `width` letters (not bytes), on the right by
// default or on the left; a longer text is kept whole. Columns of the game's texts
// are counted as the player sees them.
std::string padLetters(std::string_view utf8, size_t width, bool alignRight = false);

// Upper case of a UTF-8 text, letter by letter as the cp1251 upper case does it.
std::string upperUtf8(std::string_view utf8);
