# Cross build for 32-bit Windows (i686). This build alone carries the direct
# port instructions of Windows 9x/ME.
set(ORVANE_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/ToolchainMinGW.cmake)
