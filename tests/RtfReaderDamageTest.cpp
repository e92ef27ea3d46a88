#include "shell/RtfReader.h"
#include "tests/Utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace zol {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

using zol::test::isValidUtf8;

TEST(RtfReaderDamage, EmptyInputGivesNoTextAndIsIncomplete) {
    const RtfText read = readRtf("");
    EXPECT_EQ(read.text, "");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, TextWithoutTheRtfSignatureIsReadButMarked) {
    const RtfText read = readRtf("just words");
    EXPECT_EQ(read.text, "just words");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, MissingClosingBraceKeepsTheText) {
    const RtfText read = readRtf("{\\rtf1 abc{\\b def");
    EXPECT_EQ(read.text, "abcdef");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, StrayClosingBraceIsIgnored) {
    const RtfText read = readRtf("}{\\rtf1 a}");
    EXPECT_EQ(read.text, "a");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, AnythingAfterTheDocumentIsNotRead) {
    EXPECT_TRUE(readRtf("{\\rtf1 a}\r\n").complete);
    const RtfText read = readRtf("{\\rtf1 a}more");
    EXPECT_EQ(read.text, "a");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, EscapeCutOffAtTheEndKeepsWhatCameBefore) {
    for (const std::string_view cut : {"{\\rtf1 a\\'4", "{\\rtf1 a\\'", "{\\rtf1 a\\"}) {
        const RtfText read = readRtf(cut);
        EXPECT_EQ(read.text, "a") << cut;
        EXPECT_FALSE(read.complete) << cut;
    }
}

TEST(RtfReaderDamage, EscapeWithoutHexDigitsLeavesTheFollowingTextAlone) {
    const RtfText read = readRtf("{\\rtf1 \\'zz\\'4g!}");
    EXPECT_EQ(read.text, "zzg!");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, BytesThatAreNotShiftJisBecomeReplacementCharacters) {
    const RtfText read = readRtf("{\\rtf1 \\'ff\\'82 \\'82\\'a0\\'82}");
    EXPECT_EQ(read.text, std::string(kReplacement) + std::string(kReplacement) + " あ" + std::string(kReplacement));
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, HugeParametersSaturateInsteadOfOverflowing) {
    EXPECT_EQ(readRtf("{\\rtf1\\fs999999999999999999999999999999 x}").text, "x");
    const RtfText unicode = readRtf("{\\rtf1\\u99999999999999999999?y\\u-99999999999999999999?z}");
    EXPECT_EQ(unicode.text, std::string(kReplacement) + "y" + std::string(kReplacement) + "z");
    EXPECT_FALSE(unicode.complete);
    EXPECT_EQ(readRtf("{\\rtf1\\uc99999999999\\u12354 abcdefghijklmnopqrstuvwxyz}").text, "あqrstuvwxyz");
}

TEST(RtfReaderDamage, BinaryDataIsSkippedAndTooLongBinaryDataEndsTheFile) {
    const RtfText read = readRtf("{\\rtf1 a{\\bin3 \\'}}b}");
    EXPECT_EQ(read.text, "ab");
    EXPECT_TRUE(read.complete);
    EXPECT_FALSE(readRtf("{\\rtf1 a\\bin99999999999999 b}").complete);
    EXPECT_EQ(readRtf("{\\rtf1 a\\bin-5 b}").text, "ab");
}

TEST(RtfReaderDamage, DeepNestingIsCappedAndStillMatched) {
    constexpr std::size_t kDepth = 100000;
    const RtfText read = readRtf("{\\rtf1 " + std::string(kDepth, '{') + "x" + std::string(kDepth, '}') + "y}");
    EXPECT_EQ(read.text, "xy");
    EXPECT_FALSE(read.complete);
}

TEST(RtfReaderDamage, EveryFileOfTheFuzzCorpusReadsToValidUtf8) {
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZOLBAS_RTF_CORPUS_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_TRUE(isValidUtf8(readRtf(bytes).text)) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 4u);
}

} // namespace
} // namespace zol
