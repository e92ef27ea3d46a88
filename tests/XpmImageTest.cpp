#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "assets/XpmImage.h"

namespace zol::test {
namespace {

// A 3 x 2 picture: a red and a transparent pixel over a row of blue.
const char* const kTinyXpm[] = {
    "3 2 3 1",
    ". c None",
    "r c #FF0000",
    "b c #0000ff",
    "r.r",
    "bbb",
};

TEST(XpmReader, DecodesSizeAndEveryPixelColour) {
  const XpmImage image = readXpm(kTinyXpm);
  EXPECT_EQ(image.widthPx, 3);
  EXPECT_EQ(image.heightPx, 2);
  EXPECT_EQ(image.colourCount, 3);
  EXPECT_EQ(image.at(0, 0), 0xFFFF0000u);
  EXPECT_EQ(image.at(1, 0), 0u);
  EXPECT_FALSE(image.opaqueAt(1, 0));
  EXPECT_EQ(image.at(2, 1), 0xFF0000FFu);
}

TEST(XpmReader, ReadsPicturesWithTwoCharactersPerPixel) {
  const char* const xpm[] = {"2 1 2 2", "   c None", "ab c #00FF00", "ab  "};
  const XpmImage image = readXpm(xpm);
  EXPECT_EQ(image.at(0, 0), 0xFF00FF00u);
  EXPECT_FALSE(image.opaqueAt(1, 0));
}

TEST(XpmReader, TakesTabsAsSeparatorsAndSkipsAHotSpotAfterTheHeader) {
  const char* const xpm[] = {"1\t1  1 1 0 0", "a\tc\t#00FF00\t", "a"};
  EXPECT_EQ(readXpm(xpm).at(0, 0), 0xFF00FF00u);
}

TEST(XpmReader, RejectsAColourLineWithoutACValue) {
  const char* const noValue[] = {"1 1 1 1", "a c ", "a"};
  const char* const otherKind[] = {"1 1 1 1", "a m #000000", "a"};
  EXPECT_THROW(readXpm(noValue), std::runtime_error);
  EXPECT_THROW(readXpm(otherKind), std::runtime_error);
}

TEST(XpmReader, RejectsARowOfTheWrongLength) {
  const char* const xpm[] = {"3 1 1 1", "a c #000000", "aa"};
  EXPECT_THROW(readXpm(xpm), std::runtime_error);
}

TEST(XpmReader, RejectsAPixelWithAnUndefinedColour) {
  const char* const xpm[] = {"2 1 1 1", "a c #000000", "ax"};
  EXPECT_THROW(readXpm(xpm), std::runtime_error);
}

TEST(XpmReader, RejectsAColourThatIsNotHexRgbOrNone) {
  const char* const named[] = {"1 1 1 1", "a c orange", "a"};
  const char* const badDigits[] = {"1 1 1 1", "a c #G2345F", "a"};
  EXPECT_THROW(readXpm(named), std::runtime_error);
  EXPECT_THROW(readXpm(badDigits), std::runtime_error);
}

TEST(XpmReader, RejectsAMissingOrBrokenHeader) {
  const char* const broken[] = {"32 x 1 1", "a c #000000"};
  const char* const threeNumbers[] = {"1 1 1", "a c #000000", "a"};
  const char* const tooBig[] = {"1 1 1 99999999999", "a c #000000", "a"};
  EXPECT_THROW(readXpm(nullptr), std::runtime_error);
  EXPECT_THROW(readXpm(broken), std::runtime_error);
  EXPECT_THROW(readXpm(threeNumbers), std::runtime_error);
  EXPECT_THROW(readXpm(tooBig), std::runtime_error);
}

}  // namespace
}  // namespace zol::test
