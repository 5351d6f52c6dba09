// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Fehlerbericht.h"

#include "game/Meldung.h"
#include "ui/Textquelle.h"

#include <QApplication>
#include <QMessageBox>

namespace kalumbo {

namespace {

TFehleranzeige& Umleitung()
{
    static TFehleranzeige Anzeige;
    return Anzeige;
}

void ZeigeMeldungsfenster(const QString& Text)
{
    QMessageBox Fenster(QMessageBox::Critical, QText(Texte::Titel), Text, QMessageBox::Ok,
                        QApplication::activeWindow());
    Fenster.exec();
}

} // namespace

QString Meldungstext(const QString& Meldung)
{
    return QString::fromStdString(Meldungstext(Meldung.toStdString()));
}

void MeldeFehler(const QString& Meldung)
{
    const QString Text = Meldungstext(Meldung);
    if (Umleitung())
        Umleitung()(Text);
    else
        ZeigeMeldungsfenster(Text);
}

TFehleranzeige SetzeFehleranzeige(TFehleranzeige Anzeige)
{
    return std::exchange(Umleitung(), std::move(Anzeige));
}

} // namespace kalumbo
