#pragma once
// What the tasks need of the dial-up window, which lies above them: it
// keeps AutoDialEnabled (its wish to dial before a web address is opened)
// and gives DialCurrentEntry, which starts dialling the entry, user name
// and password it holds and returns as soon as the dial has started, and
// ShowDialerWindow, which shows it for the task editor's address "...".
// Until the dial-up window sets them, AutoDialEnabled is false, no dial is
// made and the "..." shows nothing.

#include <functional>

namespace orvane {

struct AutoDial {
  bool AutoDialEnabled = false;
  std::function<void()> DialCurrentEntry;
  std::function<void()> ShowDialerWindow;
};

}  // namespace orvane
