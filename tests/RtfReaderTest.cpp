#include "shell/RtfReader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zol {
namespace {

constexpr std::string_view kHead =
    "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 MS UI Gothic;}}\\pard\\plain\\f0\\fs24\\b ";

RtfText readBody(std::string_view body) { return readRtf(std::string(kHead) + std::string(body) + "}"); }

TEST(RtfReaderText, PlainAsciiComesOutAsWrittenAndTheFileIsComplete) {
    const RtfText read = readBody("Hello, Zolbas!");
    EXPECT_EQ(read.text, "Hello, Zolbas!");
    EXPECT_TRUE(read.complete);
}

TEST(RtfReaderText, ParAndLineBecomeNewlinesAndTabBecomesATab) {
    EXPECT_EQ(readBody("one\\par two\\line three\\tab four").text, "one\ntwo\nthree\tfour");
    EXPECT_EQ(readBody("a\\\nb\\\rc").text, "a\nb\nc");
}

TEST(RtfReaderText, OneSpaceAfterAControlWordOnlyEndsTheWord) {
    EXPECT_EQ(readBody("\\b bold\\b0  spaced").text, "bold spaced");
    EXPECT_EQ(readBody("\\fs24\\b x").text, "x");
    EXPECT_EQ(readBody("\\par!x").text, "\n!x");
}

TEST(RtfReaderText, LineEndsInTheFileAreNotText) { EXPECT_EQ(readBody("ab\r\ncd\n\\par\nef").text, "abcd\nef"); }

TEST(RtfReaderText, EscapedMarkupCharactersAndTheTildeAreText) {
    EXPECT_EQ(readBody("\\\\ \\{x\\}").text, "\\ {x}");
    EXPECT_EQ(readBody("a\\~b").text, "a\xC2\xA0" "b");
}

TEST(RtfReaderShiftJis, TwoEscapesMakeOneJapaneseCharacter) {
    EXPECT_EQ(readBody("\\'82\\'a0\\'82\\'A2").text, "あい");
}

TEST(RtfReaderShiftJis, SecondByteThatLooksLikeMarkupIsStillPartOfTheCharacter) {
    // ゾ is 83 5D (']') and ソ is 83 5C ('\').
    EXPECT_EQ(readBody("\\'83\\'5d\\'83\\'5c").text, "ゾソ");
    EXPECT_EQ(readBody("\x83\x5d\x83\x5c\x95\x5c{x}").text, "ゾソ表x");
}

TEST(RtfReaderShiftJis, HalfWidthKanaIsOneByte) { EXPECT_EQ(readBody("\\'b1\\'a1OK").text, "ｱ｡OK"); }

TEST(RtfReaderShiftJis, LineEndsBetweenTheTwoEscapesDoNotSplitTheCharacter) {
    EXPECT_EQ(readBody("\\'82\r\n\\'a0").text, "あ");
}

TEST(RtfReaderGroups, FontColourStyleAndInfoTablesAreNotText) {
    const RtfText read = readBody("{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                                  "{\\info{\\author someone}}shown");
    EXPECT_EQ(read.text, "shown");
    EXPECT_TRUE(read.complete);
}

TEST(RtfReaderGroups, StarredDestinationsAreSkippedWhateverTheirName) {
    EXPECT_EQ(readBody("{\\*\\generator Riched20 10.0;}{\\*\\zolbasnote hidden {deeper}}a").text, "a");
}

TEST(RtfReaderGroups, FormattingGroupsKeepTheirTextAndUnknownWordsAreIgnored) {
    EXPECT_EQ(readBody("a{\\i b{\\ul c}}\\zolbasunknown42 d").text, "abcd");
}

TEST(RtfReaderUnicode, UnicodeCharacterReplacesItsFallback) {
    EXPECT_EQ(readBody("\\u12354?x").text, "あx");
    EXPECT_EQ(readBody("\\uc2\\u12354\\'82\\'a0x").text, "あx");
    EXPECT_EQ(readBody("\\uc0\\u12354 x").text, "あx");
    EXPECT_EQ(readBody("\\u-248?").text, "（");
}

TEST(RtfReaderUnicode, FallbackEndsAtTheGroupEnd) { EXPECT_EQ(readBody("{\\uc3\\u12354}bc").text, "あbc"); }

TEST(RtfReaderUnicode, SurrogatePairMakesOneCharacter) {
    const RtfText read = readBody("\\u-10179?\\u-8704?");
    EXPECT_EQ(read.text, "\xF0\x9F\x98\x80");
    EXPECT_TRUE(read.complete);
}

TEST(RtfReaderUnicode, LoneSurrogatesBecomeReplacementCharacters) {
    const RtfText read = readBody("\\u-10179?a\\u-8704?");
    EXPECT_EQ(read.text, "\xEF\xBF\xBD" "a\xEF\xBF\xBD");
    EXPECT_FALSE(read.complete);
}

} // namespace
} // namespace zol
