#include "core/data/ContinentBuilder.h"

#include <string>

#include "core/data/GameState.h"
#include "core/data/MapTexts.h"
#include "platform/Platform.h"
#include "platform/Random.h"

namespace {

constexpr MapTextCounts kCounts[kContinents] = {
    {1766, 1099, 1027, 833},
    {1684, 881, 1165, 995},
    {1766, 643, 1156, 1160},
};

constexpr std::array<CellXY, 10> kTownCells[kContinents] = {
    {{{56, 14},
      {32, 15},
      {4, 18},
      {19, 21},
      {34, 33},
      {48, 33},
      {33, 47},
      {26, 61},
      {53, 68},
      {63, 76}}},
    {{{54, 16},
      {49, 21},
      {4, 22},
      {31, 22},
      {67, 35},
      {46, 41},
      {11, 42},
      {28, 59},
      {4, 65},
      {56, 67}}},
    {{{52, 4},
      {23, 13},
      {5, 20},
      {47, 26},
      {42, 33},
      {18, 45},
      {66, 53},
      {6, 62},
      {54, 63},
      {22, 64}}},
};

constexpr CellXY kPortalCells[kContinents] = {{34, 41}, {24, 22}, {35, 20}};

int clampContinent(int c) {
    return c < 1 ? 1 : (c > kContinents ? kContinents : c);
}

// Draws random cells of the whole grid until one is open ground (every draw counts:
// the same seed gives the same game); stops early only when the continent has no
// open ground left at all.
bool randomOpenCell(GameState& gs, Random& rnd, int c, int& x, int& y, int& openLeft) {
    if (openLeft <= 0) return false;
    do {
        x = 1 + static_cast<int>(rnd(kMapW));
        y = 1 + static_cast<int>(rnd(kMapH));
    } while (gs.cell(c, x, y) != cell::kGround);
    --openLeft;
    return true;
}

}  // namespace

const MapTextCounts& mapTextCounts(int c) {
    return kCounts[clampContinent(c) - 1];
}

const std::array<CellXY, 10>& townCells(int c) {
    return kTownCells[clampContinent(c) - 1];
}

CellXY portalCell(int c) {
    return kPortalCells[clampContinent(c) - 1];
}

void BuildContinent(GameState& gs, Random& rnd, Platform& platform, int c) {
    BuildContinentFromText(gs, rnd, platform, c, mapText(c));
}

void BuildContinentFromText(GameState& gs, Random& rnd, Platform& platform, int c,
                            std::string_view text) {
    if (c < 1 || c > kContinents) return;
    rnd.reseedFromClock();
    bool used[10] = {};
    int townsLeft = 10;

    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) gs.cell(c, x, y) = cell::kWater;

    const size_t n = text.size() < static_cast<size_t>(kMapTextLen) ? text.size() : kMapTextLen;
    const std::string error = "Error in MAP! " + std::to_string(c);
    for (size_t k = 0; k < n; ++k) {
        const int x = kMapTextX0 + static_cast<int>(k) % kMapTextW;
        const int y = kMapTextY0 + static_cast<int>(k) / kMapTextW;
        uint16_t& cellRef = gs.cell(c, x, y);
        switch (text[k]) {
            case ' ':
                cellRef = cell::kGround;
                break;
            case 'W':
                break;
            case 'L':
                cellRef = static_cast<uint16_t>(cell::kForestFirst + rnd(5));
                break;
            case 'R':
                cellRef = static_cast<uint16_t>(cell::kRockFirst + rnd(5));
                break;
            case 'P':
                cellRef = cell::kPortal;
                break;
            case 'T': {
                // The ten towns of the continent in random order. A text with more
                // than ten "T" would otherwise draw for ever.
                if (townsLeft == 0) {
                    platform.message(error);
                    break;
                }
                uint32_t r = 0;
                do r = rnd(10);
                while (used[r]);
                used[r] = true;
                --townsLeft;
                cellRef = static_cast<uint16_t>(cell::kTownBase + (c - 1) * 10 + r + 1);
                break;
            }
            default:
                platform.message(error);
                break;
        }
    }

    rnd.reseedFromClock();
    int openLeft = 0;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) openLeft += gs.cell(c, x, y) == cell::kGround;

    int x = 0, y = 0;
    if (randomOpenCell(gs, rnd, c, x, y, openLeft)) gs.cell(c, x, y) = cell::kOrb;
    for (int i = 0; i < 40 && randomOpenCell(gs, rnd, c, x, y, openLeft); ++i)
        gs.cell(c, x, y) = cell::kTreasure;
    const int banditBase = cell::kBanditFirst + (c - 1) * 20;
    for (int i = 0; i < 45 && randomOpenCell(gs, rnd, c, x, y, openLeft); ++i)
        gs.cell(c, x, y) = static_cast<uint16_t>(banditBase + rnd(4));
}
