// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "NamedRows.h"
#include "QtTestSupport.h"

namespace {

// Both kinds of box: the title, no icon anywhere, the buttons, modal for the whole program, and the
// keys that answer or close them; 0 stands for the window manager's close. (The whole runs check
// every box's text.)
struct KeysRow {
    const char* what;
    std::vector<int> keys;
    int answer;  // 6 Jah, 7 Ei, 0 for the feedback box with OK only
};
const KeysRow keys[] = {
    {"Return answers Jah", {Qt::Key_Return}, 6},
    {"J answers Jah", {Qt::Key_J}, 6},
    {"E answers Ei", {Qt::Key_E}, 7},
    {"Escape and the close leave a question", {Qt::Key_Escape, 0, Qt::Key_Escape, Qt::Key_J}, 6},
    {"Return closes a feedback box", {Qt::Key_Return}, 0},
    {"Escape closes a feedback box", {Qt::Key_Escape}, 0},
};
class Box : public testing::TestWithParam<KeysRow> {};

TEST_P(Box, AnswersAndClosesOnlyThroughItsButtons) {
    const KeysRow& row = GetParam();
    ShownProgram shown;
    // The longest statement.
    const std::string statement = testdata::readTable("statements.tsv").at(17).at(3);
    QStringList buttons = row.answer ? QStringList{"&Jah", "&Ei"} : QStringList{"OK"};
    ModalDriver driver([&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Torvamik!");
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(box.iconPixmap().isNull());
        EXPECT_EQ(box.defaultButton()->text(), buttons.first());
        for (const QAbstractButton* button : box.buttons()) {
            EXPECT_TRUE(button->icon().isNull());
            EXPECT_TRUE(buttons.removeOne(button->text())) << button->text().toStdString();
        }
        for (const int key : row.keys)
            key ? QTest::keyClick(&box, Qt::Key(key)) : void(box.close());
    });
    if (row.answer) {
        EXPECT_EQ(int(shown.port.askYesNo(statement, "Torvamik!")), row.answer);
    } else {
        shown.port.showMessage("Vastus oli õige!", "Torvamik!");
    }
    EXPECT_TRUE(buttons.isEmpty());
}
INSTANTIATE_TEST_SUITE_P(Qt, Box, testing::ValuesIn(keys), NamedRows());

}  // namespace
