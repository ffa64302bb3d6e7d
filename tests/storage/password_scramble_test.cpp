// The password's scrambled form, with examples worked out by hand: each byte
// XOR the last decimal digit of the next byte (the last byte wraps to the
// first).

#include "storage/password_scramble.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PasswordScramble, EmptyPasswordScramblesToEmpty) { EXPECT_EQ(scramblePassword(""), ""); }

TEST(PasswordScramble, OneBytePasswordUsesTheLastDigitOfItsOwnCode) {
  // 'a' = 97: 97 XOR 7 = 102 = 'f'.
  EXPECT_EQ(scramblePassword("a"), "f");
}

TEST(PasswordScramble, EachByteTakesTheDigitOfTheNextAndTheLastWrapsToTheFirst) {
  // 'a' = 97, 'b' = 98: 97 XOR 8 = 'i', 98 XOR 7 = 'e'.
  EXPECT_EQ(scramblePassword("ab"), "ie");
}

TEST(PasswordScramble, GbkPasswordKeepsItsLength) {
  // "密码" in GBK is C3 DC C2 EB: C3^0, DC^4, C2^5, EB^5.
  const std::string scrambled = scramblePassword("\xC3\xDC\xC2\xEB");
  EXPECT_EQ(scrambled, "\xC3\xD8\xC7\xEE");
  EXPECT_EQ(scrambled.size(), 4u);
}

TEST(PasswordScramble, BytesFromHex80UpAreTakenAsUnsigned) {
  // FF = 255, 80 = 128: 255 XOR 8 = F7, 128 XOR 5 = 85 (a signed byte would
  // give a negative remainder).
  EXPECT_EQ(scramblePassword("\xFF\x80"), "\xF7\x85");
}

TEST(PasswordScramble, LetterCaseMattersInScramblingAndMatching) {
  // 'A' = 65: 65 XOR 8 = 'I'; 'b' = 98: 98 XOR 5 = 'g'.
  EXPECT_EQ(scramblePassword("Ab"), "Ig");
  EXPECT_NE(scramblePassword("Ab"), scramblePassword("ab"));
  EXPECT_TRUE(passwordMatches("ab", "ie"));
  EXPECT_FALSE(passwordMatches("Ab", "ie"));
  EXPECT_FALSE(passwordMatches("ab", "IE"));
}

TEST(PasswordScramble, EmptyStoredPasswordAcceptsOnlyAnEmptyEntry) {
  EXPECT_TRUE(passwordMatches("", ""));
  EXPECT_FALSE(passwordMatches("a", ""));
  EXPECT_FALSE(passwordMatches("", "f"));
}

}  // namespace
}  // namespace orvane
