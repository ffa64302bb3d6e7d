#pragma once
// The Win32 view of the dated power-on editor "TForm8".

namespace orvane {

class Win32Ui;

void registerPowerOnDateView(Win32Ui& ui);

}  // namespace orvane
