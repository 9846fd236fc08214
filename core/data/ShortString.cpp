#include "core/data/ShortString.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Unicode code points of cp1251 bytes 0x80..0xBF (0xC0..0xFF are U+0410..U+044F).
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0457};

char32_t codePoint(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHigh[b - 0x80];
}

int byteFor(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp && cp != 0xFFFD) return static_cast<int>(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

namespace cp1251 {

std::string fromUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t cp = 0;
        size_t n = 0;
        if (b < 0x80) {
            cp = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            n = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool ok = i + n <= s.size();
        for (size_t k = 1; ok && k < n; ++k) {
            auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        int byte = byteFor(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += n;
    }
    return out;
}

std::string toUtf8(std::string_view cp) {
    std::string out;
    out.reserve(cp.size() * 2);
    for (char c : cp) appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
    return out;
}

char upper(char c) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    if (b >= 0xE0) return static_cast<char>(b - 32);  // а..я -> А..Я
    switch (b) {
        case 0xB8:
            return static_cast<char>(0xA8);  // ё
        case 0xBA:
            return static_cast<char>(0xAA);  // є
        case 0xBF:
            return static_cast<char>(0xAF);  // ї
        case 0xB3:
            return static_cast<char>(0xB2);  // і
        case 0xA2:
            return static_cast<char>(0xA1);  // ў
        case 0xBC:
            return static_cast<char>(0xA3);  // ј
        case 0xB4:
            return static_cast<char>(0xA5);  // ґ
        case 0xBE:
            return static_cast<char>(0xBD);  // ѕ
        case 0x90:
            return static_cast<char>(0x80);  // ђ
        case 0x83:
            return static_cast<char>(0x81);  // ѓ
        case 0x9A:
            return static_cast<char>(0x8A);  // љ
        case 0x9C:
            return static_cast<char>(0x8C);  // њ
        case 0x9D:
            return static_cast<char>(0x8D);  // ќ
        case 0x9E:
            return static_cast<char>(0x8E);  // ћ
        case 0x9F:
            return static_cast<char>(0x8F);  // џ
        default:
            return c;
    }
}

std::string upper(std::string_view cp) {
    std::string out(cp);
    for (char& c : out) c = upper(c);
    return out;
}

}  // namespace cp1251

std::string upperUtf8(std::string_view utf8) {
    return cp1251::toUtf8(cp1251::upper(cp1251::fromUtf8(utf8)));
}

std::string padLetters(std::string_view utf8, size_t width, bool alignRight) {
    size_t letters = 0;
    for (unsigned char c : utf8) letters += (c & 0xC0) != 0x80;
    std::string pad(letters < width ? width - letters : 0, ' ');
    return alignRight ? pad + std::string(utf8) : std::string(utf8) + pad;
}

std::string ShortString::str() const {
    return cp1251::toUtf8(bytes());
}

void ShortString::set(std::string_view utf8) {
    setBytes(cp1251::fromUtf8(utf8));
}

void ShortString::setBytes(std::string_view cp) {
    size_t n = std::min<size_t>(cp.size(), 255);
    len = static_cast<uint8_t>(n);
    std::memcpy(text, cp.data(), n);
}
