#include "trace/Trace.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimSettingsStore.h"
#include "store/BestScores.h"
#include "store/ScoreStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

using namespace zol;

namespace {

// A store that keeps its values like the real one, and can be told to fail
// its writes as a read-only configuration folder would.
class FailingStore : public sim::SimSettingsStore {
public:
    bool failWrites = false;
    std::string write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override {
        if (failWrites) return "the file ZOL.ini cannot be written";
        return SimSettingsStore::write(app, section, key, text);
    }
};

struct Copy {
    BestScores best;
    Trace trace;
    sim::SimClock clock;
    ScoreStore store;
    explicit Copy(SettingsStore& settings) : store(best, settings, trace, clock) {}
};

} // namespace

TEST(ScoreStore, NothingStoredLoadsTheDefaults) {
    FailingStore settings;
    Copy copy(settings);
    copy.best.hiScore = 77;
    copy.best.maxCombo = 9;
    copy.store.load();
    EXPECT_EQ(copy.best.hiScore, 1000);
    EXPECT_EQ(copy.best.maxCombo, 0);
}

TEST(ScoreStore, StoredValuesRoundTripIncludingNegatives) {
    FailingStore settings;
    settings.set("HI", "12345");
    settings.set("HIc", "-5");
    Copy copy(settings);
    copy.store.load();
    EXPECT_EQ(copy.best.hiScore, 12345);
    EXPECT_EQ(copy.best.maxCombo, -5);
    EXPECT_EQ(copy.store.save(), "");
    EXPECT_EQ(settings.read("ZOL", "1", "HI"), "12345");
    EXPECT_EQ(settings.read("ZOL", "1", "HIc"), "-5");
}

TEST(ScoreStore, AFirstGameSavesTheDefaultBestAndItsCombo) {
    FailingStore settings;
    Copy copy(settings);
    copy.store.load();
    copy.best.maxCombo = 3;
    EXPECT_EQ(copy.store.save(), "");
    EXPECT_EQ(settings.read("ZOL", "1", "HI"), "1000");
    EXPECT_EQ(settings.read("ZOL", "1", "HIc"), "3");
}

TEST(ScoreStore, AValueThatIsNotANumberGivesItsDefaultAndAWarning) {
    FailingStore settings;
    settings.set("HI", "lots");
    settings.set("HIc", "99999999999");
    Copy copy(settings);
    testing::internal::CaptureStderr();
    copy.store.load();
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(copy.best.hiScore, 1000);
    EXPECT_EQ(copy.best.maxCombo, 0);
    EXPECT_NE(warnings.find("HI is not a number in range (\"lots\")"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("HIc"), std::string::npos) << warnings;
    // The next save writes valid values over the bad ones.
    EXPECT_EQ(copy.store.save(), "");
    EXPECT_EQ(settings.read("ZOL", "1", "HI"), "1000");
    EXPECT_EQ(settings.read("ZOL", "1", "HIc"), "0");
}

TEST(ScoreStore, BinaryGarbageIsShownEscapedInTheWarning) {
    FailingStore settings;
    settings.set("HI", std::string("\x1b[2J\xff", 5));
    Copy copy(settings);
    testing::internal::CaptureStderr();
    copy.store.load();
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_EQ(warning.find('\x1b'), std::string::npos);
    EXPECT_NE(warning.find("\\x1B[2J\\xFF"), std::string::npos) << warning;
}

TEST(ScoreStore, ASaveNeverLowersABestThatAnotherCopySavedMeanwhile) {
    FailingStore settings;
    Copy first(settings);
    Copy second(settings);
    first.store.load();
    second.store.load();
    first.best.hiScore = 5000;
    first.best.maxCombo = 2;
    EXPECT_EQ(first.store.save(), "");
    second.best.hiScore = 3000;
    second.best.maxCombo = 4;
    EXPECT_EQ(second.store.save(), "");
    EXPECT_EQ(settings.read("ZOL", "1", "HI"), "5000");
    EXPECT_EQ(settings.read("ZOL", "1", "HIc"), "4");
    EXPECT_EQ(second.best.hiScore, 5000);
}

TEST(ScoreStore, AStoreThatCannotBeWrittenReportsWhy) {
    FailingStore settings;
    Copy copy(settings);
    copy.store.load();
    settings.failWrites = true;
    EXPECT_EQ(copy.store.save(), "the file ZOL.ini cannot be written");
}

TEST(ScoreStore, TheSameBadTextIsReportedOnceHoweverOftenItIsLoaded) {
    FailingStore settings;
    settings.set("HI", "lots");
    Copy copy(settings);
    testing::internal::CaptureStderr();
    copy.store.load();
    copy.store.load();
    settings.set("HI", "more");
    copy.store.load();
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 2) << warnings;
}
