// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Startwahl.h"

#include <QStringList>

#include <optional>

namespace kalumbo {

class TForm1;

// What the program's command line asks of the start.
struct TStartoptionen {
    TStartwahl Wahl;         // the items to choose in the window's groups
    std::optional<int> Ende; // the exit status when the program ends before its window
};

// Reads the program's arguments, its own name first and Qt's options
// already taken out ("--zahlen 30 --form A"). "--help" and "--version"
// print their German text on standard output and end the program with 0.
// A wrong option or value is refused in German, on standard error and in
// the game's message box (a start from a menu entry has no terminal), and
// ends the program with 2.
TStartoptionen LiesStartoptionen(const QStringList& Argumente);

// Chooses a start's items in the window's groups; the others keep theirs.
void WaehleStartitems(const TStartwahl& Wahl, TForm1& Form1);

} // namespace kalumbo
