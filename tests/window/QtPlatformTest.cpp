#include "platform/TimerHold.h"
#include "platform/qt/DeviceFileWake.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTimerService.h"
#include "platform/HandlerGuard.h"
#include "tests/window/RunEventLoop.h"
#include "trace/Trace.h"
#include "window/Fonts.h"
#include "window/KeyCodes.h"
#include "window/UploadChoice.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>


using namespace zol;

namespace {

HandlerGuard guard([](const std::string& message) { FAIL() << message; });

using test::runFor;

// Ten seconds for what a test of the platform waits for.
bool runUntil(const std::function<bool()>& done) { return test::runUntil(done, 10000); }

} // namespace

// The X resources as a desktop sets them; a scaled desktop keeps Qt's
// shared-memory uploads.
TEST(UploadChoice, ReadsTheFontResolutionFromTheResourceDatabase) {
    EXPECT_EQ(window::xftDpi("Xcursor.size:\t24\nXft.dpi:\t192\nXft.antialias:\t1\n"), 192.0);
    EXPECT_EQ(window::xftDpi("Xft.dpi: 120.5"), 120.5);
    EXPECT_EQ(window::xftDpi("Xft.dpi:\t96\n"), 96.0);
    EXPECT_EQ(window::xftDpi("Xft.dpiX:\t192\n*Xft.dpi:\t192\nXft.antialias:\t1\n"), std::nullopt);
    EXPECT_EQ(window::xftDpi("Xft.dpi:\tlarge\n"), std::nullopt);
    EXPECT_EQ(window::xftDpi(""), std::nullopt);
}

TEST(QtSettingsStore, ValuesGoToZolIniInTheConfigurationFolderAndReadBack) {
    qt::QtSettingsStore store;
    EXPECT_FALSE(store.read("ZOL", "1", "HI").has_value());
    EXPECT_EQ(store.write("ZOL", "1", "HI", "12345"), "");
    EXPECT_EQ(store.write("ZOL", "1", "HIc", "-5"), "");
    EXPECT_EQ(store.read("ZOL", "1", "HI"), "12345");
    EXPECT_EQ(store.read("ZOL", "1", "HIc"), "-5");
    QFile file(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/ZOL.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[1]")) << text.constData();
    EXPECT_TRUE(text.contains("HI=12345")) << text.constData();
}

TEST(QtSettingsStore, TextWithCommasAndGarbageIsReadAsOneText) {
    QFile file(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/ZOLGARBAGE.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[1]\nHI=1,000\nHIc=\x01\xfe\xff\n");
    file.close();
    qt::QtSettingsStore store;
    EXPECT_EQ(store.read("ZOLGARBAGE", "1", "HI"), "1,000");
    EXPECT_TRUE(store.read("ZOLGARBAGE", "1", "HIc").has_value());
}

TEST(QtSettingsStore, AWriteThatFailsSaysInJapaneseWhetherTheFolderOrTheFileIsToBlame) {
    // A plain file where the folder should be, and a folder where the file
    // should be: both stop even root.
    const std::string config = qgetenv("XDG_CONFIG_HOME").toStdString();
    QFile blocker(QString::fromStdString(config + "/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(config + "/ZOLFOLDER.ini")));
    qt::QtSettingsStore store;
    EXPECT_EQ(store.write("blocked/ZOL", "1", "HI", "1"), "フォルダー「" + config + "/blocked」に書き込めません。");
    EXPECT_EQ(store.write("ZOLFOLDER", "1", "HI", "1"), "ファイル「" + config + "/ZOLFOLDER.ini」に書き込めません。");
}

// The message boxes as the player meets them: buttons in the game's
// language, and the window's close box answering as the design says.
struct BoxRun {
    TimerHold hold;
    Trace trace;
    qt::QtClock clock;
    qt::QtMessageBoxes boxes{hold, guard, trace, clock};
    std::vector<int> answers;

    QMessageBox* open(BoxButtons buttons) {
        boxes.open(BoxRequest{"text", "caption", buttons, BoxIcon::None}, [this](int a) { answers.push_back(a); });
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
        return nullptr;
    }
};

TEST(QtMessageBoxes, ClosingTheWindowAnswersOkForAnOkOnlyBoxAndCancelForTheQuestion) {
    BoxRun run;
    QMessageBox* box = run.open(BoxButtons::Ok);
    ASSERT_NE(box, nullptr);
    box->close();
    ASSERT_TRUE(runUntil([&] { return run.answers.size() == 1; }));
    box = run.open(BoxButtons::OkCancel);
    ASSERT_NE(box, nullptr);
    box->close();
    ASSERT_TRUE(runUntil([&] { return run.answers.size() == 2; }));
    EXPECT_EQ(run.answers, (std::vector<int>{kAnswerOk, kAnswerCancel}));
    EXPECT_FALSE(run.boxes.isOpen());
}

TEST(QtMessageBoxes, TheQuestionsSecondButtonSaysCancelInJapanese) {
    BoxRun run;
    QMessageBox* box = run.open(BoxButtons::OkCancel);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
    box->button(QMessageBox::Cancel)->click();
    ASSERT_TRUE(runUntil([&] { return !run.answers.empty(); }));
    EXPECT_EQ(run.answers, std::vector<int>{kAnswerCancel});
}

TEST(Fonts, TheDesignedJapaneseFontsAreShownWithTheIpaFonts) {
    EXPECT_EQ(QFontInfo(window::designedFont(play::kStatusLineFont)).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(window::designedFont(play::kGroundBandFont)).family(), QStringLiteral("IPAPMincho"));
    EXPECT_EQ(QFontInfo(window::designedFont({"MS UI Gothic", 12, true, false})).family(), QStringLiteral("IPAPGothic"));
}

TEST(GameKeys, TheGameSeesItsKeysWhateverTheShiftState) {
    using play::Key;
    const auto key = [](int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return window::gameKey(QKeyEvent(QEvent::KeyPress, qtKey, mods));
    };
    EXPECT_EQ(key(Qt::Key_Left), Key::Left);
    EXPECT_EQ(key(Qt::Key_Right), Key::Right);
    EXPECT_EQ(key(Qt::Key_Down), Key::Down);
    EXPECT_EQ(key(Qt::Key_Return), Key::Enter);
    EXPECT_EQ(key(Qt::Key_Enter), Key::Enter);
    EXPECT_EQ(key(Qt::Key_E), Key::GiveUp);
    EXPECT_EQ(key(Qt::Key_E, Qt::ShiftModifier), Key::GiveUp);
    EXPECT_EQ(key(Qt::Key_Left, Qt::ShiftModifier), Key::Left);
    EXPECT_EQ(key(Qt::Key_Up), Key::Other);
    EXPECT_EQ(key(Qt::Key_F1), Key::Other);
}

// The schedule itself is checked on a simulated clock; here, that Qt's
// event loop delivers it: never early, again and again.
TEST(QtTimers, EnablingARunningTimerKeepsItRunning) {
    qt::QtClock clock;
    qt::QtTimerService timers(clock, guard);
    std::vector<std::int64_t> fired;
    auto timer = timers.create(50, [&] { fired.push_back(clock.nowMs()); }, {});
    // Read before: a machine that stalls between the two would read late.
    const std::int64_t enabledAt = clock.nowMs();
    timer->setEnabled(true);
    runFor(30);
    timer->setEnabled(true);
    ASSERT_TRUE(runUntil([&] { return fired.size() >= 2; }));
    EXPECT_GE(fired[0], enabledAt + 50);
    EXPECT_GE(fired[1] - fired[0], 40);
}

TEST(QtTimers, AHeldTimerDropsItsEventsAndResumesOnItsSchedule) {
    qt::QtClock clock;
    qt::QtTimerService timers(clock, guard);
    timers.hold().boxOpened();
    int fired = 0;
    auto timer = timers.create(20, [&] { ++fired; }, {});
    timer->setEnabled(true);
    runFor(70);
    EXPECT_EQ(fired, 0);
    timers.hold().boxClosed();
    EXPECT_TRUE(runUntil([&] { return fired >= 2; }));
}

TEST(QtTimers, ATimerWithADueHintSleepsUntilItsHandlerCanAct) {
    qt::QtClock clock;
    qt::QtTimerService timers(clock, guard);
    std::int64_t last = clock.nowMs();
    int calls = 0;
    std::vector<std::int64_t> gaps;
    auto timer = timers.create(1, [&] {
        ++calls;
        if (clock.nowMs() > last + 50) {
            gaps.push_back(clock.nowMs() - last);
            last = clock.nowMs();
        }
    }, [&] { return last + 51; });
    timer->setEnabled(true);
    ASSERT_TRUE(runUntil([&] { return gaps.size() >= 5; }));
    timer->setEnabled(false);
    for (const auto gap : gaps) EXPECT_GE(gap, 51);
    // One wake-up a tick, not one a millisecond.
    EXPECT_LE(calls, static_cast<int>(gaps.size()) * 2 + 2);
}

// A pipe stands in for a pad's event file: it is silent until written to.
TEST(DeviceFileWake, CallsBackOnNewsHoldsItBackWhileRestingAndLetsAnEndedFileGo) {
    QTemporaryDir folder;
    const std::string pipe = folder.filePath("event0").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    int calls = 0;
    qt::DeviceFileWake wake([&] {
        ++calls;
        wake.takeNews();
    });
    EXPECT_FALSE(wake.watch({pipe, folder.filePath("missing").toStdString()}));
    ASSERT_TRUE(wake.watch({pipe}));
    const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);

    ASSERT_EQ(write(writer, "abc", 3), 3);
    ASSERT_TRUE(runUntil([&] { return calls == 1; }));
    // Resting: what is written now is already there for the event loop to
    // see, yet waits for `listen`.
    ASSERT_EQ(write(writer, "d", 1), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
    wake.listen();
    ASSERT_TRUE(runUntil([&] { return calls == 2; }));

    // A file at its end stays readable for ever: heard once, then let go.
    wake.listen();
    close(writer);
    ASSERT_TRUE(runUntil([&] { return calls == 3; }));
    wake.listen();
    for (int turn = 0; turn < 5; ++turn) QCoreApplication::processEvents();
    EXPECT_EQ(calls, 3);
}

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    window::installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
