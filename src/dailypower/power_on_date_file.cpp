#include "dailypower/power_on_date_file.h"

#include "common/errors.h"
#include "common/gbk.h"
#include "platform/files.h"
#include "scheduler/schedule.h"
#include "scheduler/task_file.h"
#include "scheduler/task_words.h"
#include "storage/atomic_file.h"

namespace orvane {

namespace {
constexpr char kSeparator = '*';

// The text up to the next "*" (or the end), and `rest` moved past that "*".
std::string_view takeField(std::string_view& rest) {
  const std::size_t star = rest.find(kSeparator);
  const std::string_view field = rest.substr(0, star);
  rest = star == std::string_view::npos ? std::string_view() : rest.substr(star + 1);
  return field;
}

std::string oneLine(std::string_view remark) {
  std::string line;
  for (std::size_t index = 0; index < remark.size(); ++index) {
    const char c = remark[index];
    if (c == '\r' && index + 1 < remark.size() && remark[index + 1] == '\n') continue;
    line += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return line;
}

// "2026年12月7日", nothing after the day mark.
std::optional<CivilDate> readChineseDate(std::string_view text) {
  const std::string_view trimmed = trimBlanks(text);
  if (trimmed.size() < kDayMark.size() || trimmed.substr(trimmed.size() - kDayMark.size()) != kDayMark) {
    return std::nullopt;
  }
  const auto date = readOnceDate(trimmed);
  if (!date || !isValidDate(date->year, date->month, date->day)) return std::nullopt;
  return CivilDate{date->year, date->month, date->day};
}
}  // namespace

PowerOnDateEntry splitPowerOnDateLine(std::string_view line) {
  PowerOnDateEntry entry;
  entry.date = takeField(line);
  entry.status = takeField(line);
  entry.remark = line;
  return entry;
}

std::string joinPowerOnDateLine(const CivilDate& date, std::string_view status, std::string_view remark) {
  return formatDate(date) + kSeparator + std::string(status) + kSeparator + oneLine(remark);
}

std::optional<CivilDate> readPowerOnDate(std::string_view text) {
  if (auto date = parseDate(text)) return date;
  return readChineseDate(text);
}

bool isPowerOnStatus(std::string_view status) { return status == kEnabledWord; }

std::filesystem::path powerOnDatesPath(const FileSystem& files) { return files.programDirectory() / "time.dat"; }

std::optional<PowerOnDateLines> loadPowerOnDateLines(FileSystem& files) {
  const auto bytes = readFileRecovering(files, powerOnDatesPath(files));
  if (!bytes) return std::nullopt;
  return parseTaskFile(*bytes);
}

void savePowerOnDateLines(FileSystem& files, const PowerOnDateLines& lines) {
  if (!replaceFileAtomically(files, powerOnDatesPath(files), serializeTaskFile(lines))) {
    throw OperationError("Cannot create file \"" + gbkToUtf8(files.programDirectoryText()) + "\\time.dat\"");
  }
}

std::string invalidDateMessage(std::string_view gbkText) { return "'" + gbkToUtf8(gbkText) + "' is not a valid date"; }

}  // namespace orvane
