// The row transform of .pic pictures on arbitrary sizes and contents: decoding
// after encoding gives the rows back, mirroring twice too, and nothing outside
// the rows is touched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/PicCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int width = data[0] | (data[1] & 0x0F) << 8;  // 0..4095
    const int height = data[2] % 64;
    const int slack = data[3] % 8;  // row padding, as bitmaps have
    data += 4;
    size -= 4;
    const std::ptrdiff_t stride = width + slack;
    const size_t total = static_cast<size_t>(stride) * static_cast<size_t>(height);
    if (total > (1u << 20)) return 0;

    std::vector<uint8_t> rows(total);
    for (size_t i = 0; i < total; ++i) rows[i] = size ? data[i % size] : static_cast<uint8_t>(i);
    const std::vector<uint8_t> original = rows;

    DecodeRows(rows.data(), width, height, stride);
    for (int y = 0; slack > 0 && y < height; ++y)  // the padding stays as it was
        if (std::memcmp(rows.data() + y * stride + width, original.data() + y * stride + width,
                        static_cast<size_t>(slack)) != 0)
            std::abort();
    EncodeRows(rows.data(), width, height, stride);
    if (rows != original) std::abort();

    MirrorRows(rows.data(), width, height, stride);
    MirrorRows(rows.data(), width, height, stride);
    if (rows != original) std::abort();
    if (width < 11) {
        DecodeRows(rows.data(), width, height, stride);
        if (rows != original) std::abort();  // narrow pictures are stored as they are
    }
    return 0;
}
