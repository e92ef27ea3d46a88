#include "play/PlayScreen.h"

#include "platform/Clock.h"
#include "platform/Forms.h"
#include "platform/MessageBoxes.h"
#include "platform/NumberText.h"
#include "platform/Platform.h"
#include "platform/Rounding.h"
#include "platform/Trace.h"
#include "platform/Windows.h"
#include "play/Banner.h"
#include "play/GameOver.h"
#include "play/PlayTrace.h"
#include "play/SoundCues.h"
#include "store/Module1.h"
#include "store/ScoreStore.h"

namespace zol {

using namespace play;

namespace {

constexpr int kKeyEnter = 13;
constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyE = 69;

// A tick is processed only when the clock stands more than 50 ms past the
// last processed one.
constexpr std::int64_t kTickGateMs = 50;

constexpr const char* kGameOverCaption = "ゲームオーバー";
constexpr const char* kScoreText = "得点-";
constexpr const char* kAgainText = "点  もう一回やる？";
constexpr const char* kSaveFailedText = "ベストスコアを保存できませんでした。\n";

} // namespace

// What exists only while the screen is loaded.
struct PlayScreen::Form {
    PlayControls controls = PlayControls::designed();
    std::unique_ptr<Timer> timer1, timer2, timer3;
    SoundCues sounds;

    explicit Form(Platform& p) : sounds(p) {}
};

PlayScreen::PlayScreen(Platform& platform, Module1& module, ScoreStore& store, Forms& forms)
    : platform_(platform), module_(module), store_(store), forms_(forms) {}

PlayScreen::~PlayScreen() = default;

void PlayScreen::load() {
    form_ = std::make_unique<Form>(platform_);
    // Created in this order, the timers due in the same millisecond fire in
    // this order too. Timer1 need not wake before the gate can let a tick in.
    form_->timer1 = platform_.timers.create(kTimer1IntervalMs, [this] { Timer1_Timer(); },
                                            [this] { return state_.lastTick + kTickGateMs + 1; });
    form_->timer2 = platform_.timers.create(kTimer2IntervalMs, [this] { Timer2_Timer(); });
    form_->timer3 = platform_.timers.create(kTimer3IntervalMs, [this] { Timer3_Timer(); });
    form_->timer1->setEnabled(true);
    Form_Load();
}

void PlayScreen::unload() {
    Form_Unload();
    form_.reset();
}

const PlayControls& PlayScreen::controls() const { return form_->controls; }

bool PlayScreen::timerEnabled(int number) const {
    if (!form_) return false;
    const Timer* timers[] = {form_->timer1.get(), form_->timer2.get(), form_->timer3.get()};
    return timers[number - 1]->enabled();
}

void PlayScreen::Form_Load() {
    store_.LoadScores();
    state_.level = 1;
    state_.meteorsLeft = 9;
    state_.posX[0] = roundToInt32(static_cast<double>(kFormWidthTw) / 2);
    state_.score = 0;
    state_.meteorY = 0;
    state_.meteorDX = 0;
    state_.walkSpeed = 1;
    form_->controls.con.box.left = -kConBox.width;
    state_.bannerStep = 0;
}

void PlayScreen::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyLeft) module_.keyState[0] = 1;
    if (keyCode == kKeyRight) module_.keyState[1] = 1;
    if (keyCode == kKeyDown) module_.keyState[2] = 1;
    if (keyCode == kKeyEnter) {
        keyboardLost();
        platform_.boxes.open(MessageBox{kTimeOutText, kCaption, BoxButtons::Ok, BoxIcon::None}, [](int) {});
    }
    if (keyCode == kKeyE) state_.meteorsLeft = -1;
}

void PlayScreen::Form_KeyUp(int keyCode, int) {
    if (keyCode == kKeyLeft) module_.keyState[0] = 0;
    if (keyCode == kKeyRight) module_.keyState[1] = 0;
    if (keyCode == kKeyDown) module_.keyState[2] = 0;
}

// Leaving saves nothing and shows no other screen.
void PlayScreen::Form_Unload() {}

void PlayScreen::keyboardLost() { module_.keyState[0] = module_.keyState[1] = module_.keyState[2] = 0; }

void PlayScreen::Timer1_Timer() {
    if (state_.lastTick + kTickGateMs >= platform_.clock.nowMs()) return;
    state_.lastTick = platform_.clock.nowMs();
    runTick(state_, form_->controls, module_, platform_.rnd, *this);
    ++processedTicks_;
    if (platform_.trace.enabled()) {
        platform_.trace.write(tickEvent(platform_.clock.nowMs(), state_, form_->controls, module_,
                                        {timerEnabled(1), timerEnabled(2), timerEnabled(3)}));
    }
    platform_.windows.changed(FormId::Play);
}

void PlayScreen::Timer2_Timer() {
    if (!flyBanner(state_, form_->controls)) form_->timer2->setEnabled(false);
    if (platform_.trace.enabled()) {
        platform_.trace.write(bannerEvent(platform_.clock.nowMs(), state_, form_->controls, timerEnabled(2)));
    }
    platform_.windows.changed(FormId::Play);
}

void PlayScreen::Timer3_Timer() {
    const float x0 = form_->controls.image1[0].box.left;
    Drawing& drawing = platform_.windows.drawing(FormId::Play);
    const ExplosionCount count = drawExplosion(drawing, x0);
    drawing.present([this, x0, count] {
        if (!form_) return;
        if (platform_.trace.enabled()) {
            platform_.trace.write(gameOverEvent(platform_.clock.nowMs(), x0, count.lines, count.circles));
        }
        const std::string error = store_.SaveScores();
        if (error.empty()) {
            askPlayAgain();
        } else {
            platform_.boxes.warn(kSaveFailedText + error, [this] { askPlayAgain(); });
        }
    });
}

void PlayScreen::askPlayAgain() {
    keyboardLost();
    const MessageBox box{kScoreText + numberText(state_.score) + kAgainText, kGameOverCaption, BoxButtons::OkCancel,
                         BoxIcon::Exclamation};
    platform_.boxes.open(box, [this](int answer) {
        if (answer == kAnswerOk) {
            forms_.show(FormId::Title);
            forms_.unload(FormId::Play);
        } else {
            forms_.end();
        }
    });
}

void PlayScreen::kutya() { form_->sounds.kutya(); }

void PlayScreen::lvup() { form_->sounds.lvup(); }

void PlayScreen::startBannerTimer() { form_->timer2->setEnabled(true); }

void PlayScreen::musicCheck() { form_->sounds.musicCheck(); }

void PlayScreen::gameOver() {
    form_->timer3->setEnabled(true);
    form_->timer1->setEnabled(false);
    form_->controls.image1[0].visible = false;
}

} // namespace zol
