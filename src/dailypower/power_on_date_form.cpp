#include "dailypower/power_on_date_form.h"

#include "common/gbk.h"
#include "common/log_text.h"
#include "dailypower/power_on_dates.h"
#include "platform/clock.h"
#include "scheduler/task_words.h"

namespace orvane {

namespace {
constexpr const char* kEnabledText = "启用";
constexpr const char* kDisabledText = "禁用";
}  // namespace

PowerOnDateForm::PowerOnDateForm(Ui& ui, ClockApi& clock, PowerOnDates& dates) : Form(ui), dates_(dates) {
  date = clock.localNow().date();
  if (dates.editMode() != kEditPowerOnDate) return;
  const PowerOnDateEntry entry = dates.row(dates.selectedRow());
  if (const auto shown = readPowerOnDate(entry.date)) date = *shown;
  enabled = isPowerOnStatus(entry.status);
  remark = entry.remark;
}

std::string PowerOnDateForm::describe() const { return "mode=" + orvane::quoted(dates_.editMode()); }

void PowerOnDateForm::answerScripted(const std::string& answer) {
  const std::size_t firstBlank = answer.find(' ');
  const std::size_t secondBlank = answer.find(' ', firstBlank == std::string::npos ? firstBlank : firstBlank + 1);
  const auto chosen = parseDate(answer.substr(0, firstBlank));
  const std::string status =
      firstBlank == std::string::npos ? "" : answer.substr(firstBlank + 1, secondBlank - firstBlank - 1);
  if (!chosen || (status != kEnabledText && status != kDisabledText)) {
    closeBox();
    return;
  }
  date = *chosen;
  enabled = status == kEnabledText;
  remark = secondBlank == std::string::npos ? "" : utf8ToGbk(answer.substr(secondBlank + 1));
  Button2Click();
}

void PowerOnDateForm::Button2Click() {
  dates_.store(joinPowerOnDateLine(date, enabled ? kEnabledWord : kDisabledWord, remark));
  close(kResultOk);
}

}  // namespace orvane
