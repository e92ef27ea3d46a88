#include "tools/HelpRtfWriter.h"

#include "shell/RtfReader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zol {
namespace {

constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041{\\fonttbl{\\f0\\fnil\\fcharset128 MS UI Gothic;}}\n"
    "\\pard\\plain\\f0\\fs24\\b ";

std::string bodyOf(std::string_view text) {
    const std::string rtf = helpRtfFromText(text);
    EXPECT_TRUE(rtf.starts_with(kHeader));
    EXPECT_TRUE(rtf.ends_with("}\n"));
    return rtf.substr(kHeader.size(), rtf.size() - kHeader.size() - 2);
}

std::string refusal(std::string_view text) {
    try {
        helpRtfFromText(text);
    } catch (const HelpRtfError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(HelpRtfWriter, JapaneseCharactersBecomeTwoEscapesEvenWhenTheSecondByteIsMarkup) {
    // あ is 82 A0, ゾ is 83 5D (']') and 表 is 95 5C ('\').
    EXPECT_EQ(bodyOf("あゾ表"), "\\'82\\'a0\\'83\\'5d\\'95\\'5c");
}

TEST(HelpRtfWriter, HalfWidthKanaIsOneEscape) { EXPECT_EQ(bodyOf("ｱ｡"), "\\'b1\\'a1"); }

TEST(HelpRtfWriter, AsciiStandsAsItselfWithMarkupCharactersEscaped) {
    EXPECT_EQ(bodyOf("ZOLBAS {1} \\ 100"), "ZOLBAS \\{1\\} \\\\ 100");
}

TEST(HelpRtfWriter, EachNewlineIsOneParAndATabIsTab) { EXPECT_EQ(bodyOf("a\n\tb\n"), "a\\par\n\\tab b\\par\n"); }

TEST(HelpRtfWriter, WrittenTextReadsBackUnchanged) {
    constexpr std::string_view kText = "－－－ゾルバス－－－\n\tＨＥＬＰ {x} \\y｡\n目指せ100ヒット！！（笑）\n";
    const RtfText read = readRtf(helpRtfFromText(kText));
    EXPECT_EQ(read.text, kText);
    EXPECT_TRUE(read.complete);
}

TEST(HelpRtfWriter, RefusesACharacterWithoutACodePage932FormAndSaysWhere) {
    const std::string message = refusal("ok\nab\xF0\x9F\x98\x80");
    EXPECT_NE(message.find("line 2, column 3"), std::string::npos) << message;
    EXPECT_NE(message.find("\xF0\x9F\x98\x80"), std::string::npos) << message;
}

TEST(HelpRtfWriter, RefusesACharacterThatWouldComeBackAsAnother) {
    // U+2212 MINUS SIGN is written as 81 7C, which reads back as U+FF0D.
    const std::string message = refusal("３\xE2\x88\x92２");
    EXPECT_NE(message.find("line 1, column 2"), std::string::npos) << message;
    EXPECT_NE(message.find("comes back"), std::string::npos) << message;
}

TEST(HelpRtfWriter, RefusesTextThatIsNotUtf8OrHasControlCharacters) {
    EXPECT_NE(refusal("a\xFF"), "accepted");
    EXPECT_NE(refusal("a\xE3\x81"), "accepted");
    EXPECT_NE(refusal("line\r\n").find("control character 13"), std::string::npos);
}

} // namespace
} // namespace zol
