#include "orvane_sim/main_window_controls.h"

#include <charconv>
#include <functional>
#include <map>
#include <optional>

#include "app/main_form.h"

namespace orvane {

namespace {

constexpr std::string_view kMainWindow = "TForm3/";
constexpr std::string_view kDatedList = "StringGrid1";

using Press = std::function<void(MainForm&)>;

const std::map<std::string, Press, std::less<>>& buttons() {
  static const std::map<std::string, Press, std::less<>> byCaption{
      {"添加", [](MainForm& form) { form.dailyPower().powerOnDates().FlatButton8Click(); }},
      {"编辑", [](MainForm& form) { form.dailyPower().powerOnDates().FlatButton7Click(); }},
      {"删除", [](MainForm& form) { form.dailyPower().powerOnDates().FlatButton6Click(); }},
      {"全删", [](MainForm& form) { form.dailyPower().powerOnDates().FlatButton5Click(); }},
      {"确定", [](MainForm& form) { form.saveOptions(); }},
      {"设定密码", [](MainForm& form) { form.advancedPage().setPasswordClicked(); }},
  };
  return byCaption;
}

// The number after `prefix` in a resource name, from 1 to `last`.
std::optional<int> numberedControl(std::string_view name, std::string_view prefix, int last) {
  if (name.size() != prefix.size() + 1 || name.substr(0, prefix.size()) != prefix) return std::nullopt;
  const int number = name.back() - '0';
  if (number < 1 || number > last) return std::nullopt;
  return number;
}

// The spin edits FlatSpinEditInteger1 … 6: power-on, then shutdown time.
std::string* spinEdit(DailyScheduleFields& fields, std::string_view name) {
  const auto number = numberedControl(name, "FlatSpinEditInteger", 6);
  if (!number) return nullptr;
  const auto index = static_cast<std::size_t>(*number - 1);
  return index < fields.powerOn.size() ? &fields.powerOn[index] : &fields.shutdown[index - fields.powerOn.size()];
}

// CheckBox1 "每天", CheckBox2 … CheckBox8 "星期一" … "星期日".
bool* checkBox(DailyScheduleFields& fields, std::string_view name) {
  const auto number = numberedControl(name, "CheckBox", 8);
  if (!number) return nullptr;
  return *number == 1 ? &fields.everyDay : &fields.weekdays[static_cast<std::size_t>(*number - 2)];
}

std::optional<int> rowNumber(std::string_view text) {
  int row = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), row);
  if (error != std::errc() || end != text.data() + text.size() || row < 1) return std::nullopt;
  return row;
}

// "TForm3/NAME VALUE" taken apart; nothing without the window or the blank.
std::optional<std::pair<std::string_view, std::string_view>> nameAndValue(std::string_view argument) {
  if (argument.substr(0, kMainWindow.size()) != kMainWindow) return std::nullopt;
  argument.remove_prefix(kMainWindow.size());
  const std::size_t blank = argument.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  return std::make_pair(argument.substr(0, blank), argument.substr(blank + 1));
}

// Sets the control that a "type" event names; false when there is none or
// the value does not suit it.
bool typeInto(DailyScheduleFields& fields, std::string_view name, std::string_view value) {
  if (std::string* field = spinEdit(fields, name)) {
    *field = std::string(value);
    return true;
  }
  bool* box = checkBox(fields, name);
  if (box == nullptr || (value != "1" && value != "0")) return false;
  *box = value == "1";
  return true;
}

}  // namespace

bool isMainWindowControlEvent(const std::string& verb, const std::string& argument) {
  if (verb == "press") {
    return argument.substr(0, kMainWindow.size()) == kMainWindow &&
           buttons().count(std::string_view(argument).substr(kMainWindow.size())) > 0;
  }
  const auto parts = nameAndValue(argument);
  if (!parts) return false;
  if (verb == "select") return parts->first == kDatedList && rowNumber(parts->second).has_value();
  DailyScheduleFields probe;
  return verb == "type" && typeInto(probe, parts->first, parts->second);
}

void runMainWindowControlEvent(MainForm& form, const std::string& verb, const std::string& argument) {
  if (verb == "press") {
    buttons().find(std::string_view(argument).substr(kMainWindow.size()))->second(form);
    return;
  }
  const auto parts = nameAndValue(argument);
  if (verb == "select") {
    form.dailyPower().powerOnDates().select(rowNumber(parts->second).value_or(1));
  } else {
    typeInto(form.dailyPower().dailySchedule().fields(), parts->first, parts->second);
  }
}

}  // namespace orvane
