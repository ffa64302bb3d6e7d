#pragma once
// The Win32 view of the power-on wizard "TForm1".

namespace orvane {

class Win32Ui;

void registerPowerOnWizardView(Win32Ui& ui);

}  // namespace orvane
