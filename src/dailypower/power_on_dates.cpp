#include "dailypower/power_on_dates.h"

#include <algorithm>

#include "common/errors.h"
#include "dailypower/power_on_date_form.h"
#include "platform/ui.h"

namespace orvane {

PowerOnDates::PowerOnDates(FileSystem& files, ClockApi& clock, Ui& ui) : files_(files), clock_(clock), ui_(ui) {}

void PowerOnDates::LoadPowerOnDates() {
  rows_.clear();
  auto loaded = loadPowerOnDateLines(files_);
  if (!loaded) return;
  lines_ = std::move(*loaded);
  for (const std::string& line : lines_) rows_.push_back(splitPowerOnDateLine(line));
}

int PowerOnDates::rowCount() const { return std::max(1, static_cast<int>(rows_.size())); }

PowerOnDateEntry PowerOnDates::row(int number) const {
  if (number < 1 || number > static_cast<int>(rows_.size())) return {};
  return rows_[static_cast<std::size_t>(number - 1)];
}

int PowerOnDates::selectedRow() const { return std::clamp(selected_, 1, rowCount()); }

void PowerOnDates::FlatButton8Click() { openEditor(kAddPowerOnDate); }

void PowerOnDates::FlatButton7Click() {
  if (lines_.empty()) return;
  const std::string date = row(selectedRow()).date;
  if (!readPowerOnDate(date)) throw OperationError(invalidDateMessage(date));
  openEditor(kEditPowerOnDate);
}

void PowerOnDates::FlatButton6Click() {
  if (lines_.empty() || !confirmed("您真的要删除吗？")) return;
  const auto row = static_cast<std::size_t>(selectedRow());
  if (row > lines_.size()) return;
  PowerOnDateLines lines = lines_;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(row - 1));
  save(lines);
}

void PowerOnDates::FlatButton5Click() {
  if (confirmed("您真的要全部删除吗？")) save({});
}

void PowerOnDates::openEditor(const char* mode) {
  editMode_ = mode;
  PowerOnDateForm editor(ui_, clock_, *this);
  ui_.showModal(editor);
}

void PowerOnDates::store(const std::string& line) {
  const int row = selectedRow();
  PowerOnDateLines lines = lines_;
  if (editMode_ == kAddPowerOnDate) {
    lines.push_back(line);
  } else if (static_cast<std::size_t>(row) <= lines.size()) {
    lines[static_cast<std::size_t>(row - 1)] = line;
  }
  save(lines);
  select(row);
}

// The hidden list changes only once the file holds the change.
void PowerOnDates::save(const PowerOnDateLines& lines) {
  savePowerOnDateLines(files_, lines);
  lines_ = lines;
  LoadPowerOnDates();
}

bool PowerOnDates::confirmed(const char* question) {
  return ui_.showMessage(question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

}  // namespace orvane
