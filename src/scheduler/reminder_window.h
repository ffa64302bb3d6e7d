#pragma once
// The Win32 view of the reminder window "TForm5".

namespace orvane {

class Win32Ui;

void registerReminderView(Win32Ui& ui);

}  // namespace orvane
