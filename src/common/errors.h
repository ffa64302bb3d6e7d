#pragma once
// An operation that the platform refused and that must end the handler that
// ran it. The text is shown by the program's general error handler (the
// main window's error box), as the failing INI or registry write requires.

#include <stdexcept>
#include <string>

namespace orvane {

class OperationError : public std::runtime_error {
 public:
  explicit OperationError(const std::string& utf8Message) : std::runtime_error(utf8Message) {}
};

}  // namespace orvane
