#include "tools/IcoWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zol {
namespace {

// A 2 x 2 picture: red and transparent over blue and green.
const char* const kTinyXpm[] = {
    "2 2 4 1", ". c None", "r c #FF0000", "b c #0000FF", "g c #00FF00", "r.", "bg",
};

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 | static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

TEST(IcoWriter, DirectoryPointsAtOneBitmapPerSizeBackToBack) {
    const auto ico = icoFile(readXpm(kTinyXpm), {4, 256});
    ASSERT_GE(ico.size(), 38u);
    EXPECT_EQ(ico[2], 1);  // an icon, not a cursor
    EXPECT_EQ(ico[4], 2);  // two images
    EXPECT_EQ(ico[6], 4);
    EXPECT_EQ(ico[6 + 16], 0);  // 256 pixels is written as 0
    const std::uint32_t firstOffset = read32(ico, 6 + 12);
    const std::uint32_t firstSize = read32(ico, 6 + 8);
    EXPECT_EQ(firstOffset, 6u + 2 * 16);
    EXPECT_EQ(read32(ico, 6 + 16 + 12), firstOffset + firstSize);
    EXPECT_EQ(read32(ico, 6 + 16 + 12) + read32(ico, 6 + 16 + 8), ico.size());
    // 40-byte header, 4 x 4 colour pixels, 4 mask rows of 4 bytes.
    EXPECT_EQ(firstSize, 40u + 4 * 4 * 4 + 4 * 4);
    EXPECT_EQ(read32(ico, firstOffset + 8), 8u);  // colour and mask heights together
}

TEST(IcoWriter, ScalesWithoutBlurAndMasksTheTransparentPixels) {
    const auto ico = icoFile(readXpm(kTinyXpm), {4});
    const std::size_t pixels = 6 + 16 + 40;
    // Rows are stored bottom-up: the first row is the picture's bottom one.
    const auto pixel = [&](int x, int y) { return read32(ico, pixels + static_cast<std::size_t>(((3 - y) * 4 + x) * 4)); };
    EXPECT_EQ(pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(pixel(2, 1), 0u);
    EXPECT_EQ(pixel(3, 3), 0xFF00FF00u);
    EXPECT_EQ(pixel(0, 2), 0xFF0000FFu);
    const std::size_t mask = pixels + 4 * 4 * 4;
    EXPECT_EQ(ico[mask + 3 * 4], 0x30);  // top row: the right half is transparent
    EXPECT_EQ(ico[mask], 0x00);          // bottom row: all drawn
}

TEST(IcoWriter, RefusesSizesAnIconCannotHave) {
    EXPECT_THROW(icoFile(readXpm(kTinyXpm), {0}), std::invalid_argument);
    EXPECT_THROW(icoFile(readXpm(kTinyXpm), {512}), std::invalid_argument);
}

} // namespace
} // namespace zol
