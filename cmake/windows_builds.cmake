# Cross-builds of this same tree for Windows, as parts of the Linux build, so
# that one build and one test run cover both platforms.
include(ExternalProject)

foreach(arch i686 x86_64)
  find_program(mingw_${arch} ${arch}-w64-mingw32-g++-posix)
  if(NOT mingw_${arch})
    message(FATAL_ERROR "${arch}-w64-mingw32-g++ is missing: scripts/install-deps installs MinGW-w64, "
                        "or configure with -DZELTAVOR_WINDOWS=OFF")
  endif()
  ExternalProject_Add(windows_${arch}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/windows-${arch}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-${arch}.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DZELTAVOR_PICTURE_DIR=${ZELTAVOR_PICTURE_DIR}
    CMAKE_GENERATOR Ninja
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    DEPENDS zeltavor_pictures
    USES_TERMINAL_BUILD ON)
endforeach()
