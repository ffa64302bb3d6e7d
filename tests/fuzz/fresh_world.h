#pragma once
// A simulated Windows for one fuzz input, in a directory that the whole run
// shares: whatever the previous input left there is removed first.

#include <filesystem>

#include "common/date_time.h"
#include "platform/sim/sim_world.h"
#include "test_support/temp_dir.h"

namespace orvane::fuzz {

class FreshWorld {
 public:
  FreshWorld() : world_(emptied(), DateTime::fromParts({2026, 12, 7}, {10, 0, 0, 0})) {}

  SimWorld& operator*() { return world_; }
  SimWorld* operator->() { return &world_; }

 private:
  static const std::filesystem::path& emptied() {
    static const TempDir directory;
    for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
      std::filesystem::remove_all(entry.path());
    }
    return directory.path();
  }

  SimWorld world_;
};

}  // namespace orvane::fuzz
