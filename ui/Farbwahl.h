// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Farben.h"

#include <QColor>
#include <QStringList>

#include <array>
#include <optional>

class QWidget;

namespace kalumbo {

// The 16 custom colour slots A to P; an empty slot is unset.
inline constexpr int AnzahlEigeneFarben = 16;
using TEigeneFarben = std::array<std::optional<QColor>, AnzahlEigeneFarben>;

// The colour chooser: a modal dialog that opens with a colour selected and
// offers 16 custom colour slots, which it fills from CustomColors when it
// opens and writes back there when the player confirms.
class TFarbwahl {
public:
    virtual ~TFarbwahl() = default;

    // Before Execute the colour to open with; after a confirmation the chosen one.
    TColor Color = 0;

    // The custom colours as entries "ColorA=A0D0FF": the slot's letter and
    // six upper-case hex digits in the order blue, green, red.
    QStringList CustomColors;

    // Runs the chooser; true when the player confirmed.
    bool Execute(QWidget* Eltern);

    // "ColorA=A0D0FF" for slot 0 and the colour $00A0D0FF.
    static QString Eintrag(int Slot, TColor Farbe);

protected:
    struct TWahl {
        QColor Farbe;
        TEigeneFarben Eigene;
    };

    // Shows the dialog; the chosen colour and slots, or nothing when the
    // player cancels.
    virtual std::optional<TWahl> Zeige(QWidget* Eltern, const QColor& Start, const TEigeneFarben& Eigene) = 0;

private:
    TEigeneFarben LiesEigeneFarben() const;
    void SchreibeEigeneFarben(const TEigeneFarben& Eigene);
};

// The chooser as Qt's own colour dialog (never a desktop's native one,
// which lacks the custom slots).
class TQtFarbwahl final : public TFarbwahl {
protected:
    std::optional<TWahl> Zeige(QWidget* Eltern, const QColor& Start, const TEigeneFarben& Eigene) override;
};

// Qt's colour dialog would keep custom colours in the user's settings
// file and read them back at the next start; this game writes no file and
// starts afresh each time. Call once, before the first dialog.
void HalteEigeneFarbenImSpeicher();

} // namespace kalumbo
