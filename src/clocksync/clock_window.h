#pragma once
// The Win32 view of the clock window "TForm9".

namespace orvane {

class Win32Ui;

void registerClockView(Win32Ui& ui);

}  // namespace orvane
