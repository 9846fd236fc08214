#include "platform/PicCodec.h"

#include <algorithm>

// Ten passes of a running sum with a lag of ten bytes. Encoding runs each pass
// upwards; decoding undoes it downwards, which makes it the exact inverse.
void EncodeRows(uint8_t* rows, int width, int height, std::ptrdiff_t stride) {
    if (width < 11) return;
    for (int pass = 0; pass < 10; ++pass)
        for (int y = 0; y < height; ++y) {
            uint8_t* b = rows + y * stride;
            for (int i = 0; i <= width - 11; ++i) b[i] = static_cast<uint8_t>(b[i] + b[i + 10]);
        }
}

void DecodeRows(uint8_t* rows, int width, int height, std::ptrdiff_t stride) {
    if (width < 11) return;
    for (int pass = 0; pass < 10; ++pass)
        for (int y = 0; y < height; ++y) {
            uint8_t* b = rows + y * stride;
            for (int i = width - 11; i >= 0; --i) b[i] = static_cast<uint8_t>(b[i] - b[i + 10]);
        }
}

void MirrorRows(uint8_t* rows, int width, int height, std::ptrdiff_t stride) {
    for (int y = 0; y < height; ++y) std::reverse(rows + y * stride, rows + y * stride + width);
}
