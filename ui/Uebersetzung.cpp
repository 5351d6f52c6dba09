// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Uebersetzung.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace kalumbo {

bool LadeQtsDeutsch(QTranslator& Uebersetzer)
{
    // One file, found at the first try ("qtbase_de.qm" in Qt's folder of
    // translations): the game is German, so there is no language to look
    // for, and the catalogue of Qt's widgets holds all Qt shows on screen.
    return Uebersetzer.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kalumbo
