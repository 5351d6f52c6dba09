// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs of the game's window in a process of their own, which some tests
// start through the test program itself:
//
//     fenster_tests --lauf farbwahl setzen|pruefen
//     fenster_tests --lauf bild
//     fenster_tests --lauf deutsch
//     fenster_tests --lauf zugang
//     fenster_tests --lauf start [options of the program]
//
// Each gets the arguments after "--lauf", its own name first, and returns
// the process's exit code.
namespace kalumbo::test {

int FarbwahlLauf(int argc, char** argv);
int BildLauf(int argc, char** argv);
int DeutschLauf(int argc, char** argv);
int ZugangLauf(int argc, char** argv);
int StartLauf(int argc, char** argv);

// Arguments that start a run, for QProcess.
inline constexpr const char* LaufSchalter = "--lauf";

} // namespace kalumbo::test
