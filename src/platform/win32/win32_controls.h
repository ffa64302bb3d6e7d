#pragma once
// The controls of the program's windows: a table of controls with their
// places at 96 DPI, created as children of a window and laid out at the
// window's DPI; and typed handles of the controls, through which views read
// and set them, with texts as GBK (the models' fields) or UTF-8 (texts that
// are only shown).

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"

namespace orvane {

struct ControlSpec {
  int id;
  const wchar_t* className;
  DWORD style;              // besides WS_CHILD | WS_VISIBLE
  const char* text;         // UTF-8
  int x, y, width, height;  // at 96 DPI, in the parent's client area
};

// A table of controls: an array of ControlSpec, or a part of one.
class ControlTable {
 public:
  template <std::size_t N>
  ControlTable(const ControlSpec (&controls)[N]) : first_(controls), count_(N) {}  // NOLINT: an array is a table
  ControlTable(const ControlSpec* first, std::size_t count) : first_(first), count_(count) {}

  const ControlSpec* begin() const { return first_; }
  const ControlSpec* end() const { return first_ + count_; }

 private:
  const ControlSpec* first_;
  std::size_t count_;
};

void createControls(HWND parent, ControlTable controls);
void layoutControls(HWND parent, ControlTable controls);

std::string windowTextGbk(HWND window);

// A control of a window. A handle of no control (null) reads as empty and
// ignores what it is given, as the system does.
class Control {
 public:
  explicit Control(HWND handle) : handle_(handle) {}

  HWND handle() const { return handle_; }
  std::string textGbk() const { return windowTextGbk(handle_); }
  // Sets the text only when it differs, so that a refresh does not disturb
  // the caret of a field being typed in.
  void setTextGbk(const std::string& gbk) const;
  void setTextUtf8(std::string_view utf8) const;
  void enable(bool on) const { EnableWindow(handle_, on); }
  void show(bool on) const { ShowWindow(handle_, on ? SW_SHOW : SW_HIDE); }

 protected:
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(handle_, message, wParam, lParam);
  }

 private:
  HWND handle_;
};

// A check box or radio button.
class CheckBox : public Control {
 public:
  using Control::Control;
  bool checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
  void setChecked(bool on) const { send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
};

class EditField : public Control {
 public:
  using Control::Control;
  // Shows "*" for each character.
  void hideCharacters() const { send(EM_SETPASSWORDCHAR, L'*'); }
  void selectAll() const { send(EM_SETSEL, 0, -1); }
};

// A combo box (a drop-down list, with or without an edit field) or its list.
class ComboBox : public Control {
 public:
  using Control::Control;
  void addGbk(std::string_view gbk) const;
  void addUtf8(std::string_view utf8) const;
  // Replaces the items by these.
  void setItemsGbk(const std::vector<std::string>& items) const;
  // The chosen item, or -1 when none is.
  int chosen() const;
  void choose(int index) const { send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  std::string itemGbk(int index) const;
};

// A date and time picker.
class DateTimePicker : public Control {
 public:
  using Control::Control;
  void setFormat(const wchar_t* format) const;
  CivilDate date() const;
  TimeOfDay time() const;
  // The date, at midnight.
  void setDate(const CivilDate& date) const;
  // The time of day, on today's date.
  void setTime(const TimeOfDay& time) const;
};

// Up-down arrows beside a field.
class UpDown : public Control {
 public:
  using Control::Control;
  void setRange(int lowest, int highest) const { send(UDM_SETRANGE32, static_cast<WPARAM>(lowest), highest); }
  void setBuddy(HWND field) const { send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(field)); }
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  void setRange(int highest) const { send(PBM_SETRANGE32, 0, highest); }
  void setPosition(int position) const { send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

}  // namespace orvane
