// Any bytes as a save file: the loader must refuse them or load an image that the
// game's own rules can then play without touching anything out of range.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "core/data/SaveCheck.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/fuzz/PlayLoaded.h"

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "fuzz_save: %s\n", what);
    std::abort();
}

std::vector<std::unique_ptr<GameState>>& bases() {
    static std::vector<std::unique_ptr<GameState>> list;
    return list;
}

// A short input edits a real game instead of being a whole file: one byte picks
// the game, then records of a 3-byte offset, a length byte and that many bytes
// overwrite the block. Mutations then land on meaningful fields far more often
// than in a 226,716-byte input.
void applyPatches(const uint8_t* data, size_t size, GameState& gs) {
    auto* block = reinterpret_cast<uint8_t*>(&gs);
    size_t i = 1;
    while (i + 4 <= size) {
        const size_t offset = (data[i] | data[i + 1] << 8 | data[i + 2] << 16) % kGameStateSize;
        size_t len = data[i + 3];
        i += 4;
        len = std::min({len, size - i, kGameStateSize - offset});
        std::memcpy(block + offset, data + i, len);
        i += len;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FillTemplates();
    HeadlessPlatform platform;
    for (uint64_t seed : {1, 2}) {
        auto gs = std::make_unique<GameState>();
        Random rnd;
        rnd.useSeedSequence(seed);
        NewGame(*gs, rnd, platform);
        bases().push_back(std::move(gs));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The load path: read into a scratch block, check, and only then replace.
    auto image = std::make_unique<GameState>();
    if (size == kGameStateSize) {
        const std::vector<unsigned char> bytes(data, data + size);
        if (!decodeSave(bytes, *image)) broken("a whole image was refused by its size");
        if (encodeSave(*image) != bytes) broken("an image does not survive save and load");
    } else {
        std::vector<unsigned char> bytes(data, data + std::min(size, size_t{64}));
        if (decodeSave(bytes, *image)) broken("an image of the wrong size was taken");
        if (size == 0) return 0;
        *image = *bases()[data[0] % bases().size()];
        applyPatches(data, size, *image);
    }
    const std::string why = validateSave(*image);
    if (!why.empty()) return 0;
    if (std::string p = playcheck::playLoadedGame(*image); !p.empty()) broken(p.c_str());
    return 0;
}
