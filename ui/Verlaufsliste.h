// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace kalumbo {

// The list of solved problems: read-only, one line per problem, cut off at
// its right edge, without scroll bars. The Tab key does not take the focus
// away from it once it has it.
class TVerlaufsliste : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TVerlaufsliste(QWidget* Eltern);

protected:
    bool event(QEvent* Ereignis) override;
};

} // namespace kalumbo
