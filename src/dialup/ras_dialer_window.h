#pragma once
// The Win32 view of the dial-up window "TRasDialerForm".

namespace orvane {

class Win32Ui;

void registerRasDialerView(Win32Ui& ui);

}  // namespace orvane
