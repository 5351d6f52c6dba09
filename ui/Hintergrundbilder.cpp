// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Hintergrundbilder.h"

#include "bild/JpegDekoder.h"
#include "texte/Fuellen.h"
#include "texte/Texte.h"

#include <QFile>
#include <QFileInfo>

namespace kalumbo {

bool IstDatei(const QString& Name)
{
    return QFileInfo(Name).isFile();
}

QImage LadeBilddatei(const QString& Name)
{
    return AlsQImage(LiesJpegDatei(QFile::encodeName(Name).toStdString()));
}

QImage DekodiereEingebautesBild(int Nummer)
{
    QFile Datei(QStringLiteral(":/assets/Bild%1.jpg").arg(Nummer));
    if (!Datei.open(QIODevice::ReadOnly))
        throw TBildFehler(Texte::Fuelle(Texte::EingebautesBildFehlt, {std::to_string(Nummer)}));
    const QByteArray Daten = Datei.readAll();
    return AlsQImage(DekodiereJpeg(reinterpret_cast<const std::uint8_t*>(Daten.constData()),
                                   static_cast<std::size_t>(Daten.size())));
}

QImage AlsQImage(const TPixelbild& Pixel)
{
    if (Pixel.Breite <= 0 || Pixel.Hoehe <= 0)
        return QImage();
    const QImage Geliehen(Pixel.Rgb.data(), Pixel.Breite, Pixel.Hoehe, Pixel.Breite * 3, QImage::Format_RGB888);
    return Geliehen.convertToFormat(QImage::Format_RGB32);
}

} // namespace kalumbo
