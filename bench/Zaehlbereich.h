// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Under valgrind --tool=callgrind --collect-atstart=no only what happens
// while a TZaehlbereich lives is counted, so a profile shows the measured
// part of a benchmark and nothing of its setting up. Elsewhere it costs a
// few instructions and counts nothing.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define KALUMBO_ZAEHLEN_UMSCHALTEN() CALLGRIND_TOGGLE_COLLECT
#else
#define KALUMBO_ZAEHLEN_UMSCHALTEN() ((void)0)
#endif

namespace kalumbo::messung {

class TZaehlbereich {
public:
    TZaehlbereich() { KALUMBO_ZAEHLEN_UMSCHALTEN(); }
    ~TZaehlbereich() { KALUMBO_ZAEHLEN_UMSCHALTEN(); }
    TZaehlbereich(const TZaehlbereich&) = delete;
    TZaehlbereich& operator=(const TZaehlbereich&) = delete;
};

} // namespace kalumbo::messung
