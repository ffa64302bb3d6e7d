#pragma once
// The dated power-on list "\time.dat" beside the executable: one entry per
// line, date, status and remark separated by "*", CR LF line ends, in the
// order the entries were added. Only the first two "*" separate fields, so a
// remark may hold "*" itself. Bytes are GBK throughout.
//
// Dates are written in one fixed pattern, "yyyy-MM-dd", and read leniently
// ("-", "/" or "." between the numbers, or the form "2026年12月7日", one- or
// two-digit month and day), so lists written by earlier versions under a
// Chinese date format still read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"

namespace orvane {

class FileSystem;

struct PowerOnDateEntry {
  std::string date;
  std::string status;  // "启用" (on that date) or "禁用" (off)
  std::string remark;
};

using PowerOnDateLines = std::vector<std::string>;

// A part whose "*" is missing reads as empty.
PowerOnDateEntry splitPowerOnDateLine(std::string_view line);
// The line of an entry; line breaks in the remark become one space each, so
// the entry stays on one line of the file.
std::string joinPowerOnDateLine(const CivilDate& date, std::string_view status, std::string_view remark);

std::optional<CivilDate> readPowerOnDate(std::string_view text);
bool isPowerOnStatus(std::string_view status);

std::filesystem::path powerOnDatesPath(const FileSystem& files);
// The lines of the file; nothing when it is missing or cannot be read.
std::optional<PowerOnDateLines> loadPowerOnDateLines(FileSystem& files);
// Replaces the whole file atomically; a failure ends the handler with
// OperationError and leaves the old file as it was.
void savePowerOnDateLines(FileSystem& files, const PowerOnDateLines& lines);

// The conversion error of an unreadable date, as the error box shows it.
std::string invalidDateMessage(std::string_view gbkText);

}  // namespace orvane
