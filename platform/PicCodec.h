// The reversible row scrambling of the game's .pic pictures, and the mirror used
// for enemy stacks. Both work on the first `width` bytes of each row of an 8-bit
// picture, in place.
#pragma once

#include <cstddef>
#include <cstdint>

void EncodeRows(uint8_t* rows, int width, int height, std::ptrdiff_t stride);
void DecodeRows(uint8_t* rows, int width, int height, std::ptrdiff_t stride);
void MirrorRows(uint8_t* rows, int width, int height, std::ptrdiff_t stride);
