#include "common/profile_file.h"

#include <gtest/gtest.h>

#include <random>

namespace orvane {
namespace {

using Keys = std::vector<std::string>;

// The lines of a file, each ended with CR LF.
std::string crlfLines(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) bytes.append(line).append("\r\n");
  return bytes;
}

struct Lookup {
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

void expectLookups(const ProfileFile& file, std::initializer_list<Lookup> lookups) {
  for (const Lookup& lookup : lookups) {
    EXPECT_EQ(file.read(lookup.section, lookup.key), lookup.expected) << lookup.section << "/" << lookup.key;
  }
}

TEST(ProfileFileTest, FindsSectionsAndKeysIgnoringCaseAndBlanks) {
  const ProfileFile file =
      ProfileFile::parse(crlfLines({"[Tray]", "  Hide =  1  ", "\tShow\t=\t", "[ power ]", "Time=22:00:00"}));
  expectLookups(file, {{"tray", "hide", "1"},
                       {" TRAY ", " HIDE ", "1"},
                       {"tray", "show", ""},
                       {"Power", "time", "22:00:00"},
                       {"tray", "time", std::nullopt},
                       {"close", "hide", std::nullopt}});
  EXPECT_EQ(file.read("close", "hide", "0"), "0");
  EXPECT_EQ(file.read("tray", "hide", "0"), "1");
}

TEST(ProfileFileTest, StripsOnlyAMatchingPairOfQuotes) {
  const ProfileFile file = ProfileFile::parse(crlfLines(
      {"[test]", "double=\" padded \"", "single='x'", "mixed=\"x'", "lone=\"", "empty=\"\"", "inner=a\"b\""}));
  expectLookups(file, {{"test", "double", " padded "},
                       {"test", "single", "x"},
                       {"test", "mixed", "\"x'"},
                       {"test", "lone", "\""},
                       {"test", "empty", ""},
                       {"test", "inner", "a\"b\""}});
}

TEST(ProfileFileTest, TheFirstSectionAndKeyOfANameWin) {
  const ProfileFile file = ProfileFile::parse(
      crlfLines({"key=before any section", "[wake]", "a=1", "A=2", "[other]", "b=x", "[WAKE]", "a=3", "c=4"}));
  // Only the first [wake] is searched.
  expectLookups(file, {{"wake", "a", "1"}, {"wake", "c", std::nullopt}, {"", "key", std::nullopt}});
  EXPECT_EQ(file.keys("wake"), (Keys{"a"}));
}

TEST(ProfileFileTest, ReadsKeysWithoutValueAndOddLinesAsTheWindowsFunctionsDo) {
  const ProfileFile file = ProfileFile::parse(crlfLines(
      {"[time]", "flag", "flag=1", "; note=1", "[broken", "x = = y", "=nameless", "[close] trailing text", "v=1"}));
  // The first "flag" has no value; "[broken" is a key, not a section.
  expectLookups(
      file,
      {{"time", "flag", std::nullopt}, {"time", "[broken", std::nullopt}, {"time", "x", "= y"}, {"close", "v", "1"}});
  EXPECT_EQ(file.keys("time"), (Keys{"x"}));
}

TEST(ProfileFileTest, ListsKeysInFileOrderOnce) {
  const ProfileFile file = ProfileFile::parse(
      "[Last]\r\n"
      "zeta=1\r\n"
      "\r\n"
      "Alpha=2\r\n"
      "ZETA=3\r\n"
      "novalue\r\n"
      ";comment=x\r\n"
      "mid=\r\n"
      "[next]\r\n"
      "n=1\r\n");
  EXPECT_EQ(file.keys("last"), (Keys{"zeta", "Alpha", "mid"}));
  EXPECT_EQ(file.keys("missing"), Keys{});
}

TEST(ProfileFileTest, RewritesAValueInPlaceKeepingEveryOtherByte) {
  const std::string before =
      "; settings\r\n"
      "[autorun]\r\n"
      "  Run = 0 ; off\r\n"
      "junk line\r\n"
      "\r\n"
      "[tray]\r\n"
      "hide=1\r\n";
  ProfileFile file = ProfileFile::parse(before);
  EXPECT_EQ(file.serialize(), before);
  file.write("AUTORUN", "run", "1");
  EXPECT_EQ(file.serialize(),
            "; settings\r\n"
            "[autorun]\r\n"
            "Run=1\r\n"
            "junk line\r\n"
            "\r\n"
            "[tray]\r\n"
            "hide=1\r\n");
}

TEST(ProfileFileTest, AddsANewKeyAfterTheLastLineOfItsSection) {
  ProfileFile file = ProfileFile::parse(
      "[power]\r\n"
      "a=1\r\n"
      "\r\n"
      "\r\n"
      "[close]\r\n"
      "[wake]\r\n");
  file.write("power", "b", "2");
  file.write("close", "c", "3");
  file.write("wake", "d", "4");
  EXPECT_EQ(file.serialize(),
            "[power]\r\n"
            "a=1\r\n"
            "b=2\r\n"
            "\r\n"
            "\r\n"
            "[close]\r\n"
            "c=3\r\n"
            "[wake]\r\n"
            "d=4\r\n");
}

TEST(ProfileFileTest, AddsANewSectionAtTheEndOfTheFile) {
  ProfileFile empty;
  empty.write(" tray ", " hide ", "1");
  EXPECT_EQ(empty.serialize(), "[tray]\r\nhide=1\r\n");

  ProfileFile unterminated = ProfileFile::parse("[a]\nx=1");
  unterminated.write("b", "y", "2");
  EXPECT_EQ(unterminated.serialize(), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");

  ProfileFile trailingBlank = ProfileFile::parse("[a]\r\nx=1\r\n\r\n");
  trailingBlank.write("b", "y", "2");
  EXPECT_EQ(trailingBlank.serialize(), "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
}

TEST(ProfileFileTest, QuotesAValueThatWouldNotReadBackAsWritten) {
  ProfileFile file;
  file.write("test", "k", "plain value");
  EXPECT_EQ(file.serialize(), "[test]\r\nk=plain value\r\n");
  file.write("test", "k", "Fnog ");
  EXPECT_EQ(file.serialize(), "[test]\r\nk=\"Fnog \"\r\n");
  file.write("test", "k", "'x'");
  EXPECT_EQ(file.serialize(), "[test]\r\nk=\"'x'\"\r\n");
  file.write("test", "k", "");
  EXPECT_EQ(file.serialize(), "[test]\r\nk=\r\n");
}

// Any bytes but CR, LF and NUL, blanks and quotes most often, read back
// exactly after a write and after the file is parsed again.
TEST(ProfileFileTest, EveryValueReadsBackAsWritten) {
  std::mt19937 random(11);
  const std::string common = " \t\"'=;[]a\xA1";
  for (int round = 0; round < 5000; ++round) {
    std::string value(random() % 7, '\0');
    for (char& byte : value) {
      do {
        byte = random() % 2 ? common[random() % common.size()] : static_cast<char>(random() % 256);
      } while (byte == '\r' || byte == '\n' || byte == '\0');
    }
    ProfileFile file = ProfileFile::parse("[s]\r\nk=old\r\n");
    file.write("s", "k", value);
    file.write("s", "new", value);
    const ProfileFile reread = ProfileFile::parse(file.serialize());
    ASSERT_EQ(reread.read("s", "k"), value);
    ASSERT_EQ(reread.read("s", "new"), value);
  }
}

TEST(ProfileFileTest, KeepsBytesThatNoCodePageHas) {
  const std::string value = "\x80\xFF\xD6\xD0 \xFE\x81";
  ProfileFile file;
  file.write("Option", "pass", value);
  const std::string bytes = file.serialize();
  EXPECT_EQ(bytes, "[Option]\r\npass=" + value + "\r\n");
  EXPECT_EQ(ProfileFile::parse(bytes).read("option", "PASS"), value);
  EXPECT_EQ(ProfileFile::parse(bytes).serialize(), bytes);
}

TEST(ProfileFileTest, RemovesTheFirstMatchingKey) {
  ProfileFile file = ProfileFile::parse("[s]\r\na=1\r\nA=2\r\nb=3\r\n");
  file.removeKey("S", "a");
  EXPECT_EQ(file.serialize(), "[s]\r\nA=2\r\nb=3\r\n");
  file.removeKey("s", "missing");
  file.removeKey("missing", "b");
  EXPECT_EQ(file.serialize(), "[s]\r\nA=2\r\nb=3\r\n");
}

}  // namespace
}  // namespace orvane
