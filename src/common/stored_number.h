#pragma once
// Numbers kept as decimal text in the settings files.

#include <string>

namespace orvane {

// The whole text read as a decimal integer; a text that does not read
// throws OperationError "'TEXT' is not a valid integer value", the
// conversion error that the error box shows.
int storedNumber(const std::string& text);

}  // namespace orvane
