#include <QLabel>
#include <QPushButton>

#include "QtTestSupport.h"

namespace {

// What every box of the quiz has: the title, the text, no icon anywhere, these buttons, and modal
// for the whole program.
void expectQuizBox(const QMessageBox& box, const QString& text, QStringList buttons) {
    EXPECT_EQ(box.windowTitle(), "Torvamik!");
    EXPECT_EQ(box.text(), text);
    EXPECT_TRUE(box.iconPixmap().isNull());
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    for (const QAbstractButton* button : box.buttons()) {
        EXPECT_TRUE(button->icon().isNull());
        EXPECT_TRUE(buttons.removeOne(button->text())) << button->text().toStdString();
    }
    EXPECT_TRUE(buttons.isEmpty());
}

// Presses keys on a box: R Return, J, E, X Escape, C the window manager's close.
void press(QMessageBox& box, QChar key) {
    if (key == 'C') box.close();
    const std::map<QChar, Qt::Key> keys{
        {'R', Qt::Key_Return}, {'J', Qt::Key_J}, {'E', Qt::Key_E}, {'X', Qt::Key_Escape}};
    if (key != 'C') QTest::keyClick(&box, keys.at(key));
}

TEST(Box, QuestionBoxIsAnsweredByJahOrEiOnly) {
    ShownWindow shown;
    const std::string statement = testdata::statements().at(17).text;  // the longest one
    const QString text = QString::fromStdString(statement);
    const struct {
        QString keys;
        Answer answer;
    } rows[] = {{"R", AnswerYes}, {"J", AnswerYes}, {"E", AnswerNo}, {"XCXE", AnswerNo}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys.toStdString());
        ModalDriver driver([&](QMessageBox& box) {
            expectQuizBox(box, text, {"&Jah", "&Ei"});
            EXPECT_EQ(box.defaultButton()->text(), "&Jah");
            const QList<QLabel*> labels = box.findChildren<QLabel*>();
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
                return label->text() == text && label->wordWrap();  // shown whole, wrapped
            }));
            for (const QChar key : row.keys) {
                EXPECT_TRUE(box.isVisible()) << "closed before " << key.toLatin1();
                press(box, key);
            }
        });
        EXPECT_EQ(shown.port.askYesNo(statement, "Torvamik!"), row.answer);
    }
}

TEST(Box, FeedbackBoxClosesByReturnOrEscape) {
    ShownWindow shown;
    for (const QChar key : {'R', 'X'}) {
        ModalDriver driver([&](QMessageBox& box) {
            expectQuizBox(box, "Vastus oli õige!", {"OK"});
            press(box, key);
            if (!box.isVisible()) return;
            ADD_FAILURE() << "still open after " << key.toLatin1();
            box.done(0);
        });
        shown.port.showMessage("Vastus oli õige!", "Torvamik!");
        EXPECT_EQ(driver.boxes, 1);
    }
}

}  // namespace
