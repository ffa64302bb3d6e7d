#pragma once
// TaskEditMode: which command opened the task editor. The main window sets
// it just before it opens the editor; the editor reads it when it opens and
// again when "确定" is pressed, and compares it exactly. A second editor
// opened from the tray while one is open changes it for both.

#include <string>

namespace orvane {

inline constexpr const char* kNewScheduledTask = "New Scheduled Task";
inline constexpr const char* kEditScheduledTask = "Edit Scheduled Task";

struct TaskEditMode {
  std::string text;

  bool isNew() const { return text == kNewScheduledTask; }
  bool isEdit() const { return text == kEditScheduledTask; }
};

}  // namespace orvane
