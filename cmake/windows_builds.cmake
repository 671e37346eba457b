# The Windows program, a cross-build of this same tree for 32-bit Windows
# (the product), as part of the Linux build; its tests run under Wine.
include(ExternalProject)

find_program(mingw_i686 i686-w64-mingw32-g++-posix)
if(NOT mingw_i686)
  message(FATAL_ERROR "i686-w64-mingw32-g++ is missing: scripts/install-deps windows installs MinGW-w64, "
                      "or configure with -DZELTAVOR_WINDOWS=OFF")
endif()
set(ZELTAVOR_WINDOWS_BUILD ${CMAKE_BINARY_DIR}/windows-i686)
ExternalProject_Add(windows_i686
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${ZELTAVOR_WINDOWS_BUILD}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_TESTING=${BUILD_TESTING}
    -DZELTAVOR_PICTURE_DIR=${ZELTAVOR_PICTURE_DIR}
  CMAKE_GENERATOR Ninja
  # Ninja inside decides what is out of date.
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS zeltavor_pictures
  USES_TERMINAL_BUILD ON)
