#pragma once
// The reminders of message tasks that wait for their window, and where the
// next reminder window goes.
//
// Every due reminder is kept, oldest first, and each opens its own window:
// two message tasks due in the same second, or a second one due before the
// first window opened, lose none of their texts.

#include <deque>
#include <string>

namespace orvane {

class Reminders {
 public:
  // Each window lies this many screen pixels further down and right than
  // the one opened before it.
  static constexpr int kCascadeStep = 10;

  // A due message: its text (GBK) waits for a window.
  void add(std::string text) { waiting_.push_back(std::move(text)); }
  bool waiting() const { return !waiting_.empty(); }
  // The oldest waiting text, which leaves the queue. Only while waiting().
  std::string take();
  // ReminderOffset raised by one step: the left and top screen coordinate of
  // the window being opened. It is never lowered.
  int raiseOffset() { return offset_ += kCascadeStep; }
  // 0 until the first window opens.
  int ReminderOffset() const { return offset_; }

 private:
  std::deque<std::string> waiting_;
  int offset_ = 0;
};

}  // namespace orvane
