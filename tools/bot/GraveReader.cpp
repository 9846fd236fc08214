#include "tools/bot/GraveReader.h"

#include <array>
#include <string>
#include <string_view>

#include "core/adventure/Quest.h"
#include "core/data/GameState.h"
#include "core/data/ShortString.h"

namespace bot {

namespace {

// The diary keeps 255 bytes of 20-character lines, each full one followed by
// CR LF: eleven whole lines and 13 characters of the twelfth.
constexpr size_t kShownChars = 233;
constexpr int kOpenings = 6, kBurials = 5, kEndings = 7;

std::string upperCp(std::string_view utf8) {
    return cp1251::upper(cp1251::fromUtf8(utf8));
}

class Matcher {
public:
    explicit Matcher(const GameState& gs) {
        const std::string shown = cp1251::fromUtf8(maskedDiary(gs));
        for (size_t i = 0; i < shown.size(); ++i) {
            if (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') {
                ++i;
                continue;
            }
            text_ += shown[i];
        }
        for (int k = 1; k <= kLetters; ++k)
            if (gs.letter(k) == 0)
                hidden_[static_cast<unsigned char>(cp1251::fromUtf8(DiaryAlphabet[k])[0])] = true;
    }

    // Whether `piece` may stand at `pos` of the sentence. Past the end of what
    // the diary kept, anything fits when the diary was cut.
    bool fits(size_t pos, std::string_view piece) const {
        for (size_t i = 0; i < piece.size(); ++i) {
            const size_t p = pos + i;
            if (p >= text_.size()) return cut();
            const char shown = text_[p];
            const char c = piece[i];
            if (shown == '?' ? !hidden_[static_cast<unsigned char>(c)] : shown != c) return false;
        }
        return true;
    }
    // A sentence of `length` characters leaves exactly what is shown.
    bool ends(size_t length) const {
        return length == text_.size() || (length > text_.size() && cut());
    }
    bool empty() const { return text_.empty(); }

private:
    bool cut() const { return text_.size() >= kShownChars; }

    std::string text_;
    std::array<bool, 256> hidden_{};
};

}  // namespace

std::vector<GravePlace> gravePlaces(const GameState& gs) {
    std::vector<GravePlace> places;
    std::vector<bool> found(static_cast<size_t>(kContinents + 1) * (kMapW + 1) * (kMapH + 1));
    const Matcher m(gs);
    if (m.empty()) return places;

    std::array<std::string, kMapH + 1> words;
    for (int n = 1; n <= kMapH; ++n) words[n] = upperCp(numberWords(n));
    // Every burial writes the two coordinates as X + " " + Y: two numbers with
    // distinct words mark where they stand in a sentence.
    const std::string marker = upperCp(numberWords(10) + " " + numberWords(11));

    for (int c = 1; c <= kContinents; ++c) {
        const std::string name = gs.continentName(c).str();
        for (int o = 0; o < kOpenings; ++o)
            for (int b = 0; b < kBurials; ++b) {
                std::array<std::string, kEndings> tails;
                std::string head;
                for (int e = 0; e < kEndings; ++e) {
                    const std::string s = upperCp(diarySentence(o, b, e, name, 10, 11));
                    const size_t at = s.find(marker);
                    if (at == std::string::npos) return {};  // the sentence changed shape
                    head = s.substr(0, at);
                    tails[e] = s.substr(at + marker.size());
                }
                if (!m.fits(0, head)) continue;
                for (int x = 1; x <= kMapW; ++x) {
                    const size_t afterX = head.size() + words[x].size() + 1;
                    if (!m.fits(head.size(), words[x] + " ")) continue;
                    for (int y = 1; y <= kMapH; ++y) {
                        if (!m.fits(afterX, words[y])) continue;
                        const size_t afterY = afterX + words[y].size();
                        for (int e = 0; e < kEndings; ++e) {
                            if (!m.ends(afterY + tails[e].size()) || !m.fits(afterY, tails[e]))
                                continue;
                            const size_t i =
                                (static_cast<size_t>(c) * (kMapW + 1) + x) * (kMapH + 1) + y;
                            if (!found[i]) places.push_back({c, x, y});
                            found[i] = true;
                            break;
                        }
                    }
                }
            }
    }
    return places;
}

std::optional<GravePlace> knownGrave(const GameState& gs) {
    const std::vector<GravePlace> places = gravePlaces(gs);
    if (places.size() != 1) return std::nullopt;
    return places.front();
}

}  // namespace bot
