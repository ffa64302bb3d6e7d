#pragma once
// The Win32 view of the task editor "TForm2".

namespace orvane {

class Win32Ui;

void registerTaskEditorView(Win32Ui& ui);

}  // namespace orvane
