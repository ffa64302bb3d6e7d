#pragma once
// The dated power-on list on "    开机设定    " under "指定日期开机状态": the
// lines of "\time.dat" kept in a hidden list in file order, the grid
// StringGrid1 ("日期", "开机状态", "备注"; row r shows line r; one empty row
// when there is none; whole-row selection) and the buttons "添加"
// (FlatButton8), "编辑" (FlatButton7), "删除" (FlatButton6) and "全删"
// (FlatButton5). Every change is saved at once and the grid is rebuilt from
// the file.

#include <array>
#include <string>
#include <vector>

#include "dailypower/power_on_date_file.h"

namespace orvane {

class ClockApi;
class Ui;

// What opened the editor: "Add" or "Edit".
inline constexpr const char* kAddPowerOnDate = "Add";
inline constexpr const char* kEditPowerOnDate = "Edit";

class PowerOnDates {
 public:
  static constexpr std::array<const char*, 3> kColumnTitles{"日期", "开机状态", "备注"};

  PowerOnDates(FileSystem& files, ClockApi& clock, Ui& ui);

  // Rebuilds the grid from "\time.dat". Without the file the grid is empty
  // and the hidden list stays as it was.
  void LoadPowerOnDates();

  // Grid rows below the title row: at least 1. Rows count from 1.
  int rowCount() const;
  PowerOnDateEntry row(int number) const;
  int selectedRow() const;
  void select(int number) { selected_ = number; }
  const PowerOnDateLines& lines() const { return lines_; }

  // "添加": the editor for a new entry, modal.
  void FlatButton8Click();
  // "编辑": the editor for the selected entry, modal; nothing while the list
  // is empty. A date that cannot be read ends it with OperationError (the
  // error box) and the editor does not open, so the entry cannot be overwritten unseen.
  void FlatButton7Click();
  // "删除": after "您真的要删除吗？" is answered "确定", the selected entry goes;
  // nothing while the list is empty.
  void FlatButton6Click();
  // "全删": after "您真的要全部删除吗？" is answered "确定", the file is left empty.
  void FlatButton5Click();

  const std::string& editMode() const { return editMode_; }
  // The editor's "确定": the line is appended (Add) or put in place of the
  // selected entry (Edit), the list saved and reloaded, the row selected again.
  void store(const std::string& line);

 private:
  void openEditor(const char* mode);
  void save(const PowerOnDateLines& lines);
  bool confirmed(const char* question);

  FileSystem& files_;
  ClockApi& clock_;
  Ui& ui_;
  PowerOnDateLines lines_;
  std::vector<PowerOnDateEntry> rows_;
  int selected_ = 1;
  std::string editMode_;
};

}  // namespace orvane
