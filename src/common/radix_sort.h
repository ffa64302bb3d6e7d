#pragma once
// Sorting of (key, value) pairs by key in linear time, for lists that are
// rebuilt often: a least-significant-digit radix sort, a byte of the key per
// pass, over only the bits in which the keys differ from the smallest.

#include <cstdint>
#include <utility>
#include <vector>

namespace orvane {

// Sorts the items by key; items of equal keys keep their order (stable), so
// items appended in order of value come out in order of key, then value.
void stableSortByKey(std::vector<std::pair<std::int64_t, int>>& items);

}  // namespace orvane
