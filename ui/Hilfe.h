#pragma once

#include <QFrame>

namespace kalumbo {

// The help panel over the board: how the game goes, with an example pair.
class THilfe : public QFrame {
    Q_OBJECT

public:
    explicit THilfe(QWidget* Eltern);
};

} // namespace kalumbo
