#include "wakeup/wakeup_system.h"

namespace orvane {

WakeupSystem::WakeupSystem(Platform& platform, Ui& ui, PowerSystem& power)
    : installFailure_(platform, ui),
      portDriver_(platform, ui, installFailure_),
      cmos_(platform, ui, portDriver_, installFailure_),
      alarm_(platform, ui, cmos_, power.powerActions()),
      biosRom_(platform),
      boardDetection_(platform, biosRom_, cmos_, portDriver_) {}

void WakeupSystem::startUp() { startUpEndedEarly_ = !boardDetection_.DetectBoardProfile(); }

}  // namespace orvane
