// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons show the game's own glyphs, the pictures the page shows
// too, whatever icon theme the platform names: the game searches no
// theme's folders for them.
#include "ui/Glyphen.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kalumbo::test {
namespace {

// An icon theme in a folder of its own with the OK glyph in magenta; the
// theme settings are put back after the test.
class Symbolthema : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ordner.isValid());
        const QString Pfad = Ordner.path() + QStringLiteral("/Probethema");
        ASSERT_TRUE(QDir().mkpath(Pfad + QStringLiteral("/16x16/actions")));
        QFile Index(Pfad + QStringLiteral("/index.theme"));
        ASSERT_TRUE(Index.open(QIODevice::WriteOnly));
        Index.write("[Icon Theme]\nName=Probethema\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
        QImage Glyphe(16, 16, QImage::Format_ARGB32);
        Glyphe.fill(Magenta);
        ASSERT_TRUE(Glyphe.save(Pfad + QStringLiteral("/16x16/actions/dialog-ok.png")));
        QIcon::setThemeSearchPaths({Ordner.path()});
    }

    void TearDown() override
    {
        QIcon::setThemeName(Thema);
        QIcon::setThemeSearchPaths(Suchpfade);
    }

    static QImage Haken() { return Glyphe(Lage::TGlyphe::Haken).pixmap(16, 16).toImage(); }

    const QRgb Magenta = qRgb(255, 0, 255);

private:
    const QString Thema = QIcon::themeName();
    const QStringList Suchpfade = QIcon::themeSearchPaths();
    QTemporaryDir Ordner;
};

TEST_F(Symbolthema, ImmerDieEigeneGlyphe)
{
    const QImage Ohne = Haken();
    ASSERT_EQ(Ohne.size(), QSize(16, 16));
    QIcon::setThemeName(QStringLiteral("Probethema"));
    ASSERT_FALSE(QIcon::fromTheme(QStringLiteral("dialog-ok")).isNull()) << "the theme is found";
    const QImage Mit = Haken();
    EXPECT_NE(Mit.pixel(8, 8), Magenta);
    EXPECT_TRUE(Mit == Ohne) << "a theme changes no glyph";
}

} // namespace
} // namespace kalumbo::test
