#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace orvane {

namespace {

DateTime fromSystemTime(const SYSTEMTIME& time) {
  return DateTime::fromParts({time.wYear, time.wMonth, time.wDay},
                             {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds});
}

TimeZoneState::Kind kindOf(DWORD result) {
  switch (result) {
    case TIME_ZONE_ID_UNKNOWN:
      return TimeZoneState::Kind::Unknown;
    case TIME_ZONE_ID_STANDARD:
      return TimeZoneState::Kind::Standard;
    case TIME_ZONE_ID_DAYLIGHT:
      return TimeZoneState::Kind::Daylight;
    default:
      return TimeZoneState::Kind::Invalid;
  }
}

}  // namespace

SYSTEMTIME toSystemTime(DateTime value) {
  const CivilDate date = value.date();
  const TimeOfDay time = value.time();
  SYSTEMTIME result{};
  result.wYear = static_cast<WORD>(date.year);
  result.wMonth = static_cast<WORD>(date.month);
  result.wDay = static_cast<WORD>(date.day);
  result.wDayOfWeek = static_cast<WORD>(value.weekday() - 1);
  result.wHour = static_cast<WORD>(time.hour);
  result.wMinute = static_cast<WORD>(time.minute);
  result.wSecond = static_cast<WORD>(time.second);
  result.wMilliseconds = static_cast<WORD>(time.millisecond);
  return result;
}

DateTime Win32Clock::localNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return fromSystemTime(now);
}

DateTime Win32Clock::utcNow() {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  return fromSystemTime(now);
}

std::uint32_t Win32Clock::tickCount() { return GetTickCount(); }

TimeZoneState Win32Clock::timeZone() {
  TIME_ZONE_INFORMATION zone{};
  const DWORD result = GetTimeZoneInformation(&zone);
  return {kindOf(result), static_cast<int>(zone.Bias), static_cast<int>(zone.StandardBias),
          static_cast<int>(zone.DaylightBias)};
}

bool Win32Clock::setLocalTime(DateTime local) {
  const SYSTEMTIME time = toSystemTime(local);
  return SetLocalTime(&time) != 0;
}

bool Win32Clock::setSystemTime(DateTime utc) {
  const SYSTEMTIME time = toSystemTime(utc);
  return SetSystemTime(&time) != 0;
}

void Win32Clock::pauseThread(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace orvane
