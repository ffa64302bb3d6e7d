#include "platform/sim/sim_ui.h"

#include <algorithm>

#include "common/errors.h"
#include "common/gbk.h"
#include "platform/sim/event_log.h"
#include "platform/sim/sim_time.h"

namespace orvane {

namespace {
const char* const kOk = "确定";
const char* const kCancel = "取消";
}  // namespace

std::vector<Form*> SimUi::openForms() const {
  std::vector<Form*> forms;
  for (const auto& open : openForms_) forms.push_back(open.form);
  return forms;
}

Form* SimUi::findOpenForm(const std::string& windowClass) const {
  auto found = std::find_if(openForms_.rbegin(), openForms_.rend(),
                            [&](const OpenForm& open) { return open.windowClass == windowClass; });
  return found == openForms_.rend() ? nullptr : found->form;
}

void SimUi::startTimer(TimerOwner& owner, int timerId, int intervalMs) { time_.startTimer(owner, timerId, intervalMs); }

void SimUi::stopTimer(TimerOwner& owner, int timerId) { time_.stopTimer(owner, timerId); }

MessageAnswer SimUi::showMessage(const std::string& text, MessageButtons buttons) {
  auto scripted = answers_.find("message");
  const bool cancel = buttons == MessageButtons::OkCancel && scripted != answers_.end() && scripted->second == kCancel;
  log_.add("message " + quoted(text) + " -> " + (cancel ? kCancel : kOk));
  return cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

void SimUi::showWarningBox(const std::string& text) { log_.add("message " + quoted(text) + " -> OK"); }

void SimUi::showError(const std::string& text) { log_.add("error " + quoted(text)); }

std::optional<std::string> SimUi::chooseExistingFile(const std::string& filter) {
  auto scripted = answers_.find("file");
  const bool chosen = scripted != answers_.end();
  log_.add("GetOpenFileName filter=" + quoted(filter) + " flags=0x1004 -> " +
           (chosen ? quoted(scripted->second) : std::string("cancelled")));
  if (!chosen) return std::nullopt;
  return utf8ToGbk(scripted->second);
}

void SimUi::runHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const OperationError& error) {
    showError(error.what());
  }
}

void SimUi::open(Form& form) {
  const std::string details = form.describe();
  log_.add(std::string("open ") + form.windowClass() + (details.empty() ? "" : " " + details));
  form.opened();
  openForms_.push_back({&form, form.windowClass()});
  auto scripted = answers_.find(form.windowClass());
  if (scripted != answers_.end()) {
    runHandler([&] { form.answerScripted(scripted->second); });
  } else {
    runHandler([&] { form.answerByDefault(); });
  }
}

int SimUi::showModal(Form& form) {
  open(form);
  try {
    time_.runUntil([&] { return !form.isOpen() || quit_; });
  } catch (const SimulationOver&) {
    over_ = true;  // unwinding destroys the windows that stay open
    throw;
  }
  return form.result();
}

void SimUi::showModeless(Form& form) { open(form); }

void SimUi::formClosed(Form& form) {
  time_.stopTimersOf(form);
  auto found =
      std::find_if(openForms_.begin(), openForms_.end(), [&](const OpenForm& open) { return open.form == &form; });
  if (found == openForms_.end()) return;
  const std::string windowClass = found->windowClass;
  openForms_.erase(found);
  if (!over_) log_.add("close " + windowClass);
}

void SimUi::processMessages() { time_.runDueNow(); }

void SimUi::quit() {
  if (quit_) return;
  quit_ = true;
  log_.add("exit");
}

void SimUi::trace(std::string_view event) { log_.add(event); }

}  // namespace orvane
