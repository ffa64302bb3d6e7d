# Cross build for Windows with MinGW-w64 (posix threads, so that std::thread
# and std::mutex work). CTest runs the executables under Wine.
# 64-bit (x86_64) unless a toolchain file for another processor set
# ORVANE_MINGW_PROCESSOR before including this one (ToolchainMinGW32.cmake).
if(NOT ORVANE_MINGW_PROCESSOR)
  set(ORVANE_MINGW_PROCESSOR x86_64)
endif()
set(triple ${ORVANE_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ORVANE_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
