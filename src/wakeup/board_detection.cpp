#include "wakeup/board_detection.h"

#include <algorithm>
#include <array>

#include "storage/settings_keys.h"

namespace orvane {

namespace {

// The CMOS indices of a profile for "et11" … "et71" (control, day, hour,
// minute, second, checksum high and low byte) and "et88" (the extra
// register), or no "et88" at all: the file keeps what it held.
struct BoardProfile {
  std::array<const char*, 7> registers;
  const char* extra;
};

constexpr BoardProfile kListedModelProfile{{"89", "127", "90", "91", "127", "109", "110"}, nullptr};
constexpr BoardProfile kIteOrNineProfile{{"84", "85", "86", "87", "88", "125", "126"}, nullptr};
constexpr BoardProfile kTwoAProfile{{"85", "93", "79", "78", "77", "123", "124"}, nullptr};
constexpr BoardProfile kChipsetPLowProfile{{"85", "86", "87", "88", "89", "123", "124"}, "101"};
constexpr BoardProfile kChipsetPHighProfile{{"86", "87", "88", "89", "90", "123", "124"}, "101"};
constexpr BoardProfile kLetterProfile{{"85", "95", "79", "78", "77", "123", "124"}, nullptr};
constexpr BoardProfile kCodeIProfile{{"64", "65", "66", "67", "68", "124", "125"}, "126"};

// System model names whose alarm sits at the indices of kListedModelProfile
// (exact, case-sensitive).
constexpr std::array<std::string_view, 12> kListedModels{
    "Dell System B3 Desktop",      "Dell System GX60",  "Dell System 4600", "Dell System GX270", "Dell System GX260",
    "Dell System 4500S",           "Dell System GX50",  "Dell System L60",  "Dell System 170L",  "Dell System 150D",
    "Dell System PowerEdge 400SC", "Dell System GX240",
};

// Rule D reads this CMOS byte: up to kChipsetPLowLimit the board keeps its
// alarm one register lower.
constexpr std::uint8_t kChipsetPSelector = 86;
constexpr std::uint8_t kChipsetPLowLimit = 207;

void writeProfile(FileSystem& files, const BoardProfile& profile) {
  IniSettings settings = wakeSettings(files);
  for (std::size_t i = 0; i < profile.registers.size(); ++i) {
    settings.write(wake_ini::kBoardRegisters[i], profile.registers[i]);
  }
  if (profile.extra != nullptr) settings.write(wake_ini::kBoardRegisters[7], profile.extra);
}

// The text after the first "-"; the whole text when it has none.
std::string afterFirstDash(const std::string& text) {
  const auto dash = text.find('-');
  return dash == std::string::npos ? text : text.substr(dash + 1);
}

// `count` characters from position `position` (from 1) of `text`; a position
// before the start counts as the first.
std::string charactersAt(const std::string& text, long position, std::size_t count) {
  const auto start = static_cast<std::size_t>(std::max(position, 1L) - 1);
  return start < text.size() ? text.substr(start, count) : std::string();
}

}  // namespace

std::string trimmedModelName(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool BoardDetection::DetectBoardProfile() {
  if (!wakeSettings(platform_.files).read(wake_ini::kBoardChosen).empty()) return true;
  BiosRomImage image;
  rom_.DumpBiosRom(image);
  const std::string model = trimmedModelName(BiosRomString(image, kModelNameAddress));
  if (std::find(kListedModels.begin(), kListedModels.end(), model) != kListedModels.end()) {
    writeProfile(platform_.files, kListedModelProfile);
  }
  rom_.DumpBiosRom(image);
  const std::string identification = BiosRomString(image, kBiosIdentificationAddress);
  wakeSettings(platform_.files).write(wake_ini::kBoardChosen, "1");
  if (!applyIdentificationRules(identification)) return false;
  if (isNtFamily(platform_.system)) {
    driver_.InstallPortDriver();
    driver_.StartPortDriver();
  }
  return true;
}

// The identification string is "DATE-CHIPSET-CODE": the chipset's first
// letter, and the code text R after the second "-", read at positions
// counted back from its end (n is its length).
bool BoardDetection::applyIdentificationRules(const std::string& identification) {
  const std::string chipsetAndCode = afterFirstDash(identification);
  const char chipsetLetter = chipsetAndCode.empty() ? '\0' : chipsetAndCode.front();
  const std::string code = afterFirstDash(chipsetAndCode);
  if (code.empty()) return true;
  if (code.compare(0, 3, "ITE") == 0) {  // rule A
    writeProfile(platform_.files, kIteOrNineProfile);
    return true;
  }
  const long n = static_cast<long>(code.size());
  const std::string k = charactersAt(code, n - 8, 1);
  if (k == "9") writeProfile(platform_.files, kIteOrNineProfile);  // rule B
  if (k == "L") {
    if (charactersAt(code, n - 11, 2) == "2A") {  // rule C
      writeProfile(platform_.files, kTwoAProfile);
    } else if (chipsetLetter == 'P') {  // rule D
      const auto selector = cmos_.read({kChipsetPSelector});
      if (!selector) return false;
      writeProfile(platform_.files,
                   selector->front() <= kChipsetPLowLimit ? kChipsetPLowProfile : kChipsetPHighProfile);
    } else {  // rule E
      const char letter = charactersAt(code, n - 7, 1).front();
      if (letter < 'A' || letter > 'T') return false;
      writeProfile(platform_.files, kLetterProfile);
    }
  }
  if (k == "I") writeProfile(platform_.files, kCodeIProfile);  // rule F
  return true;
}

}  // namespace orvane
