// SPDX-License-Identifier: GPL-3.0-or-later
// The stock glyphs of the buttons come from the platform's icon theme
// where it names one. Where it names none (the offscreen platform of these
// tests), or only "hicolor", the fallback of all themes, the game shows
// its own glyphs and searches no folders.
#include "ui/Glyphen.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace kalumbo::test {
namespace {

// Two icon themes in a folder of their own, each with the OK glyph in
// magenta; the theme settings are put back after the test.
class Symbolthema : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ordner.isValid());
        for (const QString Name : {"Probethema", "hicolor"}) {
            const QString Pfad = Ordner.path() + QLatin1Char('/') + Name;
            ASSERT_TRUE(QDir().mkpath(Pfad + QStringLiteral("/16x16/actions")));
            QFile Index(Pfad + QStringLiteral("/index.theme"));
            ASSERT_TRUE(Index.open(QIODevice::WriteOnly));
            Index.write("[Icon Theme]\nName=" + Name.toUtf8() +
                        "\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
            QImage Glyphe(16, 16, QImage::Format_ARGB32);
            Glyphe.fill(Magenta);
            ASSERT_TRUE(Glyphe.save(Pfad + QStringLiteral("/16x16/actions/dialog-ok.png")));
        }
        QIcon::setThemeSearchPaths({Ordner.path()});
    }

    void TearDown() override
    {
        QIcon::setThemeName(Thema);
        QIcon::setThemeSearchPaths(Suchpfade);
    }

    QImage Ok() const { return Standardglyphe(&Control, QStyle::SP_DialogOkButton).pixmap(16, 16).toImage(); }

    const QRgb Magenta = qRgb(255, 0, 255);
    QWidget Control;

private:
    const QString Thema = QIcon::themeName();
    const QStringList Suchpfade = QIcon::themeSearchPaths();
    QTemporaryDir Ordner;
};

TEST_F(Symbolthema, GlypheAusDemThemaDerPlattformSonstDieEigene)
{
    ASSERT_TRUE(QIcon::themeName().isEmpty()) << "the offscreen platform names no theme";
    const QImage Eigene = Ok();
    ASSERT_EQ(Eigene.size(), QSize(16, 16));
    EXPECT_NE(Eigene.pixel(8, 8), Magenta);

    QIcon::setThemeName(QStringLiteral("Probethema"));
    EXPECT_EQ(Ok().pixel(8, 8), Magenta);

    QIcon::setThemeName(QStringLiteral("hicolor"));
    EXPECT_TRUE(Ok() == Eigene) << "with only the fallback theme the game shows its own glyph";
}

} // namespace
} // namespace kalumbo::test
