#include "scheduler/task_line.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane {

TaskField weekdayField(int weekday) {
  // Sunday is field 10, after Saturday; Monday to Saturday are fields 4 to 9.
  return weekday == 1 ? TaskField::Sunday : static_cast<TaskField>(static_cast<int>(TaskField::Monday) + weekday - 2);
}

namespace {

#if defined(__SSE2__)
// Sixteen bytes at a time: one bit for each byte, set for a separator.
constexpr std::size_t kBlockBytes = 16;
constexpr std::size_t kBitsPerByte = 1;
std::uint64_t separatorBits(const char* block) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(kTaskFieldSeparator))));
}
#else
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the separator search reads eight bytes as a little-endian word"
#endif
// Eight bytes at a time as one word: the high bit of each byte, set for a
// separator.
constexpr std::size_t kBlockBytes = 8;
constexpr std::size_t kBitsPerByte = 8;
std::uint64_t separatorBits(const char* block) {
  constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
  constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7Fu;
  std::uint64_t word;
  std::memcpy(&word, block, sizeof word);
  const std::uint64_t cleared = word ^ (kEveryByte * static_cast<unsigned char>(kTaskFieldSeparator));
  return ~(((cleared & kLowSevenBits) + kLowSevenBits) | cleared | kLowSevenBits);
}
#endif

// Calls found(offset) for each separator of the line, in order, until it
// returns false. A block of bytes is tested at a time, as memchr does.
template <typename Found>
void forEachSeparator(std::string_view line, Found&& found) {
  std::size_t offset = 0;
  for (; offset + kBlockBytes <= line.size(); offset += kBlockBytes) {
    for (std::uint64_t bits = separatorBits(line.data() + offset); bits != 0; bits &= bits - 1) {
      if (!found(offset + static_cast<std::size_t>(__builtin_ctzll(bits)) / kBitsPerByte)) return;
    }
  }
  for (; offset < line.size(); ++offset) {
    if (line[offset] == kTaskFieldSeparator && !found(offset)) return;
  }
}

}  // namespace

// Lines longer than a 32-bit offset can reach are cut there; a task line is
// a few hundred bytes at most.
TaskFieldSpans::TaskFieldSpans(std::string_view line) {
  // Counted in a local, which stays in a register.
  std::size_t count = 0;
  forEachSeparator(line.substr(0, UINT32_MAX), [this, &count](std::size_t separator) {
    separators_[count++] = static_cast<std::uint32_t>(separator);
    return count < separators_.size();
  });
  count_ = count;
}

TaskFields::TaskFields(const TaskLineView& line) {
  for (std::size_t index = 0; index < kTaskFieldCount; ++index) {
    texts_[index] = line[static_cast<TaskField>(index + 1)];
  }
}

TaskLine SplitTaskLine(std::string_view line) { return TaskLine(std::string(line)); }

std::string JoinTaskLine(const TaskFields& fields) {
  std::string line = fields.texts().front();
  for (std::size_t index = 1; index < kTaskFieldCount; ++index) {
    line += kTaskFieldSeparator;
    line += fields.texts()[index];
  }
  return line;
}

std::string ActionArgument(std::string_view field) {
  const std::size_t colon = field.find(':');
  return std::string(colon == std::string_view::npos ? field : field.substr(colon + 1));
}

}  // namespace orvane
