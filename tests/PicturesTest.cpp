#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "assets/Pictures.h"
#include "tests/PictureColours.h"
#include "assets/XpmImage.h"

namespace zol {
namespace {

using test::Hue;
using test::spreadOf;

struct NamedPicture {
  std::string name;
  const char* const* xpm;
};

std::vector<NamedPicture> allPictures() {
  std::vector<NamedPicture> pictures = {{"title icon", titleIconXpm()},
                                        {"meteorite", meteoriteXpm()}};
  for (int i = 0; i < kWalkerFrameCount; ++i) {
    pictures.push_back({"walker frame " + std::to_string(i), walkerXpm(i)});
  }
  return pictures;
}

int opaqueCount(const XpmImage& image) {
  int count = 0;
  for (int y = 0; y < image.heightPx; ++y) {
    for (int x = 0; x < image.widthPx; ++x) {
      count += image.opaqueAt(x, y) ? 1 : 0;
    }
  }
  return count;
}

TEST(Pictures, EveryPictureReadsAsAThirtyTwoPixelSquare) {
  for (const auto& picture : allPictures()) {
    SCOPED_TRACE(picture.name);
    ASSERT_NE(picture.xpm, nullptr);
    const XpmImage image = readXpm(picture.xpm);
    EXPECT_EQ(image.widthPx, kPictureSizePx);
    EXPECT_EQ(image.heightPx, kPictureSizePx);
  }
}

TEST(Pictures, EveryPictureUsesAtMostSixteenColoursPlusTransparency) {
  for (const auto& picture : allPictures()) {
    SCOPED_TRACE(picture.name);
    const XpmImage image = readXpm(picture.xpm);
    const std::set<std::uint32_t> used(image.argb.begin(), image.argb.end());
    const auto opaque = std::count_if(used.begin(), used.end(), [](std::uint32_t c) { return (c >> 24) != 0; });
    EXPECT_LE(opaque, 16);
    EXPECT_TRUE(used.count(0) == 1) << "no transparent pixels at all";
  }
}

TEST(Pictures, EveryPictureLeavesItsTopRowAndSideColumnsTransparent) {
  for (const auto& picture : allPictures()) {
    SCOPED_TRACE(picture.name);
    const XpmImage image = readXpm(picture.xpm);
    for (int i = 0; i < kPictureSizePx; ++i) {
      EXPECT_FALSE(image.opaqueAt(i, 0)) << "top row, column " << i;
      EXPECT_FALSE(image.opaqueAt(0, i)) << "left column, row " << i;
      EXPECT_FALSE(image.opaqueAt(kPictureSizePx - 1, i)) << "right column, row " << i;
    }
  }
}

// Walkers stand on the bottom row; the still pictures float free of it.
TEST(Pictures, StillPicturesLeaveTheBottomRowTransparentToo) {
  for (const auto* xpm : {titleIconXpm(), meteoriteXpm()}) {
    const XpmImage image = readXpm(xpm);
    for (int x = 0; x < kPictureSizePx; ++x) {
      EXPECT_FALSE(image.opaqueAt(x, kPictureSizePx - 1)) << "column " << x;
    }
  }
}

TEST(Pictures, EveryPictureFillsAGoodPartOfItsCellButNotAll) {
  constexpr int kCellPixels = kPictureSizePx * kPictureSizePx;
  for (const auto& picture : allPictures()) {
    SCOPED_TRACE(picture.name);
    const int drawn = opaqueCount(readXpm(picture.xpm));
    EXPECT_GE(drawn, kCellPixels / 6);
    EXPECT_LE(drawn, kCellPixels * 3 / 4);
  }
}

TEST(Pictures, StillPictureLookupGivesTheNamedPictures) {
  EXPECT_EQ(pictureXpm(Picture::TitleIcon), titleIconXpm());
  EXPECT_EQ(pictureXpm(Picture::Meteorite), meteoriteXpm());
  EXPECT_NE(titleIconXpm(), meteoriteXpm());
}

TEST(Pictures, TitleIconShowsARedHeadOverAYellowBodyOverMagentaLegs) {
  const XpmImage icon = readXpm(titleIconXpm());
  const auto head = spreadOf(icon, Hue::Red);
  const auto body = spreadOf(icon, Hue::Yellow);
  const auto legs = spreadOf(icon, Hue::Magenta);
  ASSERT_GT(head.count, 20);
  ASSERT_GT(body.count, 20);
  ASSERT_GT(legs.count, 10);
  EXPECT_LT(head.meanY, body.meanY);
  EXPECT_LT(body.meanY, legs.meanY);
}

TEST(Pictures, TitleIconHoldsAWhiteBucketOfCyanWaterBesideTheFigure) {
  const XpmImage icon = readXpm(titleIconXpm());
  const auto bucket = spreadOf(icon, Hue::White, 12);
  const auto water = spreadOf(icon, Hue::Cyan);
  const auto figure = spreadOf(icon, Hue::Yellow);
  ASSERT_GT(bucket.count, 30);
  ASSERT_GT(water.count, 20);
  EXPECT_GT(bucket.meanX, figure.meanX + 4);
  EXPECT_LT(water.meanY, bucket.meanY) << "the water splashes up out of the bucket";
}

TEST(Pictures, MeteoriteIsADarkRedRockWithFlamesOnTopAndAFace) {
  const XpmImage meteorite = readXpm(meteoriteXpm());
  const auto rock = spreadOf(meteorite, Hue::DarkRed);
  const auto flames = spreadOf(meteorite, Hue::Red);
  ASSERT_GT(rock.count, 150);
  ASSERT_GT(flames.count, 40);
  EXPECT_LT(flames.meanY + 6, rock.meanY);
  EXPECT_GT(rock.width(), 18) << "the rock is a big ball";
  // Eyes and teeth: white inside the rock's lower half.
  EXPECT_GT(spreadOf(meteorite, Hue::White, 16).count, 8);
}

}  // namespace
}  // namespace zol
