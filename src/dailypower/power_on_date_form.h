#pragma once
// The editor of one dated power-on entry (window class "TForm8"), a fixed
// dialog titled "指定日期开机状态", centred on the main window: "指定日期："
// with a date picker, "开机状态：" with "禁用" and "启用", "备注：" with a
// multi-line box, and "确定". There is no cancel button: closing it by the
// title bar discards the input. It opens as the list's edit mode says: for a
// new entry (today, "禁用", no remark) or filled from the selected row.

#include <string>

#include "common/date_time.h"
#include "platform/form.h"

namespace orvane {

class ClockApi;
class PowerOnDates;

class PowerOnDateForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm8";
  static constexpr const char* kCaption = "指定日期开机状态";

  PowerOnDateForm(Ui& ui, ClockApi& clock, PowerOnDates& dates);

  const char* windowClass() const override { return kWindowClass; }
  // mode="Add" or mode="Edit".
  std::string describe() const override;
  // "YYYY-MM-DD 启用|禁用 REMARK" fills the editor and presses "确定";
  // anything else closes it.
  void answerScripted(const std::string& answer) override;

  CivilDate date;        // DateTimePicker1
  bool enabled = false;  // RadioButton1 "启用"; else RadioButton2 "禁用"
  std::string remark;    // Memo1, GBK; may hold line breaks

  // "确定" (Button2Click): the entry is stored and the editor closes.
  void Button2Click();

 private:
  PowerOnDates& dates_;
};

}  // namespace orvane
