#include "assets/HelpDocument.h"
#include "shell/RtfReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zol {
namespace {

constexpr std::size_t kLineBreaks = 68;

std::string fileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every control word of the RTF, parameter included ("fs24", "par").
std::vector<std::string> controlWords(std::string_view rtf) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] != '\\' || i + 1 >= rtf.size() || !std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) continue;
        std::size_t end = i + 1;
        while (end < rtf.size() && std::isalnum(static_cast<unsigned char>(rtf[end]))) ++end;
        words.emplace_back(rtf.substr(i + 1, end - i - 1));
        i = end - 1;
    }
    return words;
}

TEST(HelpDocument, BuiltInRtfReadsBackAsExactlyTheSourceText) {
    const std::string source = fileBytes(ZOLBAS_HELP_TEXT_FILE);
    ASSERT_FALSE(source.empty());
    const RtfText read = readRtf(helpDocumentRtf());
    EXPECT_EQ(read.text, source);
    EXPECT_TRUE(read.complete);
}

TEST(HelpDocument, RtfFileOnDiskIsTheOneBuiltIntoTheProgram) {
    EXPECT_EQ(fileBytes(ZOLBAS_HELP_RTF_FILE), helpDocumentRtf());
}

TEST(HelpDocument, HasSixtyEightLinesEachEndingWithPar) {
    const std::vector<std::string> words = controlWords(helpDocumentRtf());
    EXPECT_EQ(static_cast<std::size_t>(std::count(words.begin(), words.end(), "par")), kLineBreaks);
    const std::string source = fileBytes(ZOLBAS_HELP_TEXT_FILE);
    EXPECT_EQ(static_cast<std::size_t>(std::count(source.begin(), source.end(), '\n')), kLineBreaks);
    EXPECT_TRUE(source.ends_with('\n'));
}

TEST(HelpDocument, DeclaresJapaneseCodePageAndOneShiftJisFontInBold12Point) {
    const std::string_view rtf = helpDocumentRtf();
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041"
                                "{\\fonttbl{\\f0\\fnil\\fcharset128 MS UI Gothic;}}"));
    EXPECT_NE(rtf.find("\\pard\\plain\\f0\\fs24\\b "), std::string_view::npos);
    const std::vector<std::string> words = controlWords(rtf);
    const std::set<std::string> used(words.begin(), words.end());
    const std::set<std::string> allowed{"rtf1", "ansi", "ansicpg932", "deff0", "deflang1041", "fonttbl", "f0",
                                        "fnil", "fcharset128", "pard", "plain", "fs24", "b", "par"};
    EXPECT_EQ(used, allowed);
}

TEST(HelpDocument, RtfHoldsNoRawNonAsciiByte) {
    const std::string_view rtf = helpDocumentRtf();
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

TEST(HelpDocument, KeyLinesStandVerbatimAndInOrder) {
    const std::vector<std::string> expected{
        "－－－－－－－ゾルバス　　ＨＥＬＰ－－－－－－－",
        "",
        "－－－ストーリー－－－",
        "－－－ゲームの趣旨－－－",
        "－－－操作方法－－－",
        "右－左　キー ＝隕石の誘導",
        "押し続けると加速します。人に目がけて落としましょう｡",
        "下手して落とすと１個減ります｡",
        "ひとりで１００点、３００点でＬＶＵＰします。",
        "ＬＶがあがると落ちるのも早くなるので注意！！",
        "コンボシステムについて",
        "人を潰すとヒット数が表示されます。",
        "表示中に人を潰すと得点アップ！",
        "目指せ100ヒット！！（笑）",
        "－－－あとがき－－－",
        "ZOLBAS PROJECT",
    };
    const std::vector<std::string> lines = linesOf(readRtf(helpDocumentRtf()).text);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "") << "the title is followed by a blank line";
    auto from = lines.begin();
    for (const std::string& line : expected) {
        const auto found = std::find(from, lines.end(), line);
        ASSERT_NE(found, lines.end()) << "missing or out of order: " << line;
        from = std::next(found);
    }
}

} // namespace
} // namespace zol
