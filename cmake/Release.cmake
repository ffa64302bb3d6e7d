# Release options of the Windows builds, in one place so that every Windows
# build (64-bit and 32-bit) gets the same: the code is optimised (-O2) and
# carries full debug information, which orvane_ship_executable() then splits
# off into "<name>.exe.debug" beside the stripped executable. The Windows tests
# are compiled with the same options, so they run the code that ships.
#
# The native build keeps its own options (sanitizers for the tests; a Release
# tree without them for the benchmarks, see scripts/bench.sh).
if(NOT WIN32)
  return()
endif()

add_compile_options(-O2 -g)

# Strips the executable of `target` after each link and keeps its debug
# information beside it, linked by name (.gnu_debuglink) so that a debugger
# given the crashed executable finds it.
function(orvane_ship_executable target)
  set(exe "$<TARGET_FILE:${target}>")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_OBJCOPY}" --only-keep-debug "${exe}" "${exe}.debug"
    COMMAND "${CMAKE_OBJCOPY}" --strip-all "${exe}"
    COMMAND "${CMAKE_OBJCOPY}" "--add-gnu-debuglink=${exe}.debug" "${exe}"
    VERBATIM)
endfunction()

# The libraries that orvane.exe loads when first needed and must not import
# (the test lazy_imports of the Windows tree checks its import table).
set(ORVANE_LAZY_LIBRARIES comdlg32 winmm ws2_32 rasapi32 comctl32)
