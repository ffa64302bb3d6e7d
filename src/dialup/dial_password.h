#pragma once
// The stored form of a dial-up password: decimal digits in groups of five,
// each group one 16-bit little-endian word of a buffer plus 29153. The
// buffer holds the password's length (one byte), its bytes and filler, over
// at least 10 bytes and always an even number, so a value has 5 to 128
// groups. The filler is the password repeated, or for an empty password the
// digits of the tick count, so that equal passwords need not look alike.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The encoded form of the first 255 bytes of `password` (GBK).
std::string EncodeDialPassword(std::string_view password, std::uint32_t tickCount);

// The password of an encoded value. Groups beyond the 128th, which the
// encoder never writes, are ignored. Nothing when a group is not a number;
// `badGroup` then receives it.
std::optional<std::string> DecodeDialPassword(std::string_view text, std::string* badGroup = nullptr);

}  // namespace orvane
