#include "scheduler/reminder_form.h"

#include "common/log_text.h"
#include "scheduler/reminders.h"

namespace orvane {

ReminderForm::ReminderForm(Ui& ui, Reminders& reminders)
    : Form(ui), text_(reminders.take()), offset_(reminders.raiseOffset()) {}

std::string ReminderForm::describe() const { return "text=" + quotedGbk(text_); }

}  // namespace orvane
