# SPDX-License-Identifier: GPL-3.0-or-later
# GoogleTest for the test programs. Debian's prebuilt library is compiled
# against libstdc++; a build against another standard library (clang with
# libc++, or the WebAssembly build) compiles GoogleTest from Debian's
# sources in /usr/src/googletest together with the tests instead.
if(KALUMBO_MIT_LIBSTDCXX AND NOT EMSCRIPTEN)
  find_package(GTest REQUIRED)
  return()
endif()

set(KALUMBO_GOOGLETEST_QUELLEN /usr/src/googletest CACHE PATH
  "GoogleTest sources, for builds against another standard library than libstdc++")
if(NOT EXISTS ${KALUMBO_GOOGLETEST_QUELLEN}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${KALUMBO_GOOGLETEST_QUELLEN} "
    "(Debian package googletest)")
endif()
message(STATUS "GoogleTest from ${KALUMBO_GOOGLETEST_QUELLEN}: not compiling against libstdc++")

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
if(EMSCRIPTEN)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
add_subdirectory(${KALUMBO_GOOGLETEST_QUELLEN} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own build names its libraries GTest::gtest and GTest::gtest_main.
