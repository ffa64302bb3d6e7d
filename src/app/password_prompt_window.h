#pragma once
// The Win32 view of the password prompt "TForm12".

namespace orvane {

class Win32Ui;

void registerPasswordPromptView(Win32Ui& ui);

}  // namespace orvane
