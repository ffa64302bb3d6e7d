# Writes the bytes of a binary file as a C++ array into a header:
#   cmake -DINPUT=file -DOUTPUT=header.h -DNAME=kName -P EmbedBytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(source "${INPUT}" NAME)
file(WRITE "${OUTPUT}" "#pragma once
// Generated from ${source} by cmake/EmbedBytes.cmake.

#include <array>
#include <cstdint>

inline constexpr std::array<std::uint8_t, ${size}> ${NAME}{{
    ${bytes}
}};
")
