# This tree once more, built by clang with the sanitizers and the fuzzer; its
# whole test suite runs as one test of this build.
include(ExternalProject)

find_program(clangxx clang++)
if(NOT clangxx)
  message(FATAL_ERROR "clang++ is missing: scripts/install-deps installs it, or configure with -DZELTAVOR_CHECKS=OFF")
endif()
ExternalProject_Add(sanitized
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/sanitized
  CMAKE_ARGS
    -DCMAKE_C_COMPILER=clang
    -DCMAKE_CXX_COMPILER=clang++
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DZELTAVOR_SANITIZE=ON
  CMAKE_GENERATOR Ninja
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON)

if(BUILD_TESTING)
  add_test(NAME sanitized.all_tests
    COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${CMAKE_BINARY_DIR}/sanitized --output-on-failure)
  set_tests_properties(sanitized.all_tests PROPERTIES TIMEOUT 1800 ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
endif()
