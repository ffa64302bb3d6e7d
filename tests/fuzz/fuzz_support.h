#pragma once
// What the fuzz targets share: a property check that stops the run with a
// message (libFuzzer then keeps the input as a crash), a reader that cuts one
// input into the parts a target needs, and the check that each target
// defines, which fuzz_main.cpp hands every input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orvane::fuzz {

inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

// The input read from the front: single bytes, and texts that end at a NUL
// byte.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // The next byte; 0 once the input is used up.
  std::uint8_t byte() {
    if (rest_.empty()) return 0;
    const auto value = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return value;
  }
  // The text up to the next NUL byte, which is dropped; the rest when there
  // is none.
  std::string_view part() {
    const std::size_t end = rest_.find('\0');
    const std::string_view text = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return text;
  }
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// Defined by each target: checks its properties on one input.
void checkInput(FuzzInput& input);

// The text with every byte of `unwanted` removed.
inline std::string without(std::string_view text, std::string_view unwanted) {
  std::string kept;
  for (const char c : text) {
    if (unwanted.find(c) == std::string_view::npos) kept += c;
  }
  return kept;
}

// What one line of a file or a single-line edit box can hold.
inline std::string oneLineText(std::string_view text) { return without(text, std::string_view("\r\n\0", 3)); }

}  // namespace orvane::fuzz
