// A line of the dated power-on list "time.dat": split into date, status and
// remark; the date read in every form the reader takes; an entry written as a
// line and read back.

#include <algorithm>

#include "dailypower/power_on_date_file.h"
#include "fuzz_support.h"

namespace orvane::fuzz {
namespace {

void checkRead(std::string_view line) {
  const PowerOnDateEntry entry = splitPowerOnDateLine(line);
  require(entry.date.find('*') == std::string::npos && entry.status.find('*') == std::string::npos,
          "a date or status holds the separator");
  const std::size_t stars = static_cast<std::size_t>(std::count(line.begin(), line.end(), '*'));
  const std::string rebuilt = stars >= 2   ? entry.date + "*" + entry.status + "*" + entry.remark
                              : stars == 1 ? entry.date + "*" + entry.status
                                           : entry.date;
  require(rebuilt == line && (stars >= 2 || entry.remark.empty()), "a split line loses text");
  if (const auto date = readPowerOnDate(entry.date)) {
    require(isValidDate(date->year, date->month, date->day), "a date read is no calendar date");
    require(readPowerOnDate(formatDate(*date)) == date, "a written date reads back changed");
  }
}

// An entry as the editor writes it: a calendar date, a status without "*",
// any remark (line breaks become blanks).
void checkWritten(FuzzInput& input) {
  const CivilDate date{1 + (input.byte() * 256 + input.byte()) % 9999, 1 + input.byte() % 12, 1 + input.byte() % 31};
  if (!isValidDate(date.year, date.month, date.day)) return;
  const std::string status = without(input.part(), std::string_view("*\r\n", 3));
  const std::string_view remark = input.rest();
  const std::string line = joinPowerOnDateLine(date, status, remark);
  require(line.find_first_of("\r\n") == std::string::npos, "a written entry spans more than one line");
  const PowerOnDateEntry entry = splitPowerOnDateLine(line);
  require(readPowerOnDate(entry.date) == date, "a written date reads back changed");
  require(entry.status == status, "a written status reads back changed");
  require(entry.remark.size() <= remark.size() && without(entry.remark, " ") == without(remark, " \r\n"),
          "a written remark reads back with more than its line breaks changed");
}

}  // namespace

void checkInput(FuzzInput& input) {
  checkRead(input.rest());
  checkWritten(input);
}

}  // namespace orvane::fuzz
