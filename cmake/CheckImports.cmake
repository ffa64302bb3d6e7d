# Fails when the executable EXE imports one of the libraries in LIBRARIES (a
# ;-list, compared without case) in its import table, as listed by OBJDUMP.
# These libraries serve windows that are rarely opened and are loaded when
# first needed, so that the program idle in the tray does not carry them.
#   cmake -DOBJDUMP=... -DEXE=... "-DLIBRARIES=comdlg32;winmm" -P CheckImports.cmake
execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot read the import table of ${EXE}")
endif()
string(TOLOWER "${dump}" dump)
set(found "")
foreach(library IN LISTS LIBRARIES)
  string(TOLOWER "${library}" library)
  if(dump MATCHES "dll name: ${library}\\.dll")
    list(APPEND found "${library}.dll")
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "${EXE} imports ${found}; these must be loaded when first needed")
endif()
message(STATUS "${EXE} imports none of: ${LIBRARIES}")
