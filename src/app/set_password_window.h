#pragma once
// The Win32 view of the set-password window "TForm6".

namespace orvane {

class Win32Ui;

void registerSetPasswordView(Win32Ui& ui);

}  // namespace orvane
