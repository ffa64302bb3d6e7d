// Text at the Win32 boundary: UTF-16 with code page 936 and UTF-8.

#include "platform/win32/win32_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";  // 中文

TEST(Win32TextTest, ConvertsToAndFromUtf16WithCodePage936) {
  EXPECT_EQ(gbkToWide(kChineseGbk), L"中文");
  EXPECT_EQ(wideToGbk(L"中文"), kChineseGbk);
  EXPECT_EQ(gbkToWide("a\xFF"), L"a\xFFFD");
  EXPECT_EQ(wideToGbk(L"a\xD83D\xDE00"
                      L"b\xDC00"),
            "a?b?");  // beyond the BMP; a stray surrogate
  EXPECT_EQ(utf8ToWide("中\xC3"), L"中\xFFFD");
  EXPECT_EQ(wideToUtf8(L"退出"), "退出");
  EXPECT_EQ(gbkToWide(""), L"");
  EXPECT_EQ(wideToGbk(L""), "");
}

}  // namespace
}  // namespace orvane
