# Cross-compiles the Windows program with MinGW-w64, for the target that
# cmake/mingw-i686.cmake or cmake/mingw-x86_64.cmake names.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZELTAVOR_MINGW_PROCESSOR})
set(triplet ${ZELTAVOR_MINGW_PROCESSOR}-w64-mingw32)
# GoogleTest needs std::mutex, which comes with POSIX threads: Debian names
# those compilers with -posix, Fedora and Arch build theirs so under the plain
# name. The first folder on PATH that holds either name gives the compiler.
find_program(ZELTAVOR_MINGW_CXX NAMES ${triplet}-g++-posix ${triplet}-g++ NAMES_PER_DIR REQUIRED)
string(REGEX REPLACE "g\\+\\+([^/]*)$" "gcc\\1" ZELTAVOR_MINGW_CC "${ZELTAVOR_MINGW_CXX}")
set(CMAKE_C_COMPILER ${ZELTAVOR_MINGW_CC})
set(CMAKE_CXX_COMPILER ${ZELTAVOR_MINGW_CXX})
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One self-contained executable: no runtime DLLs beyond the system's, and no
# build time in its header, so that two builds give the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
