#include "viewer/BmpFile.h"

#include <cstdio>

namespace tallowby {

namespace {
void Put(std::array<uint8_t, kBmpHeaderBytes>& header, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) header[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}
}  // namespace

std::array<uint8_t, kBmpHeaderBytes> BmpHeader(int width, int height) {
    const uint32_t imageBytes = static_cast<uint32_t>(BgrImage::RowBytes(width)) * static_cast<uint32_t>(height);
    std::array<uint8_t, kBmpHeaderBytes> header{};
    Put(header, 0, 0x4D42, 2);  // "BM"
    Put(header, 2, imageBytes + kBmpHeaderBytes, 4);
    Put(header, 10, kBmpHeaderBytes, 4);  // where the pixels start
    Put(header, 14, 40, 4);               // information header size
    Put(header, 18, static_cast<uint32_t>(width), 4);
    Put(header, 22, static_cast<uint32_t>(height), 4);  // positive: rows bottom-up
    Put(header, 26, 1, 2);                              // planes
    Put(header, 28, 24, 2);                             // bits per pixel
    Put(header, 34, imageBytes, 4);
    return header;  // compression, resolutions and colour counts stay 0
}

bool WriteBmpFile(const std::string& path, const BgrImage& image) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const auto header = BmpHeader(image.width, image.height);
    bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    written = written && std::fwrite(image.pixels.data(), 1, image.pixels.size(), file) == image.pixels.size();
    const bool closed = std::fclose(file) == 0;
    // A half-written picture would look like a result; leave none behind.
    if (!(written && closed)) std::remove(path.c_str());
    return written && closed;
}

}  // namespace tallowby
