#include "platform/form.h"

namespace orvane {

Form::~Form() {
  if (open_) ui_.formClosed(*this);
}

void Form::answerScripted(const std::string&) { closeBox(); }

void Form::opened() {
  open_ = true;
  result_ = kResultNone;
}

void Form::close(int result) {
  if (!open_) return;
  open_ = false;
  result_ = result;
  ui_.formClosed(*this);
}

}  // namespace orvane
