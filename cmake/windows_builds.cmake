# The Windows program, cross-builds of this same tree as part of the Linux
# build: for 32-bit Windows (i686, the product) and for 64-bit Windows
# (x86_64). Their tests run under Wine.
include(ExternalProject)

set(ZELTAVOR_WINDOWS_TARGETS i686 x86_64)
foreach(processor IN LISTS ZELTAVOR_WINDOWS_TARGETS)
  # As the toolchain file looks for it (cmake/mingw.cmake), which is then told.
  find_program(mingw_${processor} NAMES ${processor}-w64-mingw32-g++-posix ${processor}-w64-mingw32-g++ NAMES_PER_DIR)
  if(NOT mingw_${processor})
    message(FATAL_ERROR "${processor}-w64-mingw32-g++ is missing: scripts/install-deps windows installs MinGW-w64, "
                        "or configure with -DZELTAVOR_WINDOWS=OFF")
  endif()
  set(ZELTAVOR_WINDOWS_BUILD_${processor} ${CMAKE_BINARY_DIR}/windows-${processor})
  ExternalProject_Add(windows_${processor}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${ZELTAVOR_WINDOWS_BUILD_${processor}}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-${processor}.cmake
      -DZELTAVOR_MINGW_CXX=${mingw_${processor}}
      -DCMAKE_BUILD_TYPE=Release
      -DBUILD_TESTING=${BUILD_TESTING}
      -DZELTAVOR_PICTURE_DIR=${ZELTAVOR_PICTURE_DIR}
    CMAKE_GENERATOR Ninja
    # Ninja inside decides what is out of date.
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    DEPENDS zeltavor_pictures
    USES_TERMINAL_BUILD ON)
endforeach()
