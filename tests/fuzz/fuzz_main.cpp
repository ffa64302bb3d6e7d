// The entry point that libFuzzer calls with each input.

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvane::fuzz::FuzzInput input(data, size);
  orvane::fuzz::checkInput(input);
  return 0;
}
