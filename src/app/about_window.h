#pragma once
// The Win32 view of the about window "TForm7".

namespace orvane {

class Win32Ui;

void registerAboutView(Win32Ui& ui);

}  // namespace orvane
