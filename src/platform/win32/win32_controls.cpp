#include "platform/win32/win32_controls.h"

#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"

namespace orvane {

void createControls(HWND parent, ControlTable controls) {
  for (const ControlSpec& each : controls) {
    CreateWindowExW(0, each.className, utf8ToWide(each.text).c_str(), WS_CHILD | WS_VISIBLE | each.style, 0, 0, 0, 0,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(each.id)), GetModuleHandleW(nullptr), nullptr);
  }
}

void layoutControls(HWND parent, ControlTable controls) {
  const unsigned dpi = windowDpi(parent);
  for (const ControlSpec& each : controls) {
    MoveWindow(GetDlgItem(parent, each.id), scaled(each.x, dpi), scaled(each.y, dpi), scaled(each.width, dpi),
               scaled(each.height, dpi), TRUE);
  }
}

std::string windowTextGbk(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return wideToGbk(text);
}

void Control::setTextGbk(const std::string& gbk) const {
  if (textGbk() != gbk) SetWindowTextW(handle_, gbkToWide(gbk).c_str());
}

void Control::setTextUtf8(std::string_view utf8) const { SetWindowTextW(handle_, utf8ToWide(utf8).c_str()); }

void ComboBox::addGbk(std::string_view gbk) const {
  send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gbkToWide(gbk).c_str()));
}

void ComboBox::addUtf8(std::string_view utf8) const {
  send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(utf8ToWide(utf8).c_str()));
}

void ComboBox::setItemsGbk(const std::vector<std::string>& items) const {
  send(CB_RESETCONTENT);
  for (const std::string& item : items) addGbk(item);
}

int ComboBox::chosen() const {
  const LRESULT index = send(CB_GETCURSEL);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

std::string ComboBox::itemGbk(int index) const {
  const LRESULT length = send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) return {};
  std::wstring item(static_cast<std::size_t>(length), L'\0');
  send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data()));
  return wideToGbk(item);
}

void DateTimePicker::setFormat(const wchar_t* format) const { DateTime_SetFormat(handle(), format); }

CivilDate DateTimePicker::date() const {
  SYSTEMTIME value{};
  DateTime_GetSystemtime(handle(), &value);
  return {value.wYear, value.wMonth, value.wDay};
}

TimeOfDay DateTimePicker::time() const {
  SYSTEMTIME value{};
  DateTime_GetSystemtime(handle(), &value);
  return {value.wHour, value.wMinute, value.wSecond, 0};
}

void DateTimePicker::setDate(const CivilDate& date) const {
  SYSTEMTIME value{};
  value.wYear = static_cast<WORD>(date.year);
  value.wMonth = static_cast<WORD>(date.month);
  value.wDay = static_cast<WORD>(date.day);
  DateTime_SetSystemtime(handle(), GDT_VALID, &value);
}

// A picker takes a whole moment; a time field shows only its time of day.
void DateTimePicker::setTime(const TimeOfDay& time) const {
  SYSTEMTIME value{};
  GetLocalTime(&value);
  value.wHour = static_cast<WORD>(time.hour);
  value.wMinute = static_cast<WORD>(time.minute);
  value.wSecond = static_cast<WORD>(time.second);
  value.wMilliseconds = 0;
  DateTime_SetSystemtime(handle(), GDT_VALID, &value);
}

}  // namespace orvane
