#include "trace/FloatText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

using zol::shortestFloatText;

// Texts that a nearest-digits search alone gets wrong, and the choice
// between plain and scientific notation, as the standard library writes them.
TEST(ShortestFloatText, PowersOfTwoGetTheShortestDigitsThatReadBack) {
    EXPECT_EQ(shortestFloatText(std::ldexp(1.0f, -96)), "1.2621775e-29");
    EXPECT_EQ(shortestFloatText(std::ldexp(1.0f, 87)), "1.5474251e+26");
    EXPECT_EQ(shortestFloatText(std::ldexp(1.0f, 90)), "1.2379401e+27");
    EXPECT_EQ(shortestFloatText(std::ldexp(1.0f, 33)), "8589934592");
    EXPECT_EQ(shortestFloatText(std::ldexp(1.0f, -149)), "1e-45");
}

TEST(ShortestFloatText, PlainNotationUnlessScientificIsShorter) {
    EXPECT_EQ(shortestFloatText(4372.5f), "4372.5");
    EXPECT_EQ(shortestFloatText(-0.1f), "-0.1");
    EXPECT_EQ(shortestFloatText(0.001f), "0.001");
    EXPECT_EQ(shortestFloatText(0.0001f), "1e-04");
    EXPECT_EQ(shortestFloatText(1e-5f), "1e-05");
    EXPECT_EQ(shortestFloatText(1234567.5f), "1234567.5");
    EXPECT_EQ(shortestFloatText(123456789.0f), "123456792");
    EXPECT_EQ(shortestFloatText(1e8f), "1e+08");
    EXPECT_EQ(shortestFloatText(1e10f), "1e+10");
    EXPECT_EQ(shortestFloatText(std::numeric_limits<float>::max()), "3.4028235e+38");
    EXPECT_EQ(shortestFloatText(-0.0f), "-0");
    EXPECT_EQ(shortestFloatText(-std::numeric_limits<float>::infinity()), "-inf");
    EXPECT_EQ(shortestFloatText(std::numeric_limits<float>::quiet_NaN()), "nan");
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
namespace {

float fromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t bitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string standardText(float value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace

// Where the standard library has it, both write the same text: around every
// power of two, across the whole range of bit patterns, and for the quarter
// twips a control position can hold.
TEST(ShortestFloatText, WritesWhatTheStandardLibraryWrites) {
    constexpr int kUlpsAroundPowersOfTwo = 3;
    constexpr std::uint32_t kBitPatternStride = 65537;
    constexpr int kQuarterTwips = 40000;
    int compared = 0;
    const auto check = [&compared](float value) {
        ASSERT_EQ(shortestFloatText(value), standardText(value)) << bitsOf(value);
        ++compared;
    };
    for (int exponent = -149; exponent < 128; ++exponent) {
        const auto bits = bitsOf(std::ldexp(1.0f, exponent));
        for (int ulps = -kUlpsAroundPowersOfTwo; ulps <= kUlpsAroundPowersOfTwo; ++ulps) {
            if (bits + ulps < 0x7f800000u) check(fromBits(bits + ulps));
        }
    }
    for (std::uint64_t bits = 0; bits < 0x100000000ull; bits += kBitPatternStride) {
        check(fromBits(static_cast<std::uint32_t>(bits)));
    }
    for (int quarters = -kQuarterTwips; quarters <= kQuarterTwips; quarters += 7) check(quarters / 4.0f + 0.1f);
    EXPECT_GT(compared, 70000);
}
#endif
