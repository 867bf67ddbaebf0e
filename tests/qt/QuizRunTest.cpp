#include <ctime>

#include "QtTestSupport.h"
#include "QuizRun.h"
#include "ScriptedPort.h"

namespace {

// What the player sees as each box of a whole run opens: its text, the picture behind it and the
// button's caption, taken from the calls the quiz makes on a scripted port.
QStringList expectedSights(const std::string& answers) {
    ScriptedPort script(answers);
    EXPECT_THROW(QuizRun(script).run(), ScriptedEnd);
    QStringList sights;
    QString picture, caption;
    for (const std::string& call : script.calls) {
        const QString kind = QString::fromStdString(call).section(' ', 0, 0);
        const QString argument = QString::fromStdString(call).section(' ', 1);
        if (kind == "picture") picture = argument;
        if (kind == "caption") caption = argument;
        if (kind == "ask" || kind == "message")
            sights << argument.section(": ", 1) + " | " + picture + " | " + caption;
    }
    return sights;
}

TEST(QuizRun, WholeRunShowsEveryBoxWithThePictureBehindIt) {
    const std::string answers = "EJJEJJEJJEJJJEEEEJJJ";
    ShownProgram run(100.0);
    run.clickSoon();
    QStringList sights;
    std::size_t question = 0;
    ModalDriver driver([&](QMessageBox& box) {
        sights << box.text() + " | " + run.picture() + " | " + run.button.text();
        EXPECT_FALSE(run.button.isEnabled());
        const bool ei = box.buttons().size() == 2 && answers.at(question++) == 'E';
        QTest::keyClick(&box, ei ? Qt::Key_E : Qt::Key_Return);
    });
    EXPECT_EQ(run.program.run(), 0);
    EXPECT_EQ(sights, expectedSights(answers));
    EXPECT_EQ(run.button.text(), "Oota pisut...");
    EXPECT_EQ(run.picture(), "4.jpg");
}

// Clicks and keys during a pause start nothing; closing the window then ends the program at once.
TEST(QuizRun, ClosingDuringAPauseEndsWithStatusZero) {
    ShownProgram run(5.0);  // a pause lasts a second
    run.clickSoon();
    ModalDriver driver([&](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Return);
        if (driver.boxes < 10) return;  // the last feedback box of round 1: the pause follows
        QTimer::singleShot(200, &run.window, [&] {
            QTest::mouseClick(&run.button, Qt::LeftButton);
            QTest::keyClick(&run.window, Qt::Key_Space);
            QTest::mouseClick(&run.window.pictureArea(), Qt::LeftButton);
        });
        QTimer::singleShot(400, &run.window, [&] { run.window.close(); });
    });
    EXPECT_EQ(run.program.run(), 0);
    EXPECT_EQ(driver.boxes, 10);
}

TEST(QuizRun, MissingPictureEndsWithAnErrorBoxAndStatusOne) {
    ShownProgram run(100.0, {"4õv.jpg"});
    run.clickSoon();
    QStringList texts;
    ModalDriver driver([&](QMessageBox& box) {
        texts << box.text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(run.program.run(), 1);
    // Question, feedback, question, feedback: the second right answer needs "4õv.jpg".
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts.last(), "Run-time error '53':\n\nFile not found\n\n4õv.jpg");
}

TEST(EventPump, SleepsThroughAWaitInsteadOfSpinning) {
    ShownProgram shown;
    const std::clock_t processorBefore = std::clock();
    const double start = shown.port.clockSeconds();
    while (shown.port.clockSeconds() - start < 1.0)
        shown.port.pumpEvents(1.0 - (shown.port.clockSeconds() - start));
    EXPECT_LT(double(std::clock() - processorBefore) / CLOCKS_PER_SEC, 0.1);
}

}  // namespace
