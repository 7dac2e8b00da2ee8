#pragma once

#include <cstdint>

// Marks the pixels of exactly the border colour (red, green and blue) in one row of 32-bit
// pixels: bit x of out[x / 64] is set for a border pixel, and every bit past `width` in the last
// word is set as well, so that runs of open pixels always end inside the row.
void wallBits(const std::uint32_t* pixels, int width, std::uint32_t border, std::uint64_t* out);
