# libjpeg: Debian's libjpeg-dev natively; in the cross build a static
# libjpeg-turbo (no SIMD) compiled from Debian's source package.
# Both give the target orvane::jpeg.
if(NOT WIN32)
  find_package(JPEG REQUIRED)
  add_library(orvane_jpeg INTERFACE)
  target_link_libraries(orvane_jpeg INTERFACE JPEG::JPEG)
  add_library(orvane::jpeg ALIAS orvane_jpeg)
  return()
endif()

# The source lies unpacked in third_party/ (scripts/fetch-libjpeg.sh puts it
# there), so the build itself needs no network. It is built as its own CMake
# project with the same toolchain, only the static library, and its four public
# headers and the library are copied into one prefix inside the build tree.
set(ORVANE_LIBJPEG_SOURCE "${PROJECT_SOURCE_DIR}/third_party/libjpeg-turbo"
    CACHE PATH "Unpacked libjpeg-turbo source for the cross build")
if(NOT EXISTS "${ORVANE_LIBJPEG_SOURCE}/CMakeLists.txt")
  message(FATAL_ERROR "libjpeg-turbo source not found in ${ORVANE_LIBJPEG_SOURCE}; "
                      "run scripts/fetch-libjpeg.sh (scripts/build.sh does it)")
endif()

include(ExternalProject)
set(jpeg_build "${CMAKE_CURRENT_BINARY_DIR}/libjpeg-turbo")
set(jpeg_prefix "${jpeg_build}/prefix")
set(jpeg_library "${jpeg_prefix}/lib/libjpeg.a")
ExternalProject_Add(libjpeg_turbo
  SOURCE_DIR "${ORVANE_LIBJPEG_SOURCE}"
  BINARY_DIR "${jpeg_build}/build"
  PREFIX "${jpeg_build}"
  CMAKE_ARGS
    "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}"
    -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_INSTALL_PREFIX=${jpeg_prefix}"
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_SIMD=OFF
    -DWITH_TURBOJPEG=OFF
    -DWITH_JAVA=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND
    ${CMAKE_COMMAND} -E make_directory "${jpeg_prefix}/include" "${jpeg_prefix}/lib"
    COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h
            <BINARY_DIR>/jconfig.h "${jpeg_prefix}/include"
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a "${jpeg_prefix}/lib"
  BUILD_BYPRODUCTS "${jpeg_library}"
  UPDATE_COMMAND ""
  DOWNLOAD_COMMAND "")

# The include directory must exist when the imported target is defined.
file(MAKE_DIRECTORY "${jpeg_prefix}/include")
add_library(orvane_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(orvane_jpeg PROPERTIES
  IMPORTED_LOCATION "${jpeg_library}"
  INTERFACE_INCLUDE_DIRECTORIES "${jpeg_prefix}/include")
add_dependencies(orvane_jpeg libjpeg_turbo)
add_library(orvane::jpeg ALIAS orvane_jpeg)
