// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Farbwahl.h"

#include <QColorDialog>
#include <QSettings>

namespace kalumbo {

namespace {

QString Schluessel(int Slot)
{
    return QStringLiteral("Color") + QChar(u'A' + Slot);
}

// What Qt's dialog shows in a slot that holds no colour.
const QColor LeererSlot(Qt::white);

} // namespace

QString TFarbwahl::Eintrag(int Slot, TColor Farbe)
{
    // "$00A0D0FF" without its "$00".
    const QString Hex = QStringLiteral("$%1").arg(Farbe, 8, 16, QLatin1Char('0')).toUpper();
    return Schluessel(Slot) + QLatin1Char('=') + Hex.mid(3, 6);
}

bool TFarbwahl::Execute(QWidget* Eltern)
{
    const std::optional<TWahl> Wahl = Zeige(Eltern, AlsQColor(Color), LiesEigeneFarben());
    if (!Wahl)
        return false;
    Color = AusQColor(Wahl->Farbe);
    SchreibeEigeneFarben(Wahl->Eigene);
    return true;
}

TEigeneFarben TFarbwahl::LiesEigeneFarben() const
{
    TEigeneFarben Eigene;
    for (int Slot = 0; Slot < AnzahlEigeneFarben; ++Slot) {
        const QString Anfang = Schluessel(Slot) + QLatin1Char('=');
        for (const QString& Zeile : CustomColors) {
            bool Zahl = false;
            const TColor Farbe = Zeile.mid(Anfang.size()).toUInt(&Zahl, 16);
            if (Zeile.startsWith(Anfang) && Zahl && Farbe <= 0xFFFFFF)
                Eigene[static_cast<std::size_t>(Slot)] = AlsQColor(Farbe);
        }
    }
    return Eigene;
}

// Replaces the entries of the slots that hold a colour and adds the missing
// ones; an unset slot gets no entry.
void TFarbwahl::SchreibeEigeneFarben(const TEigeneFarben& Eigene)
{
    for (int Slot = 0; Slot < AnzahlEigeneFarben; ++Slot) {
        const std::optional<QColor>& Farbe = Eigene[static_cast<std::size_t>(Slot)];
        if (!Farbe)
            continue;
        const QString Neu = Eintrag(Slot, AusQColor(*Farbe));
        const QString Anfang = Schluessel(Slot) + QLatin1Char('=');
        const auto Alt = std::find_if(CustomColors.begin(), CustomColors.end(),
                                      [&](const QString& Zeile) { return Zeile.startsWith(Anfang); });
        if (Alt != CustomColors.end())
            *Alt = Neu;
        else
            CustomColors.append(Neu);
    }
}

std::optional<TFarbwahl::TWahl> TQtFarbwahl::Zeige(QWidget* Eltern, const QColor& Start,
                                                    const TEigeneFarben& Eigene)
{
    // The slots belong to all of Qt's colour dialogs together.
    for (int Slot = 0; Slot < AnzahlEigeneFarben; ++Slot)
        QColorDialog::setCustomColor(Slot, Eigene[static_cast<std::size_t>(Slot)].value_or(LeererSlot));

    QColorDialog Dialog(Start, Eltern);
    Dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (Dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    TWahl Wahl{Dialog.selectedColor(), {}};
    for (int Slot = 0; Slot < AnzahlEigeneFarben; ++Slot) {
        const QColor Farbe = QColorDialog::customColor(Slot);
        const bool BleibtLeer = !Eigene[static_cast<std::size_t>(Slot)] && Farbe == LeererSlot;
        if (!BleibtLeer)
            Wahl.Eigene[static_cast<std::size_t>(Slot)] = Farbe;
    }
    return Wahl;
}

void HalteEigeneFarbenImSpeicher()
{
    // /dev/null is no directory, so nothing can be created below it: the
    // dialog finds no saved colours and saves none.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null/rechen-kalumbo"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null/rechen-kalumbo"));
}

} // namespace kalumbo
