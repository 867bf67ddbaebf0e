#include <QFontInfo>
#include <QPushButton>

#include "QtProgram.h"
#include "QtTestSupport.h"

namespace {

// The window as the player first sees it.
TEST(Window, FollowsItsDescriptionAndGivesTheButtonTheFocus) {
    QtProgram program(torvamikProgram());
    MainWindow& window = program.window();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.windowTitle(), "Torvamik!");
    EXPECT_EQ(window.size(), QSize(504, 448));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const struct {
        QWidget* control;
        QRect rect;
    } rows[] = {{&window.button(), {8, 8, 489, 49}}, {&window.pictureArea(), {8, 64, 488, 376}}};
    for (const auto& row : rows) EXPECT_EQ(row.control->geometry(), row.rect);

    QPushButton& button = window.button();
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
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button);
    EXPECT_EQ(window.pictureArea().focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(window.pictureArea().picture().isNull());
}

TEST(Window, ClosedWhileIdleEndsTheProgramWithStatusZero) {
    QtProgram program(torvamikProgram());
    QTimer::singleShot(100, &program.window(), [&program] { program.window().close(); });
    EXPECT_EQ(program.run(), 0);
}

}  // namespace
