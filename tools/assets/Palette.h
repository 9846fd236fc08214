// Reducing 32-bit drawings to the 8-bit palettes of the game's pictures.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace gen {

// A palette of at most `maxColours` entries for the opaque pixels (alpha >= 128) of
// the given images: median cut, then a few rounds of k-means to settle the entries.
std::vector<QRgb> buildPalette(const std::vector<const QImage*>& images, int maxColours);

// The palette index of every pixel, row by row, top row first. Opaque pixels take
// the nearest entry among palette[first..]; transparent ones take `keyIndex`.
std::vector<uint8_t> mapToPalette(const QImage& img, const std::vector<QRgb>& palette, int first,
                                  int keyIndex);

}  // namespace gen
