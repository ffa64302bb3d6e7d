// The stored forms of dial-up names and passwords: the escaping of section
// and key names, and the password's groups of five digits, read back from
// whatever a hand-edited "wake.ini" holds.

#include <gtest/gtest.h>

#include <string>

#include "common/gbk.h"
#include "dialup/dial_password.h"
#include "dialup/dial_settings.h"

namespace orvane {
namespace {

TEST(EscapeIniNameTest, TrimsBothEndsAndReplacesEachMarkedByteOnly) {
  EXPECT_EQ(EscapeIniName("\t\x01 a b=c@d\\e_f \r\n"), "a_b\\-c\\Ad\\\\e\\_f");
  EXPECT_EQ(EscapeIniName(" \x1f "), "");
  EXPECT_EQ(EscapeIniName("A-z.09!#"), "A-z.09!#");
  const std::string broadband = utf8ToGbk("宽带连接");
  EXPECT_EQ(EscapeIniName(" " + broadband + " "), broadband);
  // Byte by byte: the second byte of "乗" is a backslash.
  EXPECT_EQ(EscapeIniName(utf8ToGbk("乗")), "\x81\\\\");
}

std::size_t groupsOf(const std::string& encoded) {
  EXPECT_EQ(encoded.size() % 5, 0u) << encoded;
  EXPECT_EQ(encoded.find_first_not_of("0123456789"), std::string::npos) << encoded;
  return encoded.size() / 5;
}

TEST(DialPasswordTest, EveryLengthComesBackWithTheGroupsItNeeds) {
  const struct {
    std::size_t length;
    std::size_t groups;
  } cases[] = {{0, 5}, {1, 5}, {9, 5}, {10, 6}, {11, 6}, {254, 128}, {255, 128}, {300, 128}};
  for (const auto& c : cases) {
    std::string password;
    for (std::size_t i = 0; i < c.length; ++i) password += static_cast<char>(i % 2 == 0 ? 'a' + i % 26 : 0xB0 + i % 64);
    const std::string kept = password.substr(0, 255);
    for (const std::uint32_t tick : {0u, 7u, 4294967295u}) {
      const std::string encoded = EncodeDialPassword(password, tick);
      EXPECT_EQ(groupsOf(encoded), c.groups) << c.length;
      EXPECT_EQ(DecodeDialPassword(encoded), kept) << c.length << " " << tick;
    }
  }
}

TEST(DialPasswordTest, OnlyAnEmptyPasswordTakesItsFillerFromTheTickCount) {
  EXPECT_NE(EncodeDialPassword("", 12345), EncodeDialPassword("", 98765));
  EXPECT_EQ(EncodeDialPassword("pw", 12345), EncodeDialPassword("pw", 98765));
  // Length 2, "pw", then "pwpwpwpw" cut to the ten bytes: 2 + 256 * 'p' ...
  EXPECT_EQ(EncodeDialPassword("pw", 0).substr(0, 5), std::to_string(2 + 256 * 'p' + 29153));
}

TEST(DialPasswordTest, AValueLongerThanTheBufferDecodesItsFirst128Groups) {
  std::string value = EncodeDialPassword(std::string(255, 'x'), 0);
  for (int i = 0; i < 72; ++i) value += "99999";
  EXPECT_EQ(DecodeDialPassword(value), std::string(255, 'x'));
  // The bytes after 128 groups may be anything, even words that are not.
  EXPECT_EQ(DecodeDialPassword(value + "abcde"), std::string(255, 'x'));
}

TEST(DialPasswordTest, AGroupThatIsNotANumberMakesTheValueUnreadable) {
  std::string badGroup;
  EXPECT_EQ(DecodeDialPassword("29155297x3", &badGroup), std::nullopt);
  EXPECT_EQ(badGroup, "297x3");
  EXPECT_EQ(DecodeDialPassword("-", &badGroup), std::nullopt);
  // Before any group is read the buffer reads as 35 blanks; a short value
  // leaves the rest of them in place.
  EXPECT_EQ(DecodeDialPassword(std::to_string(29153 + 3 + 256 * 'a')), std::string("a  "));
}

}  // namespace
}  // namespace orvane
