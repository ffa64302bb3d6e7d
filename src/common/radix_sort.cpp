#include "common/radix_sort.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace orvane {

namespace {

constexpr int kDigitBits = 8;
constexpr std::size_t kDigitValues = std::size_t{1} << kDigitBits;
constexpr int kKeyBits = 64;

using Item = std::pair<std::int64_t, int>;

// One pass: the items into `sorted` by the digit at `shift` of their key's
// distance from `smallest`, keeping the order within a digit.
void sortByDigit(const std::vector<Item>& items, std::vector<Item>& sorted, std::uint64_t smallest, int shift) {
  const auto digitOf = [smallest, shift](const Item& item) {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(item.first) - smallest) >> shift) & (kDigitValues - 1);
  };
  std::array<std::size_t, kDigitValues> starts{};
  for (const Item& item : items) ++starts[digitOf(item)];
  std::size_t start = 0;
  for (std::size_t& count : starts) start += std::exchange(count, start);
  for (const Item& item : items) sorted[starts[digitOf(item)]++] = item;
}

}  // namespace

void stableSortByKey(std::vector<Item>& items) {
  if (items.size() < 2) return;
  const auto [low, high] =
      std::minmax_element(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.first < b.first; });
  const auto smallest = static_cast<std::uint64_t>(low->first);
  const std::uint64_t range = static_cast<std::uint64_t>(high->first) - smallest;
  std::vector<Item> sorted(items.size());
  for (int shift = 0; shift < kKeyBits && (range >> shift) != 0; shift += kDigitBits) {
    sortByDigit(items, sorted, smallest, shift);
    items.swap(sorted);
  }
}

}  // namespace orvane
