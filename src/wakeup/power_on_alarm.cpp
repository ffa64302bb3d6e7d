#include "wakeup/power_on_alarm.h"

#include <array>
#include <string_view>

#include "common/stored_number.h"
#include "storage/settings_keys.h"

namespace orvane {

namespace {

// The enable register's index chooses the board's behaviour.
constexpr std::uint8_t kControl40 = 0x40;
constexpr std::uint8_t kControl54 = 0x54;
constexpr std::uint8_t kControl55 = 0x55;
// Enable register at 0x59: the time in binary-coded decimal, the day kept,
// and a checksum that moves against the enable byte alone.
constexpr std::uint8_t kControl59 = 0x59;
// Extra registers of some boards, written with the alarm.
constexpr std::uint8_t kExtra65 = 0x65;
constexpr std::uint8_t kExtra65Value = 0x24;
constexpr std::uint8_t kExtra7E = 0x7E;
constexpr std::uint8_t kExtra7EValue = 0x01;

enum Register { Control, Day, Hour, Minute, Second, ChecksumHigh, ChecksumLow, Extra };

// The CMOS index of a register of the board profile. A missing key stands
// for `fallback`; only the low byte of the number is used.
std::uint8_t profileIndex(const IniSettings& settings, Register role, std::string_view fallback) {
  const SettingKey& key = wake_ini::kBoardRegisters[role];
  return static_cast<std::uint8_t>(storedNumber(settings.read(key.section, key.key, fallback)) & 0xFF);
}

std::uint8_t onValue(std::uint8_t control, std::uint8_t extra) {
  switch (control) {
    case kControl40:
      return 0x09;
    case kControl54:
      return 0x01;
    case kControl55:
      return extra == kExtra65 ? 0xD8 : 0x20;
    case kControl59:
      return 0x41;
    default:
      return 0x00;
  }
}

std::uint8_t offValue(std::uint8_t control) {
  switch (control) {
    case kControl40:
      return 0x08;
    case kControl59:
      return 0x01;
    default:
      return 0x00;
  }
}

std::uint8_t bcd(int value) { return static_cast<std::uint8_t>((value / 10) << 4 | value % 10); }

// The checksum moved by `change`, modulo 65536, as its two CMOS bytes.
std::array<std::uint8_t, 2> movedChecksum(std::uint8_t high, std::uint8_t low, int change) {
  const auto sum = static_cast<std::uint16_t>(high * 256 + low + change);
  return {static_cast<std::uint8_t>(sum >> 8), static_cast<std::uint8_t>(sum & 0xFF)};
}

// How much the checksum moves when the enable byte goes from `before` to
// `after`: with it on most boards, against it on 0x59 boards.
int controlChange(std::uint8_t control, std::uint8_t before, std::uint8_t after) {
  return control == kControl59 ? before - after : after - before;
}

}  // namespace

PowerOnAlarm::PowerOnAlarm(Platform& platform, Ui& ui, CmosAccess& cmos, PowerActions& power)
    : platform_(platform), ui_(ui), cmos_(cmos), power_(power) {}

void PowerOnAlarm::SetPowerOnAlarm(int hour, int minute) {
  const IniSettings settings = wakeSettings(platform_.files);
  std::array<std::uint8_t, 8> at{};
  for (const Register role : {Control, Day, Hour, Minute, Second, ChecksumHigh, ChecksumLow, Extra}) {
    at[role] = profileIndex(settings, role, "127");
  }
  const std::uint8_t control = at[Control];
  const std::uint8_t on = onValue(control, at[Extra]);
  const auto old =
      cmos_.read({control, at[ChecksumHigh], at[ChecksumLow], at[Day], at[Hour], at[Minute], at[Second], at[Extra]});
  if (!old) return;
  const std::uint8_t oldControl = (*old)[0], oldDay = (*old)[3], oldHour = (*old)[4], oldMinute = (*old)[5];
  const std::uint8_t oldSecond = (*old)[6], oldExtra = (*old)[7];

  const std::uint8_t day = control == kControl59 ? oldDay : 0;
  if (oldControl == on && oldHour == hour && oldMinute == minute && oldDay == day) return;
  const std::uint8_t extra = at[Extra] == kExtra65 ? kExtra65Value : oldExtra;

  int change = controlChange(control, oldControl, on);
  if (control != kControl59) change += (day - oldDay) + (hour - oldHour) + (minute - oldMinute) + (extra - oldExtra);
  const auto checksum = movedChecksum((*old)[1], (*old)[2], change);
  const bool decimal = control == kControl59;

  std::vector<CmosByte> bytes{{control, on},
                              {at[Day], day},
                              {at[Hour], decimal ? bcd(hour) : static_cast<std::uint8_t>(hour)},
                              {at[Minute], decimal ? bcd(minute) : static_cast<std::uint8_t>(minute)},
                              {at[Second], oldSecond},
                              {at[ChecksumHigh], checksum[0]},
                              {at[ChecksumLow], checksum[1]}};
  if (at[Extra] == kExtra65) bytes.push_back({kExtra65, kExtra65Value});
  if (at[Extra] == kExtra7E) bytes.push_back({kExtra7E, kExtra7EValue});  // outside the checksum
  if (!cmos_.write(bytes)) return;

  if (control == kControl59 &&
      ui_.showMessage("现在请关闭系统。计算机将尝试在10分钟后重启。", MessageButtons::OkCancel) == MessageAnswer::Ok) {
    power_.PowerOffSystem();
  }
  if (ui_.showMessage("必须重启一次计算机才能使设置生效！", MessageButtons::OkCancel) == MessageAnswer::Ok) {
    power_.RebootSystem();
  }
}

void PowerOnAlarm::ClearPowerOnAlarm() {
  const IniSettings settings = wakeSettings(platform_.files);
  const std::uint8_t control = profileIndex(settings, Control, "0");
  const std::uint8_t high = profileIndex(settings, ChecksumHigh, "0");
  const std::uint8_t low = profileIndex(settings, ChecksumLow, "0");
  const std::uint8_t off = offValue(control);
  const bool cleared = cmos_.update({control, high, low}, [&](const std::vector<std::uint8_t>& old) {
    const auto checksum = movedChecksum(old[1], old[2], controlChange(control, old[0], off));
    return std::vector<CmosByte>{{control, off}, {high, checksum[0]}, {low, checksum[1]}};
  });
  if (cleared) ui_.showMessage("定时开机功能已经取消！", MessageButtons::Ok);
}

}  // namespace orvane
