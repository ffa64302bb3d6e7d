#pragma once
// The Win32 view of the shutdown countdown "TForm4".

namespace orvane {

class Win32Ui;

void registerCountdownView(Win32Ui& ui);

}  // namespace orvane
