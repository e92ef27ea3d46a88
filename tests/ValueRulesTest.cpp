#include "runtime/Int32.h"
#include "trace/JsonLine.h"
#include "runtime/NumberText.h"
#include "runtime/Rnd.h"
#include "runtime/Rounding.h"
#include "play/GameStart.h"
#include "play/PlayTick.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <stdexcept>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace zol;

TEST(Rounding, HalfTheWindowWidthGoesToTheEvenNeighbour) {
    EXPECT_EQ(roundToInt32(8775.0 / 2), 4388);
    EXPECT_EQ(roundToInt32(8745.0 / 2), 4372);
    EXPECT_EQ(roundToInt32(-12.5), -12);
    EXPECT_EQ(roundToInt32(-17.5), -18);
    EXPECT_EQ(roundToInt32(2.4999), 2);
    EXPECT_EQ(roundToInt32(-2.5001), -3);
}

TEST(Rounding, AValueBeyondTheIntegerRangeIsAnOverflow) {
    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.4), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(roundToInt32(2147483647.5), RuntimeError);
    EXPECT_THROW(roundToInt32(1e300), RuntimeError);
    EXPECT_THROW(roundToInt32(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
}

TEST(Rounding, FloorDivisionGoesTowardMinusInfinity) {
    EXPECT_EQ(floorDiv(299, 300), 0);
    EXPECT_EQ(floorDiv(300, 300), 1);
    EXPECT_EQ(floorDiv(-1, 300), -1);
    EXPECT_EQ(floorDiv(-300, 300), -1);
    EXPECT_EQ(floorDiv(-301, 300), -2);
}

TEST(CheckedArithmetic, ResultsOutsideTheSigned32BitRangeAreTrapped) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(i32::add(kMax - 1, 1), kMax);
    EXPECT_THROW(i32::add(kMax, 1), RuntimeError);
    EXPECT_THROW(i32::sub(kMin, 1), RuntimeError);
    EXPECT_THROW(i32::mul(7158279, 300), RuntimeError);
    EXPECT_EQ(i32::mul(7158278, 300), 2147483400);
    EXPECT_THROW(i32::neg(kMin), RuntimeError);
    EXPECT_EQ(i32::neg(kMax), -kMax);
}

TEST(CheckedArithmetic, TheOverflowMessageIsTheRuntimesOwn) {
    try {
        i32::add(std::numeric_limits<std::int32_t>::max(), 1);
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Run-time error '6': Overflow");
    }
}

TEST(NumberText, NumbersArePlainDecimalDigitsWithAMinusSign) {
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(1234), "1234");
    EXPECT_EQ(numberText(-5), "-5");
    EXPECT_EQ(numberText(-2147483648LL), "-2147483648");
}

TEST(StoredNumbers, WhatTheSaveWritesReadsBack) {
    EXPECT_EQ(parseStoredInteger("1000"), 1000);
    EXPECT_EQ(parseStoredInteger("-5"), -5);
    EXPECT_EQ(parseStoredInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseStoredInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(StoredNumbers, BlanksAroundAndFractionsAreAccepted) {
    EXPECT_EQ(parseStoredInteger("  12345 "), 12345);
    EXPECT_EQ(parseStoredInteger("\t7\t"), 7);
    EXPECT_EQ(parseStoredInteger("12.5"), 12);
    EXPECT_EQ(parseStoredInteger("13.5"), 14);
    EXPECT_EQ(parseStoredInteger("-0.5"), 0);
    EXPECT_EQ(parseStoredInteger("+8"), 8);
    EXPECT_EQ(parseStoredInteger(".6"), 1);
}

TEST(StoredNumbers, AnythingElseIsRefused) {
    for (const char* text : {"", " ", "abc", "12abc", "1 2", "1e3", "0x10", "inf", "nan", "--1", "1.2.3", ".", "-",
                             "2147483648", "-2147483649", "99999999999999999999999"}) {
        EXPECT_FALSE(parseStoredInteger(text).has_value()) << '"' << text << '"';
    }
    EXPECT_FALSE(parseStoredInteger(std::string("12\0", 3)).has_value());
}

namespace {

// The conversion as a stream in the classic locale makes it: the nearest
// double first, then the whole number nearest to that, a half to the even one.
std::optional<std::int32_t> readThroughAClassicStream(const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;
    const double rounded = std::nearbyint(value);
    if (!in || !(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// 2^-bits written out in its `bits` decimal places: 5^bits, zeros in front.
std::string binaryStepDecimals(int bits) {
    std::string digits = "1";
    for (int i = 0; i < bits; ++i) {
        int carry = 0;
        for (auto d = digits.rbegin(); d != digits.rend(); ++d) {
            const int product = (*d - '0') * 5 + carry;
            *d = static_cast<char>('0' + product % 10);
            carry = product / 10;
        }
        if (carry != 0) digits.insert(digits.begin(), static_cast<char>('0' + carry));
    }
    return std::string(static_cast<std::size_t>(bits) - digits.size(), '0') + digits;
}

} // namespace

TEST(StoredNumbers, FractionsRoundAsTheNearestDoubleWouldThenToEven) {
    std::vector<std::string> texts;
    // Fractions at, just inside and just outside half a double's step from
    // one half, for whole parts in every binary order around the range.
    for (const std::string whole : {"", "0", "1", "2", "3", "6", "7", "1023", "1024", "65535", "8388607", "2147483646",
                                    "2147483647", "2147483648", "4294967295", "8589934591", "9999999999"}) {
        texts.push_back(whole + ".5");
        for (int bits = 18; bits <= 56; ++bits) {
            const std::string step = binaryStepDecimals(bits);
            std::string above = "5" + step.substr(1);
            std::string below = "4";
            for (std::size_t i = 1; i < step.size(); ++i) below += static_cast<char>('9' - step[i] + '0');
            below.back() = static_cast<char>(below.back() + 1);  // 10 - 5 in the last place, not 9 - 5
            for (const std::string& fraction : {above, below}) {
                std::string lessByOne = fraction;
                lessByOne.back() = static_cast<char>(lessByOne.back() - 1);
                for (const std::string& near : {fraction, fraction + "1", lessByOne, fraction.substr(0, fraction.size() - 1)}) {
                    texts.push_back(whole + "." + near);
                }
            }
        }
    }
    // Random digits, long and short, with leading zeros and halves.
    std::mt19937 random(20260);
    const auto digits = [&random](std::size_t count, const char* lead) {
        std::string text = lead;
        while (text.size() < count) text += static_cast<char>('0' + random() % 10);
        return text.substr(0, count);
    };
    const char* const fractionLeads[] = {"", "5", "50000000000000", "4999999999999999", "5000000000000000000001"};
    for (int i = 0; i < 5000; ++i) {
        const std::string whole = digits(random() % 13, random() % 4 == 0 ? "000" : "");
        const std::size_t room = 62 - whole.size();
        std::string text = whole + "." + digits(random() % (room + 1), fractionLeads[random() % 5]);
        if (text == ".") text = "0.";
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        if (text.size() >= 64) continue;  // too long to be read at all, and far from any relevant step
        for (const char* sign : {"", "-", "+"}) {
            EXPECT_EQ(parseStoredInteger(sign + text), readThroughAClassicStream(sign + text)) << sign + text;
        }
    }
}

TEST(StoredNumbers, TheValueIsTheSameInALocaleWithADecimalComma) {
    // The windowed program runs in the user's locale (Qt sets it). On Linux
    // tools/install-deps.sh makes this one; a C library without named
    // locales (Windows' C++ runtime) cannot switch the C locale this way.
    std::locale german;
    try {
        german = std::locale("de_DE.UTF-8");
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale here";
    }
    const std::locale before = std::locale::global(german);
    const auto hi = parseStoredInteger("12.7");
    const auto combo = parseStoredInteger("2.6");
    const auto tooBig = parseStoredInteger("2147483647.6");
    const auto comma = parseStoredInteger("12,7");
    std::locale::global(before);
    EXPECT_EQ(hi, 13);
    EXPECT_EQ(combo, 3);
    EXPECT_FALSE(tooBig.has_value());
    EXPECT_FALSE(comma.has_value());
}

TEST(RandomNumbers, TheGeneratorReplaysTheRuntimesSequence) {
    Rnd rnd;
    // state = (327680 * 1140671485 + 12820163) mod 2^24, worked by hand.
    const std::uint32_t first = static_cast<std::uint32_t>((327680ULL * 1140671485ULL + 12820163ULL) % 16777216ULL);
    EXPECT_FLOAT_EQ(rnd.next(), static_cast<float>(first) / 16777216.0f);
    const std::uint32_t second = static_cast<std::uint32_t>((first * 1140671485ULL + 12820163ULL) % 16777216ULL);
    EXPECT_FLOAT_EQ(rnd.next(), static_cast<float>(second) / 16777216.0f);
    Rnd again;
    EXPECT_FLOAT_EQ(again.next(), static_cast<float>(first) / 16777216.0f);
}

TEST(RandomNumbers, EveryDrawLiesInTheHalfOpenUnitInterval) {
    Rnd rnd;
    for (int i = 0; i < 1 << 24; ++i) {
        const float r = rnd.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Events, PositionsThatAreWholeNumbersHaveNoFraction) {
    EXPECT_EQ(JsonLine("banner", 100050).field("conLeft", -2700.0f).field("x", 0.5f).str(),
              R"({"ev":"banner","t":100050,"conLeft":-2700,"x":0.5})");
}

TEST(Events, TextsAreEscapedAsJson) {
    EXPECT_EQ(JsonLine("msgbox", 1).field("text", "a\"b\\c\nd\x01").str(),
              R"({"ev":"msgbox","t":1,"text":"a\"b\\c\nd\u0001"})");
}

namespace {

class NoEffects : public play::TickEffects {
public:
    void playCrushCue() override {}
    void playLevelUpCue() override {}
    void startBannerTimer() override {}
    void keepTunePlaying() override {}
    void gameOver() override {}
};

} // namespace

TEST(CheckedArithmetic, ATickThatWouldOverflowTheMeteoritesSpeedIsARuntimeError) {
    play::GameState s;
    play::PlayControls c = play::PlayControls::designed();
    play::startGame(s, c);
    s.meteorDX = std::numeric_limits<std::int32_t>::max() - 10;
    BestScores best;
    play::HeldKeys held;
    held.right = true;  // 20 more
    Rnd rnd;
    NoEffects effects;
    EXPECT_THROW(play::runTick(s, c, best, held, rnd, effects), RuntimeError);
}
