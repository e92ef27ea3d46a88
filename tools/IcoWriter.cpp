#include "tools/IcoWriter.h"

#include <stdexcept>

namespace zol {

namespace {

constexpr std::uint32_t kBitmapHeaderBytes = 40;
constexpr std::uint32_t kDirectoryBytes = 6;
constexpr std::uint32_t kEntryBytes = 16;
constexpr std::uint16_t kIconResourceType = 1;
constexpr int kLargestSizePx = 256;  // the directory writes 256 as 0

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

// One size: a bottom-up BGRA bitmap of twice the height (colour, then the
// mask), as icon resources store it.
std::vector<std::uint8_t> bitmap(const XpmImage& picture, int size) {
    std::vector<std::uint8_t> out;
    put32(out, kBitmapHeaderBytes);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2));
    put16(out, 1);   // planes
    put16(out, 32);  // bits per pixel
    for (int i = 0; i < 6; ++i) put32(out, 0);  // no compression, no palette
    const auto source = [&](int x, int y) { return picture.at(x * picture.widthPx / size, y * picture.heightPx / size); };
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) put32(out, source(x, y));  // ARGB little-endian is BGRA
    const int maskRowBytes = (size + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x)
            if (!(source(x, y) >> 24)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> icoFile(const XpmImage& picture, const std::vector<int>& sizesPx) {
    std::vector<std::vector<std::uint8_t>> images;
    for (const int size : sizesPx) {
        if (size < 1 || size > kLargestSizePx) throw std::invalid_argument("an icon is 1 to 256 pixels wide");
        images.push_back(bitmap(picture, size));
    }
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, kIconResourceType);
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = kDirectoryBytes + kEntryBytes * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<std::uint8_t>(sizesPx[i] == kLargestSizePx ? 0 : sizesPx[i]);
        out.push_back(side);
        out.push_back(side);
        put16(out, 0);   // no palette, reserved
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, static_cast<std::uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace zol
