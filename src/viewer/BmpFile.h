#pragma once
// The BMP pictures of the viewer windows: 24 bits per pixel, blue-green-red, rows bottom-up, each
// row padded to a multiple of four bytes, behind a 14-byte file header and a 40-byte information
// header (all little-endian). Plain file work; the window read-back is in viewer/BmpExport.h.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallowby {

constexpr int kBmpHeaderBytes = 54;

// A picture as BMP stores it: bottom row first, BGR, rows of RowBytes(width) bytes.
struct BgrImage {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
    static int RowBytes(int width) { return (width * 3 + 3) / 4 * 4; }
};

[[nodiscard]] std::array<uint8_t, kBmpHeaderBytes> BmpHeader(int width, int height);

// Writes header and pixels. False when the file cannot be created or written completely (nothing
// is reported here; the caller says so).
[[nodiscard]] bool WriteBmpFile(const std::string& path, const BgrImage& image);

}  // namespace tallowby
