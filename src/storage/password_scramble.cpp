#include "storage/password_scramble.h"

namespace orvane {

namespace {
unsigned byteAt(std::string_view text, std::size_t index) { return static_cast<unsigned char>(text[index]); }
}  // namespace

std::string scramblePassword(std::string_view password) {
  const std::size_t length = password.size();
  std::string scrambled(length, '\0');
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned next = byteAt(password, (i + 1) % length);
    scrambled[i] = static_cast<char>((next % 10) ^ byteAt(password, i));
  }
  return scrambled;
}

bool passwordMatches(std::string_view typed, std::string_view storedScrambled) {
  return scramblePassword(typed) == storedScrambled;
}

}  // namespace orvane
