// The profile-file module against the real GetPrivateProfileStringA and
// WritePrivateProfileStringA: the same files and the same writes must read
// the same through both, and a file that we write must read the same to the
// real functions; and any value that we write, quoted where reading would
// change it, reads back exactly through the real functions. ASCII only: the real functions pass text through the ANSI
// code page, which our module never does.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "common/gbk.h"
#include "common/profile_file.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

constexpr const char* kMissing = "<missing>";

struct Query {
  const char* section;
  const char* key;
};

struct Write {
  const char* section;
  const char* key;
  const char* value;
};

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void putFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// One file on disk seen only through the real profile functions.
class RealProfile {
 public:
  // An empty text leaves the file missing.
  RealProfile(std::filesystem::path path, const std::string& bytes) : path_(std::move(path)) {
    if (!bytes.empty()) putFile(path_, bytes);
  }

  std::string read(const Query& query) const {
    char buffer[1024];
    GetPrivateProfileStringA(query.section, query.key, kMissing, buffer, sizeof buffer, path_.string().c_str());
    return buffer;
  }

  // The key names of a section, each name once (as our module lists them).
  std::vector<std::string> keys(const char* section) const {
    char buffer[4096];
    const DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer, sizeof buffer, path_.string().c_str());
    std::vector<std::string> names;
    for (const char* name = buffer; name < buffer + length && *name; name += strlen(name) + 1) {
      bool seen = false;
      for (const auto& earlier : names) seen = seen || equalsIgnoringAsciiCase(earlier, name);
      if (!seen) names.emplace_back(name);
    }
    return names;
  }

  void write(const Write& write) const {
    ASSERT_TRUE(WritePrivateProfileStringA(write.section, write.key, write.value, path_.string().c_str()));
  }

  std::string bytes() const { return fileBytes(path_); }

 private:
  std::filesystem::path path_;
};

// The keys of the program's own files, with the lookup rules' corner cases.
const std::string kSettings =
    "orphan=before any section\r\n"
    "[autorun]\r\n"
    "run=1\r\n"
    "[Tray]\r\n"
    "  Hide =  1  \r\n"
    "Menu\t=\t0\t\r\n"
    "\r\n"
    "[ power ]\r\n"
    "Time=22:00:00\r\n"
    "; the daily shutdown\r\n"
    "Shutdown=0\r\n"
    "[close]\r\n"
    "ask=\"1\"\r\n"
    "note='quoted text'\r\n"
    "mixed=\"x'\r\n"
    "lone=\"\r\n"
    "[test]\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "x = = y\r\n"
    "junk without equals\r\n"
    "[flags]\r\n"
    "flag\r\n"
    "flag=1\r\n"
    "[wake]\r\n"
    "a=1\r\n"
    "[WAKE]\r\n"
    "a=3\r\n"
    "c=4\r\n"
    "[time]  trailing text\r\n"
    "server=time.example\r\n"
    "[Last]\r\n"
    "Last1=2026-12-07\r\n"
    "[RAS_ENTRY_Home]\r\n"
    "user=guest\r\n"
    "[Option]\r\n"
    "pass=abc\r\n";

const Query kQueries[] = {
    {"autorun", "run"},     {"AUTORUN", "RUN"},    {" autorun ", " run "},
    {"tray", "hide"},       {"tray", "menu"},      {"tray", "Hide "},
    {"power", "time"},      {"power", "shutdown"}, {"close", "ask"},
    {"close", "note"},      {"close", "mixed"},    {"close", "lone"},
    {"test", "dup"},        {"test", "x"},         {"test", "junk without equals"},
    {"flags", "flag"},      {"wake", "a"},         {"wake", "c"},
    {"time", "server"},     {"Last", "last1"},     {"ras_entry_home", "USER"},
    {"option", "PASS"},     {"autorun", "orphan"}, {"missing", "run"},
    {"autorun", "missing"}, {"wake", "hour"},      {"close", "new"},
};

const char* const kSections[] = {"autorun", "tray", "power",          "close",  "test",   "wake",
                                 "time",    "Last", "RAS_ENTRY_Home", "Option", "missing"};

class ProfileFileDifferentialTest : public testing::Test {
 protected:
  // Applies the writes to the real file and to our module, then checks that
  // every query and key list reads the same from the real file, from our
  // module, and from our file read by the real functions.
  void expectSameAfter(const std::string& initial, std::initializer_list<Write> writes) {
    const RealProfile real(directory.path() / "real.ini", initial);
    ProfileFile ours = ProfileFile::parse(initial);
    for (const Write& write : writes) {
      real.write(write);
      ours.write(write.section, write.key, write.value);
    }
    const RealProfile oursOnDisk(directory.path() / "ours.ini", ours.serialize());
    for (const Query& query : kQueries) {
      const std::string expected = real.read(query);
      EXPECT_EQ(ours.read(query.section, query.key, kMissing), expected) << query.section << "/" << query.key;
      EXPECT_EQ(oursOnDisk.read(query), expected) << query.section << "/" << query.key;
    }
    for (const char* section : kSections) {
      EXPECT_EQ(ours.keys(section), real.keys(section)) << section;
      EXPECT_EQ(oursOnDisk.keys(section), real.keys(section)) << section;
    }
    realBytes = real.bytes();
    ourBytes = ours.serialize();
  }

  TempDir directory;
  std::string realBytes;
  std::string ourBytes;
};

TEST_F(ProfileFileDifferentialTest, LooksUpKeysAsTheRealFunctions) { expectSameAfter(kSettings, {}); }

TEST_F(ProfileFileDifferentialTest, ChangesAndAddsKeysAsTheRealFunctions) {
  expectSameAfter(kSettings, {
                                 {"AUTORUN", "Run", "0"},
                                 {"tray", "menu", "1"},
                                 {"tray", "icon", "2"},
                                 {"power", "shutdown", "1"},
                                 {"WAKE", "c", "5"},
                                 {"wake", "hour", "7"},
                                 {"test", "dup", "third"},
                                 {"flags", "flag", "on"},
                                 {"close", "new", "new value"},
                                 {"close", "ask", "0"},
                                 {"Last", "Last2", ""},
                                 {"RAS_ENTRY_Work", "user", "admin"},
                                 {"time", "server", "=odd="},
                             });
}

TEST_F(ProfileFileDifferentialTest, WritesTheSameBytesForAPlainFile) {
  expectSameAfter("[autorun]\r\nrun=0\r\n[tray]\r\nhide=1\r\n[power]\r\ntime=22:00:00\r\n",
                  {{"TRAY", "Hide", "0"}, {"tray", "menu", "1"}, {"wake", "hour", "7"}, {"power", "note", "a b"}});
  EXPECT_EQ(ourBytes, realBytes);
  EXPECT_EQ(ourBytes,
            "[autorun]\r\nrun=0\r\n[tray]\r\nhide=0\r\nmenu=1\r\n[power]\r\ntime=22:00:00\r\nnote=a b\r\n"
            "[wake]\r\nhour=7\r\n");
}

TEST_F(ProfileFileDifferentialTest, CreatesAMissingFileAsTheRealFunctions) {
  expectSameAfter("", {{"autorun", "run", "1"}, {"tray", "hide", "0"}, {"autorun", "start", "1"}});
  EXPECT_EQ(ourBytes, realBytes);
}

// Blanks and quotes at either end (the scrambled forms of "Good!", "!3" and
// "Secret#" among them) and random ASCII values without CR, LF and NUL.
TEST_F(ProfileFileDifferentialTest, TheRealFunctionsReadOurValuesBackAsWritten) {
  std::vector<std::string> values = {"Fnog ", " 0", "Rlgscq ", "\"x\"", "'y'", " \t ", "\"", ""};
  std::mt19937 random(11);
  const std::string common = " \t\"'=;";
  while (values.size() < 400) {
    std::string value(random() % 6, '\0');
    for (char& byte : value) {
      do {
        byte = static_cast<char>(random() % 2 ? common[random() % common.size()] : random() % 128);
      } while (byte == '\r' || byte == '\n' || byte == '\0');
    }
    values.push_back(value);
  }
  ProfileFile ours;
  for (std::size_t i = 0; i < values.size(); ++i) ours.write("Option", "k" + std::to_string(i), values[i]);
  const RealProfile real(directory.path() / "values.ini", ours.serialize());
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string key = "k" + std::to_string(i);
    EXPECT_EQ(real.read({"Option", key.c_str()}), values[i]) << key;
  }
}

}  // namespace
}  // namespace orvane
