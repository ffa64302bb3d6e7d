#pragma once
// Facts about the running Windows: the platform family, the logged-on user
// and the working-set trimming of the NT family.

#include "platform/system.h"

namespace orvane {

class Win32System : public SystemInfo {
 public:
  int platformId() const override;
  std::string userName() override;
  void trimWorkingSet() override;
};

}  // namespace orvane
