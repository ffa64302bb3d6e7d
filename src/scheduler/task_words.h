#pragma once
// The fixed words of the task file, as the GBK bytes that it holds. The
// action words of fields 12 to 22 are ASCII and stored as they stand; the
// prefixes carry no blank after their colon.

#include <array>
#include <string_view>

namespace orvane {

// Field 2.
inline constexpr std::string_view kEnabledWord = "\xC6\xF4\xD3\xC3";   // 启用
inline constexpr std::string_view kDisabledWord = "\xBD\xFB\xD3\xC3";  // 禁用

// Fields 4 to 10, Monday to Sunday.
inline constexpr std::string_view kMondayWord = "\xD6\xDC\xD2\xBB";     // 周一
inline constexpr std::string_view kTuesdayWord = "\xD6\xDC\xB6\xFE";    // 周二
inline constexpr std::string_view kWednesdayWord = "\xD6\xDC\xC8\xFD";  // 周三
inline constexpr std::string_view kThursdayWord = "\xD6\xDC\xCB\xC4";   // 周四
inline constexpr std::string_view kFridayWord = "\xD6\xDC\xCE\xE5";     // 周五
inline constexpr std::string_view kSaturdayWord = "\xD6\xDC\xC1\xF9";   // 周六
inline constexpr std::string_view kSundayWord = "\xD6\xDC\xC8\xD5";     // 周日
inline constexpr std::array<std::string_view, 7> kWeekdayWords{
    kMondayWord, kTuesdayWord, kWednesdayWord, kThursdayWord, kFridayWord, kSaturdayWord, kSundayWord};

// Field 3: the schedule texts.
inline constexpr std::string_view kEveryDayWord = "\xC3\xBF\xCC\xEC";    // 每天
inline constexpr std::string_view kEveryYearWord = "\xC3\xBF\xC4\xEA";   // 每年
inline constexpr std::string_view kEveryMonthWord = "\xC3\xBF\xD4\xC2";  // 每月
inline constexpr std::string_view kYearMark = "\xC4\xEA";                // 年
inline constexpr std::string_view kMonthMark = "\xD4\xC2";               // 月
inline constexpr std::string_view kDayMark = "\xC8\xD5";                 // 日
// A schedule text that starts with these digits is a once-date (2000-2099).
inline constexpr std::string_view kOnceDateStart = "20";

// Fields 12 to 22.
inline constexpr std::string_view kShutdownWord = "Shutdown";
inline constexpr std::string_view kPlaySoundPrefix = "Play Sound:";
inline constexpr std::string_view kRunProgramPrefix = "Run Program:";
inline constexpr std::string_view kShowMessagePrefix = "Show Message:";
inline constexpr std::string_view kRebootWord = "Reboot";
inline constexpr std::string_view kLockComputerWord = "Lock Computer";
inline constexpr std::string_view kOpenFilePrefix = "Open File:";
inline constexpr std::string_view kCloseProgramPrefix = "Close Program:";
inline constexpr std::string_view kOpenUrlPrefix = "Open URL:";
inline constexpr std::string_view kStandbyWord = "Standby";
inline constexpr std::string_view kHibernateWord = "Hibernate";

}  // namespace orvane
