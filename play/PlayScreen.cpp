#include "play/PlayScreen.h"

#include "platform/Clock.h"
#include "platform/ClockArithmetic.h"
#include "platform/MessageBoxes.h"
#include "runtime/NumberText.h"
#include "platform/Platform.h"
#include "trace/Trace.h"
#include "platform/Windows.h"
#include "play/Banner.h"
#include "play/GameOver.h"
#include "play/GameStart.h"
#include "play/PlayRules.h"
#include "trace/PlayTrace.h"
#include "play/SoundCues.h"
#include "platform/Screens.h"
#include "store/ScoreStore.h"

#include <array>
#include <string>

namespace zol {

using namespace play;

namespace {

constexpr const char* kGameOverCaption = "ゲームオーバー";
constexpr const char* kScoreText = "得点-";
constexpr const char* kAgainText = "点  もう一回やる？";
constexpr const char* kSaveFailedText = "ベストスコアを保存できませんでした。\n";

} // namespace

// What exists only while the screen is loaded.
struct PlayScreen::LoadedScreen {
    PlayControls controls = PlayControls::designed();
    std::unique_ptr<Timer> tickTimer, bannerTimer, gameOverTimer;
    SoundCues sounds;

    explicit LoadedScreen(Platform& p) : sounds(p) {}
};

PlayScreen::PlayScreen(Platform& platform, BestScores& best, ScoreStore& store, Screens& screens)
    : platform_(platform), best_(best), store_(store), screens_(screens) {}

PlayScreen::~PlayScreen() = default;

void PlayScreen::load() {
    screen_ = std::make_unique<LoadedScreen>(platform_);
    // Created in this order, the timers due in the same millisecond fire in
    // this order too. The tick timer need not wake before the gate can let
    // a tick in.
    screen_->tickTimer = platform_.timers.create(kTickTimerIntervalMs, [this] { onTickTimer(); },
                                                 [this] { return laterMs(state_.lastTick, kTickGateMs + 1); });
    screen_->bannerTimer = platform_.timers.create(kBannerTimerIntervalMs, [this] { onBannerTimer(); });
    screen_->gameOverTimer = platform_.timers.create(kGameOverTimerIntervalMs, [this] { onGameOverTimer(); });
    screen_->tickTimer->setEnabled(true);
    store_.load();
    startGame(state_, screen_->controls);
}

// Leaving saves nothing and shows no other screen.
void PlayScreen::unload() { screen_.reset(); }

const PlayControls& PlayScreen::controls() const { return screen_->controls; }

bool PlayScreen::tickTimerEnabled() const { return screen_ && screen_->tickTimer->enabled(); }
bool PlayScreen::bannerTimerEnabled() const { return screen_ && screen_->bannerTimer->enabled(); }
bool PlayScreen::gameOverTimerEnabled() const { return screen_ && screen_->gameOverTimer->enabled(); }

void PlayScreen::keyDown(Key key) {
    switch (key) {
    case Key::Left: keys_.left = true; break;
    case Key::Right: keys_.right = true; break;
    case Key::Down: keys_.down = true; break;
    case Key::Enter:
        keyboardLost();
        platform_.boxes.open(BoxRequest{kTimeOutText, kCaption, BoxButtons::Ok, BoxIcon::None}, [](int) {});
        break;
    case Key::GiveUp: giveUp(state_); break;
    case Key::Other: break;
    }
}

void PlayScreen::keyUp(Key key) {
    if (key == Key::Left) keys_.left = false;
    if (key == Key::Right) keys_.right = false;
    if (key == Key::Down) keys_.down = false;
}

void PlayScreen::keyboardLost() { keys_.releaseAll(); }

void PlayScreen::onTickTimer() {
    if (laterMs(state_.lastTick, kTickGateMs) >= platform_.clock.nowMs()) return;
    state_.lastTick = platform_.clock.nowMs();
    runTick(state_, screen_->controls, best_, keys_, rnd_, *this);
    ++processedTicks_;
    if (platform_.trace.enabled()) {
        platform_.trace.write(tickEvent(platform_.clock.nowMs(), state_, screen_->controls, best_, keys_,
                                        {tickTimerEnabled(), bannerTimerEnabled(), gameOverTimerEnabled()}));
    }
    platform_.windows.changed(ScreenId::Play);
}

void PlayScreen::onBannerTimer() {
    if (!flyBanner(state_, screen_->controls)) screen_->bannerTimer->setEnabled(false);
    if (platform_.trace.enabled()) {
        platform_.trace.write(
            bannerEvent(platform_.clock.nowMs(), state_, screen_->controls, bannerTimerEnabled()));
    }
    platform_.windows.changed(ScreenId::Play);
}

void PlayScreen::onGameOverTimer() {
    const float x0 = screen_->controls.meteor.box.left;
    Drawing& drawing = platform_.explosion;
    const ExplosionCount count = drawExplosion(drawing, x0);
    drawing.present([this, x0, count] {
        if (!screen_) return;
        if (platform_.trace.enabled()) {
            platform_.trace.write(gameOverEvent(platform_.clock.nowMs(), x0, count.lines, count.circles));
        }
        const std::string error = store_.save();
        if (error.empty()) {
            askPlayAgain();
        } else {
            platform_.boxes.warn(kSaveFailedText + error, [this] { askPlayAgain(); });
        }
    });
}

void PlayScreen::askPlayAgain() {
    keyboardLost();
    const BoxRequest box{kScoreText + numberText(state_.score) + kAgainText, kGameOverCaption, BoxButtons::OkCancel,
                         BoxIcon::Exclamation};
    platform_.boxes.open(box, [this](int answer) {
        if (answer == kAnswerOk) {
            screens_.show(ScreenId::Title);
            screens_.unload(ScreenId::Play);
        } else {
            screens_.end();
        }
    });
}

void PlayScreen::playCrushCue() { screen_->sounds.playCrushCue(); }

void PlayScreen::playLevelUpCue() { screen_->sounds.playLevelUpCue(); }

void PlayScreen::startBannerTimer() { screen_->bannerTimer->setEnabled(true); }

void PlayScreen::keepTunePlaying() { screen_->sounds.keepTunePlaying(); }

void PlayScreen::gameOver() {
    screen_->gameOverTimer->setEnabled(true);
    screen_->tickTimer->setEnabled(false);
    screen_->controls.meteor.visible = false;
}

} // namespace zol
