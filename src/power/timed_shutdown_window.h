#pragma once
// The Win32 view of the one-off timed shutdown "TForm10".

namespace orvane {

class Win32Ui;

void registerTimedShutdownView(Win32Ui& ui);

}  // namespace orvane
