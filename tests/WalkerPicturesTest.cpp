#include <gtest/gtest.h>

#include "assets/Pictures.h"
#include "tests/PictureColours.h"
#include "assets/XpmImage.h"

#include <string>

namespace zol {
namespace {

using test::Hue;
using test::spreadOf;

// Rows of the walker cell: the round head sits above the body, the feet at the bottom.
constexpr int kHeadLastRow = 12;
constexpr int kBodyFirstRow = 14;
constexpr int kBodyLastRow = 21;
constexpr int kLegFirstRow = 22;
constexpr int kGroundRow = kPictureSizePx - 1;

XpmImage frame(int index) { return readXpm(walkerXpm(index)); }

// The yellow of the head, told apart from the yellow hearts of the flames
// by staying below the lowest red of the fire.
test::HueSpread headUnderTheFire(const XpmImage& walker, int lastRow = kGroundRow) {
  const auto fire = spreadOf(walker, Hue::Red);
  return spreadOf(walker, Hue::Yellow, fire.bottom + 1, lastRow);
}

void expectMirrored(const XpmImage& left, const XpmImage& right) {
  ASSERT_EQ(left.widthPx, right.widthPx);
  ASSERT_EQ(left.heightPx, right.heightPx);
  for (int y = 0; y < left.heightPx; ++y) {
    for (int x = 0; x < left.widthPx; ++x) {
      ASSERT_EQ(left.at(x, y), right.at(left.widthPx - 1 - x, y)) << "column " << x << ", row " << y;
    }
  }
}

TEST(WalkerPictures, WalkerFacingRightIsTheExactMirrorOfWalkerFacingLeft) {
  expectMirrored(frame(kWalkerStrideLeftFrame), frame(kWalkerStrideRightFrame));
  expectMirrored(frame(kWalkerStandLeftFrame), frame(kWalkerStandRightFrame));
}

TEST(WalkerPictures, WalkerIndexOutsideTheStoreGivesNoPicture) {
  EXPECT_EQ(walkerXpm(-1), nullptr);
  EXPECT_EQ(walkerXpm(kWalkerFrameCount), nullptr);
  EXPECT_NE(walkerXpm(kWalkerLastCrushFrame), nullptr);
}

TEST(WalkerPictures, EveryWalkerFrameStandsOnTheGround) {
  for (int i = 0; i < kWalkerFrameCount; ++i) {
    const XpmImage walker = frame(i);
    int onGround = 0;
    for (int x = 0; x < walker.widthPx; ++x) {
      onGround += walker.opaqueAt(x, kGroundRow) ? 1 : 0;
    }
    EXPECT_GE(onGround, 6) << "frame " << i;
  }
}

TEST(WalkerPictures, WalkingFramesShowAYellowHeadOverAMagentaBodyWithoutFire) {
  for (int i = kWalkerStrideLeftFrame; i <= kWalkerStandRightFrame; ++i) {
    SCOPED_TRACE("frame " + std::to_string(i));
    const XpmImage walker = frame(i);
    EXPECT_GT(spreadOf(walker, Hue::Yellow, 0, kHeadLastRow).count, 80);
    EXPECT_EQ(spreadOf(walker, Hue::Magenta, 0, kHeadLastRow).count, 0);
    EXPECT_GT(spreadOf(walker, Hue::Magenta, kBodyFirstRow, kBodyLastRow).count, 30);
    EXPECT_GT(spreadOf(walker, Hue::DarkPurple).count, 8) << "the far arm and leg";
    EXPECT_EQ(spreadOf(walker, Hue::Red).count, 0);
  }
}

TEST(WalkerPictures, StridingWalkerSpreadsItsFeetWiderThanTheUprightOne) {
  const auto stride = spreadOf(frame(kWalkerStrideLeftFrame), Hue::Magenta, kLegFirstRow);
  const auto upright = spreadOf(frame(kWalkerStandLeftFrame), Hue::Magenta, kLegFirstRow);
  const auto strideBack = spreadOf(frame(kWalkerStrideLeftFrame), Hue::DarkPurple, kLegFirstRow);
  const auto uprightBack = spreadOf(frame(kWalkerStandLeftFrame), Hue::DarkPurple, kLegFirstRow);
  EXPECT_GT(strideBack.right - stride.left, uprightBack.right - upright.left + 4);
}

TEST(WalkerPictures, WalkerFacingLeftLeadsWithTheMagentaSideAndSwingsThePurpleArmBack) {
  for (int i : {kWalkerStrideLeftFrame, kWalkerStandLeftFrame}) {
    SCOPED_TRACE("frame " + std::to_string(i));
    const XpmImage walker = frame(i);
    const auto nearLeg = spreadOf(walker, Hue::Magenta, kLegFirstRow);
    const auto farLeg = spreadOf(walker, Hue::DarkPurple, kLegFirstRow);
    EXPECT_LT(nearLeg.meanX, farLeg.meanX);
    const auto body = spreadOf(walker, Hue::Magenta, kBodyFirstRow, kBodyLastRow);
    const auto farArm = spreadOf(walker, Hue::DarkPurple, kBodyFirstRow, kBodyLastRow);
    EXPECT_GT(farArm.meanX, body.meanX + 3);
  }
}

TEST(WalkerPictures, CrushFramesBurnWithRedFlamesAboveTheHead) {
  for (int i = kWalkerFirstCrushFrame; i <= kWalkerLastCrushFrame; ++i) {
    SCOPED_TRACE("frame " + std::to_string(i));
    const XpmImage walker = frame(i);
    const auto fire = spreadOf(walker, Hue::Red);
    ASSERT_GT(fire.count, 10);
    const auto head = headUnderTheFire(walker);
    EXPECT_GT(head.count, 10) << "the head is still there under the fire";
    EXPECT_LT(fire.meanY + 4, head.meanY);
  }
}

TEST(WalkerPictures, FireGrowsFromFrameToFrame) {
  const auto small = spreadOf(frame(4), Hue::Red);
  const auto bigger = spreadOf(frame(5), Hue::Red);
  const auto tall = spreadOf(frame(6), Hue::Red);
  EXPECT_LT(small.count, bigger.count);
  EXPECT_LT(bigger.count, tall.count);
  EXPECT_GE(tall.height(), kPictureSizePx / 2) << "a tall fire over the flattened walker";
}

TEST(WalkerPictures, HeadIsSquashedFlatterAndWiderFrameByFrame) {
  const auto round = spreadOf(frame(kWalkerStandLeftFrame), Hue::Yellow, 0, kHeadLastRow);
  const auto cake = headUnderTheFire(frame(4), kBodyFirstRow);
  const auto bar = headUnderTheFire(frame(5), kBodyFirstRow + 4);
  EXPECT_GT(round.height(), cake.height());
  EXPECT_GT(cake.height(), bar.height());
  EXPECT_LT(round.width(), cake.width());
  EXPECT_LT(cake.width(), bar.width());
  EXPECT_LE(bar.height(), 3) << "a thin bar";
}

TEST(WalkerPictures, BodyStandsWhileTheHeadIsSquashedAndLiesFlatUnderTheFire) {
  for (int i : {4, 5}) {
    const auto body = spreadOf(frame(i), Hue::Magenta);
    EXPECT_GE(body.height(), 8) << "frame " << i;
    EXPECT_GE(body.bottom, kLegFirstRow + 4) << "frame " << i;
  }
  const XpmImage flat = frame(kWalkerLastCrushFrame);
  const auto body = spreadOf(flat, Hue::Magenta);
  EXPECT_LE(body.height(), 4);
  EXPECT_GE(body.top, kGroundRow - 6);
  // Pieces of the yellow head stick out on both sides of the flattened body.
  const auto head = headUnderTheFire(flat);
  EXPECT_LT(head.left, body.left);
  EXPECT_GT(head.right, body.right);
}

}  // namespace
}  // namespace zol
