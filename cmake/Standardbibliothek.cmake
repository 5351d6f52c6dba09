# SPDX-License-Identifier: GPL-3.0-or-later
# Which C++ standard library the build compiles against. Debian's prebuilt
# GoogleTest and benchmark libraries are made for libstdc++ and cannot be
# linked into a build against libc++ or into WebAssembly.
include(CheckCXXSourceCompiles)

check_cxx_source_compiles("
#include <version>
#if !defined(__GLIBCXX__)
#error not libstdc++
#endif
int main() { return 0; }" KALUMBO_MIT_LIBSTDCXX)
