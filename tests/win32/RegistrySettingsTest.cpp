// The registry as the game's settings store, through Wine: values are
// REG_SZ text where the classic settings functions keep them, and a value
// of another type is not a number to the game.
#include "platform/SteadyClock.h"
#include "trace/Trace.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/SystemHeaders.h"
#include "platform/win32/WideText.h"
#include "store/BestScores.h"
#include "store/ScoreStore.h"

#include <gtest/gtest.h>

namespace zol::win32 {
namespace {

const std::wstring kGameKey = L"Software\\VB and VBA Program Settings\\ZOL";

class RegistrySettings : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kGameKey.c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kGameKey.c_str()); }

    static DWORD typeOf(const wchar_t* name) {
        DWORD type = 0;
        RegGetValueW(HKEY_CURRENT_USER, (kGameKey + L"\\1").c_str(), name, RRF_RT_ANY, &type, nullptr, nullptr);
        return type;
    }
    static void storeNumber(const wchar_t* name, DWORD number) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (kGameKey + L"\\1").c_str(), name, REG_DWORD, &number, sizeof number),
                  ERROR_SUCCESS);
    }

    RegistrySettingsStore store;
};

TEST_F(RegistrySettings, KeepsTextAsRegSzUnderTheClassicKeyAndReadsItBack) {
    EXPECT_EQ(store.read("ZOL", "1", "HI"), std::nullopt);
    EXPECT_EQ(store.write("ZOL", "1", "HI", "4321"), "");
    EXPECT_EQ(store.write("ZOL", "1", "名前", "ゾルバス"), "");
    EXPECT_EQ(store.read("ZOL", "1", "HI"), "4321");
    EXPECT_EQ(store.read("ZOL", "1", "名前"), "ゾルバス");
    EXPECT_EQ(typeOf(L"HI"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(store.read("ZOL", "2", "HI"), std::nullopt);
}

TEST_F(RegistrySettings, AValueOfAnotherTypeFallsBackWithOneWarningAndIsOverwrittenAsText) {
    storeNumber(L"HI", 5000);
    storeNumber(L"HIc", 7);
    BestScores best;
    Trace trace;
    SteadyClock clock;
    ScoreStore scores(best, store, trace, clock);
    testing::internal::CaptureStderr();
    scores.load();
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(best.hiScore, ScoreStore::kHiDefault);
    EXPECT_EQ(best.maxCombo, ScoreStore::kComboDefault);
    EXPECT_NE(warnings.find("HI is not a number in range (\"(a REG_DWORD value)\")"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("HIc"), std::string::npos) << warnings;

    best.hiScore = 1200;
    EXPECT_EQ(scores.save(), "");
    EXPECT_EQ(typeOf(L"HI"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(store.read("ZOL", "1", "HI"), "1200");
    EXPECT_EQ(store.read("ZOL", "1", "HIc"), "0");
}

} // namespace
} // namespace zol::win32
