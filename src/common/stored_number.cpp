#include "common/stored_number.h"

#include <exception>

#include "common/errors.h"

namespace orvane {

int storedNumber(const std::string& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw OperationError("'" + text + "' is not a valid integer value");
}

}  // namespace orvane
