// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTranslator;

namespace kalumbo {

// Qt's own texts in German, whatever language the system speaks: the
// colour chooser, the context menus of the text boxes with their shortcut
// names ("Strg+Z"), the buttons of the message box. Loads the German
// catalogue that comes with Qt into the given translator; false when Qt
// has none, and Qt's texts stay English.
bool LadeQtsDeutsch(QTranslator& Uebersetzer);

} // namespace kalumbo
