#include "dialup/dial_password.h"

#include <array>
#include <cstdio>

namespace orvane {

namespace {

constexpr int kGroupOffset = 29153;
constexpr std::size_t kGroupLength = 5;
constexpr std::size_t kMaxPasswordLength = 255;
constexpr std::size_t kMinEncodedBytes = 10;
// The decoder's buffer: 256 bytes, 128 groups.
constexpr std::size_t kDecodeBufferSize = 256;
// Before any group is read, the buffer says: 35 blanks.
constexpr std::uint8_t kUnreadLength = 35;

// The password, then its repeats (the text doubled until it is at least 10
// bytes long, at most 255), or the tick count's digits for an empty one.
std::string filledText(std::string_view password, std::uint32_t tickCount) {
  if (password.empty()) return std::to_string(tickCount);
  std::string text(password);
  while (text.size() < kMinEncodedBytes) text += text;
  return text.substr(0, kMaxPasswordLength);
}

// The integer of a group: an optional sign and decimal digits.
std::optional<int> groupValue(std::string_view group) {
  std::size_t position = group.empty() || (group[0] != '+' && group[0] != '-') ? 0 : 1;
  if (position == group.size()) return std::nullopt;
  int value = 0;
  for (; position < group.size(); ++position) {
    if (group[position] < '0' || group[position] > '9') return std::nullopt;
    value = value * 10 + (group[position] - '0');
  }
  return group[0] == '-' ? -value : value;
}

}  // namespace

std::string EncodeDialPassword(std::string_view password, std::uint32_t tickCount) {
  password = password.substr(0, kMaxPasswordLength);
  std::size_t used = password.size() + 1;
  used += used % 2;
  if (used < kMinEncodedBytes) used = kMinEncodedBytes;

  std::array<std::uint8_t, kMaxPasswordLength + kMinEncodedBytes + 1> buffer{};
  buffer[0] = static_cast<std::uint8_t>(password.size());
  const std::string filled = filledText(password, tickCount);
  for (std::size_t i = 0; i < filled.size(); ++i) buffer[i + 1] = static_cast<std::uint8_t>(filled[i]);

  std::string text;
  for (std::size_t i = 0; i < used; i += 2) {
    char group[8];
    std::snprintf(group, sizeof group, "%05d", buffer[i] + 256 * buffer[i + 1] + kGroupOffset);
    text += group;
  }
  return text;
}

std::optional<std::string> DecodeDialPassword(std::string_view text, std::string* badGroup) {
  std::array<std::uint8_t, kDecodeBufferSize> buffer{};
  buffer[0] = kUnreadLength;
  for (std::size_t i = 1; i <= kUnreadLength; ++i) buffer[i] = ' ';
  for (std::size_t at = 0, word = 0; at < text.size() && word < kDecodeBufferSize; at += kGroupLength, word += 2) {
    const std::string_view group = text.substr(at, kGroupLength);
    const auto value = groupValue(group);
    if (!value) {
      if (badGroup != nullptr) *badGroup = std::string(group);
      return std::nullopt;
    }
    const auto stored = static_cast<std::uint16_t>(*value - kGroupOffset);
    buffer[word] = static_cast<std::uint8_t>(stored & 0xFF);
    buffer[word + 1] = static_cast<std::uint8_t>(stored >> 8);
  }
  return std::string(reinterpret_cast<const char*>(buffer.data()) + 1, buffer[0]);
}

}  // namespace orvane
