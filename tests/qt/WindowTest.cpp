// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QtTestSupport.h"

namespace {

// The window as the player first sees it. (This file also holds the tests' main.)
TEST(Window, FollowsItsDescriptionAndGivesTheButtonTheFocus) {
    ShownProgram shown;
    const MainWindow& window = shown.window;
    const QPushButton& button = shown.button;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window));
    EXPECT_EQ(window.windowTitle(), "Torvamik!");
    EXPECT_EQ(window.size(), QSize(504, 448));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    // The icon has the pixels of the files installed in the icon theme, at each of their sizes.
    const QIcon icon = window.windowIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
    for (const int size : {16, 32, 48}) {
        const QImage installed(
            QStringLiteral(TORVAMIK_ICON_DIR "/ee.torvamik.Torvamik-%1.png").arg(size));
        EXPECT_EQ(icon.pixmap(QSize(size, size), 1.0)
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  installed.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << size;
    }
    const struct {
        const QWidget* control;
        QRect rect;
    } rows[] = {{&window.button(), {8, 8, 489, 49}}, {&window.pictureArea(), {8, 64, 488, 376}}};
    for (const auto& row : rows) EXPECT_EQ(row.control->geometry(), row.rect);
    EXPECT_EQ(button.text(), "Alusta mängu.");
    EXPECT_TRUE(button.isEnabled());
    EXPECT_FALSE(button.isDefault() || button.autoDefault());
    const QFont font = button.font();
    EXPECT_EQ(font.pixelSize(), 23);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    // Whatever face stands in for the declared one must have the Estonian letters.
    for (const QChar letter : QStringLiteral("äõöüÕ"))
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(letter.unicode())) << int(letter.unicode());

    // The button is the only control that takes the focus.
    EXPECT_EQ(QApplication::focusWidget(), &button);
    QTest::keyClick(&shown.window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button);
    EXPECT_EQ(window.pictureArea().focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(window.pictureArea().picture().isNull());
}

}  // namespace

int main(int argc, char* argv[]) {
    // Widget tests need no display; the offscreen platform behaves the same everywhere.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
