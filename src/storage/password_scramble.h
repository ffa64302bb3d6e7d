#pragma once
// The scrambled form in which the password is stored ("Option"/"pword" of
// "\deskward.ini"), shared by the settings password windows and the
// companion lock program. Passwords are GBK bytes.

#include <string>
#include <string_view>

namespace orvane {

// Each byte XOR-ed with the last decimal digit of the next byte's code (the
// last byte with that of the first); the result keeps the password's length.
std::string scramblePassword(std::string_view password);

// Whether a typed password matches the stored scrambled one: exact,
// case-sensitive comparison of the scrambled entry with the stored text.
bool passwordMatches(std::string_view typed, std::string_view storedScrambled);

}  // namespace orvane
