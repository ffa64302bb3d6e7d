#pragma once
// Searches text for a few byte values a block of bytes at a time, as memchr
// does for one: sixteen bytes per step where the processor has SSE2, else
// eight bytes read as one 64-bit word. The table rebuild reads every byte of
// the task file this way (line ends, field separators).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::byte_blocks {

#if defined(__SSE2__)
inline constexpr std::size_t kBlockBytes = 16;
inline constexpr std::size_t kBitsPerByte = 1;

// One bit for each byte of the block that equals one of the values, the
// first byte's lowest, kBitsPerByte bits apart.
template <char... Values>
std::uint64_t matchBits(const char* block) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  const __m128i matches = (_mm_cmpeq_epi8(bytes, _mm_set1_epi8(Values)) | ...);
  return static_cast<std::uint32_t>(_mm_movemask_epi8(matches));
}
#else
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the byte search reads eight bytes as a little-endian word"
#endif
inline constexpr std::size_t kBlockBytes = 8;
inline constexpr std::size_t kBitsPerByte = 8;

// The high bit of each byte of the word that is zero.
inline std::uint64_t zeroBytes(std::uint64_t word) {
  constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7Fu;
  return ~(((word & kLowSevenBits) + kLowSevenBits) | word | kLowSevenBits);
}

template <char... Values>
std::uint64_t matchBits(const char* block) {
  constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
  std::uint64_t word;
  std::memcpy(&word, block, sizeof word);
  return (zeroBytes(word ^ (kEveryByte * static_cast<unsigned char>(Values))) | ...);
}
#endif

inline std::size_t firstMatchIn(std::uint64_t bits) {
  return static_cast<std::size_t>(__builtin_ctzll(bits)) / kBitsPerByte;
}

template <char... Values>
bool isMatch(char c) {
  return ((c == Values) || ...);
}

// The offset of the first byte at or after `from` that equals one of the
// values, or the size of the text when none does.
template <char... Values>
std::size_t findFirstOf(std::string_view text, std::size_t from) {
  std::size_t offset = from;
  for (; offset + kBlockBytes <= text.size(); offset += kBlockBytes) {
    if (const std::uint64_t bits = matchBits<Values...>(text.data() + offset)) return offset + firstMatchIn(bits);
  }
  while (offset < text.size() && !isMatch<Values...>(text[offset])) ++offset;
  return offset;
}

// Calls found(offset) for each byte that equals one of the values, in order,
// until it returns false.
template <char... Values, typename Found>
void forEachMatch(std::string_view text, Found&& found) {
  std::size_t offset = 0;
  for (; offset + kBlockBytes <= text.size(); offset += kBlockBytes) {
    for (std::uint64_t bits = matchBits<Values...>(text.data() + offset); bits != 0; bits &= bits - 1) {
      if (!found(offset + firstMatchIn(bits))) return;
    }
  }
  for (; offset < text.size(); ++offset) {
    if (isMatch<Values...>(text[offset]) && !found(offset)) return;
  }
}

}  // namespace orvane::byte_blocks
