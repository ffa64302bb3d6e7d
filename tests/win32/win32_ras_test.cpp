// The dial-up service as this system answers it, looked up at run time:
// whatever its functions return, nothing crashes or blocks, and the dial-up
// window is made and dials on top of it. The entry dialled does not exist,
// so no system ever dials out.

#include "platform/win32/win32_ras.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstring>

#include "dialup/ras_dialer_form.h"
#include "platform/sim/sim_world.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

constexpr const char* kNoSuchEntry = "orvane-test-no-such-entry";

TEST(Win32RasTest, TheServiceAnswersEveryCallWithoutHarm) {
  Win32Ras ras([] { return HWND{}; });
  std::array<RasEntryName, 16> entries{};
  entries[0].size = sizeof(RasEntryName);
  std::uint32_t size = sizeof entries;
  std::uint32_t count = 0;
  const std::uint32_t listed = ras.enumEntries(entries.data(), size, count);
  if (listed == 0) {
    EXPECT_LE(count, entries.size());
  }
  ras.errorString(listed, 128);

  RasDialParams params{};
  params.size = sizeof params;
  std::copy_n(kNoSuchEntry, std::strlen(kNoSuchEntry), params.entryName);
  const auto started = std::chrono::steady_clock::now();
  const std::uint32_t dialled = ras.dial(params);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  const std::string text = ras.errorString(dialled, 256);
  EXPECT_LT(text.size(), 256u);
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The window's model over the real service, with the program's files in a
// directory of its own.
TEST(Win32RasTest, TheDialUpWindowIsMadeAndDialsWhateverTheServiceSays) {
  TempDir dir;
  SimWorld world(dir.path(), DateTime());
  Win32Ras ras([] { return HWND{}; });
  Platform platform = world.platform();
  Platform withService{platform.system,   platform.files,     platform.clock, platform.power,   platform.shell,
                       platform.registry, platform.services,  platform.ports, platform.sockets, ras,
                       platform.secrets,  platform.wakeTimer, platform.bios};
  AutoDial autoDial;
  TRasDialerForm dialer(world.ui(), withService, autoDial);
  dialer.FormCreate();
  EXPECT_LE(dialer.EntryNameItems.size(), TRasDialerForm::kListedEntries);
  EXPECT_FALSE(autoDial.AutoDialEnabled);
  dialer.DialEntry(kNoSuchEntry, "user", "password");
}

}  // namespace
}  // namespace orvane
