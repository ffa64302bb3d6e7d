#include "scheduler/reminders.h"

namespace orvane {

std::string Reminders::take() {
  std::string text = std::move(waiting_.front());
  waiting_.pop_front();
  return text;
}

}  // namespace orvane
