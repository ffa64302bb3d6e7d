#include "common/gbk.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";  // 中文
const std::string kReplacement = "\xEF\xBF\xBD";     // U+FFFD in UTF-8

TEST(GbkTest, ConvertsChineseBothWays) {
  EXPECT_EQ(gbkToUtf8(kChineseGbk), "中文");
  EXPECT_EQ(utf8ToGbk("中文"), kChineseGbk);
  EXPECT_EQ(gbkToUtf8("a" + kChineseGbk + "b"), "a中文b");
  EXPECT_EQ(utf8ToGbk("退出(&X)"), "\xCD\xCB\xB3\xF6(&X)");
  EXPECT_EQ(gbkToUtf8("\x80"), "€");  // code page 936 has the euro sign at 0x80
  EXPECT_EQ(gbkToUtf8(""), "");
  EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(GbkTest, ReplacesBytesThatAreNotGbk) {
  EXPECT_EQ(gbkToUtf8("\xFF"), kReplacement);
  EXPECT_EQ(gbkToUtf8("a\x81"), "a" + kReplacement);       // a lead byte cut off at the end
  EXPECT_EQ(gbkToUtf8("\x81\x30x"), kReplacement + "0x");  // a lead byte before a byte that cannot follow it
  EXPECT_EQ(gbkToUtf8("\xFF" + kChineseGbk + "\xFF"), kReplacement + "中文" + kReplacement);
  EXPECT_EQ(gbkToUtf8(std::string(1000, '\xFF')).size(), 3000u);
}

TEST(GbkTest, ReplacesWhatGbkCannotHoldOrIsNotUtf8) {
  EXPECT_EQ(utf8ToGbk("a😀b"), "a?b");
  EXPECT_EQ(utf8ToGbk("\xC3("), "?(");
  EXPECT_EQ(utf8ToGbk("a\xE4\xB8"), "a?");
  EXPECT_EQ(utf8ToGbk("\xFF中"), "?" + std::string("\xD6\xD0"));
}

TEST(GbkTest, UpperCasesAsciiLettersOnly) {
  EXPECT_EQ(asciiUpper("tray-Key_9"), "TRAY-KEY_9");
  EXPECT_EQ(asciiUpper("a" + kChineseGbk + "z"), "A" + kChineseGbk + "Z");
  // 0x81 0x61 is one Chinese character whose second byte is the code of 'a'.
  EXPECT_EQ(asciiUpper("\x81\x61x"), "\x81\x61X");
  EXPECT_EQ(asciiUpper("\xFF"
                       "a"),
            "\xFF"
            "A");
}

TEST(GbkTest, ComparesIgnoringAsciiCaseOnly) {
  EXPECT_TRUE(equalsIgnoringAsciiCase("autorun", "AutoRun"));
  EXPECT_TRUE(equalsIgnoringAsciiCase("RAS_ENTRY_" + kChineseGbk, "ras_entry_" + kChineseGbk));
  EXPECT_FALSE(equalsIgnoringAsciiCase("tray", "tray "));
  EXPECT_FALSE(equalsIgnoringAsciiCase("\x81\x61", "\x81\x41"));  // two different characters
  EXPECT_TRUE(equalsIgnoringAsciiCase("", ""));
}

TEST(GbkTest, TrimsBlanksAndControlBytesAtBothEnds) {
  EXPECT_EQ(trimBlanks(" \t a b \r\n"), "a b");
  EXPECT_EQ(trimBlanks(" \t\r\n"), "");
  EXPECT_EQ(trimBlanks(kChineseGbk + " "), kChineseGbk);
  EXPECT_EQ(trimBlanks("\x1A"
                       "x"),
            "x");
}

}  // namespace
}  // namespace orvane
