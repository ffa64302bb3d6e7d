# The help file "help.chm" of the Windows builds, compiled with chmcmd from the
# pages in resources/help/ (GBK, as the program's other files) and put beside
# orvane.exe. chmcmd writes its output next to the project file, so the pages
# are copied into the build tree first.
if(NOT WIN32)
  return()
endif()

find_program(ORVANE_CHMCMD chmcmd REQUIRED)
set(ORVANE_HELP_SOURCE "${PROJECT_SOURCE_DIR}/resources/help")
set(ORVANE_HELP_FILE "${CMAKE_BINARY_DIR}/src/help.chm")
set(help_work "${CMAKE_BINARY_DIR}/help")
file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS "${ORVANE_HELP_SOURCE}/*")
add_custom_command(
  OUTPUT "${ORVANE_HELP_FILE}"
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${help_work}"
  COMMAND "${CMAKE_COMMAND}" -E copy_directory "${ORVANE_HELP_SOURCE}" "${help_work}"
  COMMAND "${CMAKE_COMMAND}" -E chdir "${help_work}" "${ORVANE_CHMCMD}" --verbosity 0 help.hhp
  COMMAND "${CMAKE_COMMAND}" -E copy "${help_work}/help.chm" "${ORVANE_HELP_FILE}"
  DEPENDS ${help_sources}
  COMMENT "Compiling help.chm"
  VERBATIM)
add_custom_target(help_chm ALL DEPENDS "${ORVANE_HELP_FILE}")
