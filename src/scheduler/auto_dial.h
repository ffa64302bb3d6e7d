#pragma once
// The dial-up hand-over of the open-URL action: the dial-up window keeps
// AutoDialEnabled (its wish to dial before a web address is opened) and
// gives DialCurrentEntry, which starts dialling the entry, user name and
// password it holds and returns as soon as the dial has started. Until the
// dial-up window sets them, AutoDialEnabled is false and no dial is made.

#include <functional>

namespace orvane {

struct AutoDial {
  bool AutoDialEnabled = false;
  std::function<void()> DialCurrentEntry;
};

}  // namespace orvane
