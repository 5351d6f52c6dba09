// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Verlaufsliste.h"

#include "ui/Textquelle.h"

#include <QKeyEvent>

namespace kalumbo {

TVerlaufsliste::TVerlaufsliste(QWidget* Eltern) : QPlainTextEdit(Eltern)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(QText(Texte::VerlaufName));
}

bool TVerlaufsliste::event(QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::KeyPress) {
        const auto* Taste = static_cast<QKeyEvent*>(Ereignis);
        if (Taste->key() == Qt::Key_Tab || Taste->key() == Qt::Key_Backtab) {
            Ereignis->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(Ereignis);
}

} // namespace kalumbo
