// The one scaling rule of every front end, the display's commands and the
// display mode kept between runs.
#include "platform/sim/SimSettingsStore.h"
#include "shell/DisplayMode.h"
#include "shell/DisplayPreferences.h"
#include "shell/ScreenScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zol {
namespace {

constexpr PixelSize kPlay{577, 409};

TEST(ScreenScaleTest, FullScreenTakesTheLargestWholeFactorThatFitsAndCentresIt) {
    EXPECT_EQ(fitCentred(kPlay, {1920, 1080}), (ScreenScale{2, 383, 131}));
    EXPECT_EQ(fitCentred(kPlay, {3840, 2160}), (ScreenScale{5, 477, 57}));
    // Exactly three times wide, a pixel short of three times high.
    EXPECT_EQ(fitCentred(kPlay, {3 * 577, 3 * 409 - 1}).factor, 2);
    EXPECT_EQ(fitCentred(kPlay, {3 * 577, 3 * 409}), (ScreenScale{3, 0, 0}));
    // A phone-sized surface never shrinks the screen; it shows from the top left.
    EXPECT_EQ(fitCentred(kPlay, {360, 640}), (ScreenScale{1, 0, 115}));
    EXPECT_EQ(fitCentred({0, 0}, {800, 600}).factor, 1);
}

// A tap maps back onto the designed pixel it landed in; what the scale
// paints for a rectangle maps back onto that rectangle and nothing beside it.
TEST(ScreenScaleTest, SurfacePointsMapBackOntoTheDesignedPixelsTheyShow) {
    const play::PixelRect designed{10, 20, 30, 5};
    for (int factor = 1; factor <= 4; ++factor) {
        const ScreenScale scale{factor, 7, 3};
        const play::PixelRect painted = scale.toSurface(designed);
        const int right = painted.left + painted.width - 1, bottom = painted.top + painted.height - 1;
        EXPECT_EQ(scale.toDesigned({painted.left, painted.top}, kPlay), (PixelPoint{10, 20})) << factor;
        EXPECT_EQ(scale.toDesigned({right, bottom}, kPlay), (PixelPoint{39, 24})) << factor;
        EXPECT_EQ(scale.toDesigned({right + 1, bottom + 1}, kPlay), (PixelPoint{40, 25})) << factor;
        EXPECT_EQ(scale.toDesigned({painted.left - 1, painted.top - 1}, kPlay), (PixelPoint{9, 19})) << factor;
        // The black border is no part of the screen.
        EXPECT_FALSE(scale.toDesigned({6, 3}, kPlay)) << factor;
        EXPECT_FALSE(scale.toDesigned({7 + 577 * factor, 3}, kPlay)) << factor;
        EXPECT_FALSE(scale.toDesigned({7, 3 + 409 * factor}, kPlay)) << factor;
    }
}

// A phone's or a tablet's room, in device pixels: the screen fills it in
// proportion, at a whole number of device pixels to the designed pixel
// where that keeps nearly all of the size, else at the largest size that
// fits, below the designed size where need be; centred on whole device pixels.
TEST(ScreenScaleTest, AScreenFillsTheRoomOfAPhoneInProportion) {
    // 390 x 844 at 3 device pixels each, the controls below: twice fits
    // nearly as well as 2.03 times, and keeps the pictures' pixels square.
    EXPECT_EQ(fitToRoom(kPlay, {1170, 1900}, 3), (RoomFit{2.0 / 3, 8.0 / 3, (1900 - 818) / 2 / 3.0}));
    // On its side the height rules: 2.83 times, where twice would lose a
    // third; both edges of the limiting side touch the room's.
    const RoomFit side = fitToRoom(kPlay, {1632, 1170}, 3);
    EXPECT_DOUBLE_EQ(side.factor * 3, 1632.0 / 577);
    EXPECT_LE(577 * side.factor * 3, 1632.0 + 1e-9);
    EXPECT_LE(409 * side.factor * 3, 1170.0);
    EXPECT_EQ(side.left, 0);
    EXPECT_EQ(side.top, std::floor((1170 - 409 * 1632.0 / 577) / 2) / 3);
    // 2.625 device pixels each (many Android phones): 1.87 times, not once.
    EXPECT_DOUBLE_EQ(fitToRoom(kPlay, {1081, 2000}, 2.625).factor, 1081.0 / 577 / 2.625);
    // A room smaller than the designed screen shrinks it: 360 x 640 at one
    // device pixel each.
    const RoomFit small = fitToRoom(kPlay, {360, 640}, 1);
    EXPECT_DOUBLE_EQ(small.factor, 360.0 / 577);
    EXPECT_EQ(small.top, std::floor((640 - 409 * 360.0 / 577) / 2));
    // A large window, three times exactly.
    EXPECT_EQ(fitToRoom(kPlay, {3 * 577, 3 * 409 + 10}, 1), (RoomFit{3, 0, 5}));
    // No room yet (a page still laid out) leaves the designed size.
    EXPECT_EQ(fitToRoom(kPlay, {0, 640}, 2), RoomFit{});
    EXPECT_EQ(fitToRoom(kPlay, {360, 640}, 0), RoomFit{});
}

TEST(ScreenScaleTest, WindowStepsStayBetweenTheDesignedSizeAndWhatFitsTheMonitor) {
    const PixelSize room{1900, 1000};  // the play screen fits twice, not three times
    DisplayMode mode;
    mode = changedMode(mode, DisplayCommand::Smaller, room);
    EXPECT_EQ(mode.windowFactor, 1);
    mode = changedMode(mode, DisplayCommand::Larger, room);
    EXPECT_EQ(mode.windowFactor, 2);
    mode = changedMode(mode, DisplayCommand::Larger, room);
    EXPECT_EQ(mode.windowFactor, 2);
    mode = changedMode(mode, DisplayCommand::ToggleFullScreen, room);
    EXPECT_EQ(mode, (DisplayMode{true, 2}));
    mode = changedMode(mode, DisplayCommand::DesignedSize, room);
    EXPECT_EQ(mode, (DisplayMode{true, 1}));
    // A factor kept from a larger monitor shrinks to what this one holds;
    // full screen fits each screen on its own.
    EXPECT_EQ(screenScale({false, 5}, ScreenId::Title, room), (ScreenScale{2, 0, 0}));
    EXPECT_EQ(screenScale({true, 1}, ScreenId::Title, {1920, 1080}).factor, 4);
    EXPECT_EQ(screenScale({true, 1}, ScreenId::Play, {1920, 1080}).factor, 2);
}

TEST(DisplayPreferencesTest, TheModeIsKeptApartFromTheBestValues) {
    sim::SimSettingsStore store;
    DisplayPreferences preferences(store);
    EXPECT_EQ(preferences.load(), DisplayMode{});
    preferences.save({true, 3});
    EXPECT_EQ(DisplayPreferences(store).load(), (DisplayMode{true, 3}));
    EXPECT_EQ(store.read("zolbas", "display", "fullscreen"), "1");
    EXPECT_EQ(store.read("zolbas", "display", "window_scale"), "3");
    EXPECT_FALSE(store.read("ZOL", "1", "HI"));
}

TEST(DisplayPreferencesTest, ADamagedValueGivesItsDefaultWithOneWarning) {
    for (const std::string bad : {"2", "-1", "yes", " 1", "1.0", ""}) {
        sim::SimSettingsStore store;
        store.write("zolbas", "display", "fullscreen", bad);
        store.write("zolbas", "display", "window_scale", "3");
        DisplayPreferences preferences(store);
        testing::internal::CaptureStderr();
        EXPECT_EQ(preferences.load(), (DisplayMode{false, 3})) << bad;
        preferences.load();
        const std::string warnings = testing::internal::GetCapturedStderr();
        EXPECT_NE(warnings.find("fullscreen"), std::string::npos) << bad;
        EXPECT_EQ(warnings.find('\n'), warnings.size() - 1) << bad << ": " << warnings;
    }
    for (const std::string bad : {"0", "17", "99999999999", "+2", "0x2", "2\n"}) {
        sim::SimSettingsStore store;
        store.write("zolbas", "display", "window_scale", bad);
        testing::internal::CaptureStderr();
        EXPECT_EQ(DisplayPreferences(store).load().windowFactor, 1) << bad;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("window_scale"), std::string::npos) << bad;
    }
}

} // namespace
} // namespace zol
