#pragma once
// The wake-up hardware composed into a stand-in main window against the
// simulated Windows, with the CMOS, the board profile in "\wake.ini" and the
// log's CMOS writes and driver calls at hand.

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "power/power_system.h"
#include "test_support/parts_window.h"
#include "test_support/sim_test.h"
#include "wakeup/wakeup_system.h"

namespace orvane::test {

class WakeupTest : public SimTest {
 protected:
  WakeupTest() {
    window.parts.add(power);
    window.parts.add(wakeup);
  }

  // The CMOS holds these (index, value) bytes and zero elsewhere.
  void setCmos(std::initializer_list<std::pair<int, int>> bytes) {
    std::array<std::uint8_t, 128> cmos{};
    for (const auto& [index, value] : bytes) cmos[index] = static_cast<std::uint8_t>(value);
    world.hardware().setCmos(cmos);
  }
  int cmos(int index) { return world.hardware().cmos()[index]; }
  // The board profile: "et11" … "et88" in the order of the key table; an
  // empty text leaves the key out.
  void setProfile(const std::vector<std::string>& indices) {
    static const char* const kKeys[] = {"et11", "et21", "et31", "et41", "et51", "et61", "et71", "et88"};
    std::string ini = "[wake]\r\net=1\r\n";
    for (std::size_t role = 0; role < indices.size(); ++role) {
      if (!indices[role].empty()) ini += std::string(kKeys[role]) + "=" + indices[role] + "\r\n";
    }
    writeProgramFile("wake.ini", ini);
  }

  // The log's events that start with one of `prefixes`, in order.
  std::vector<std::string> eventsOf(std::initializer_list<const char*> prefixes) {
    std::vector<std::string> found;
    for (const std::string& event : world.log().events()) {
      for (const char* prefix : prefixes) {
        if (event.rfind(prefix, 0) == 0) {
          found.push_back(event);
          break;
        }
      }
    }
    return found;
  }
  // "index=value" of every CMOS byte written, in order.
  std::vector<std::string> cmosWrites() {
    std::vector<std::string> writes;
    for (const std::string& event : eventsOf({"CmosWrite "})) {
      const auto index = event.find("index=") + 6;
      const auto space = event.find(' ', index);
      writes.push_back(event.substr(index, space - index) + "=" + event.substr(event.find("value=") + 6));
    }
    return writes;
  }

  PartsWindow window{world.ui()};
  PowerSystem power{world.platform(), world.ui(), window.parts};
  WakeupSystem wakeup{world.platform(), world.ui(), power};
};

}  // namespace orvane::test
