#include <QElapsedTimer>
#include <QPushButton>
#include <ctime>

#include "QtProgram.h"
#include "QtTestSupport.h"
#include "QuizRun.h"
#include "ScriptedPort.h"

namespace {

// The program with its pictures, on a clock this many times fast; its button is clicked as soon
// as the event loop runs.
struct ClickedProgram {
    explicit ClickedProgram(double clockSpeed, const QStringList& missing = {})
        : folder(missing), program(torvamikProgram(), SteadyClock(clockSpeed)) {
        QTimer::singleShot(0, &window, [this] { QTest::mouseClick(&button, Qt::LeftButton); });
    }
    PictureFolder folder;
    QtProgram program;
    MainWindow& window = program.window();
    QPushButton& button = window.button();
};

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
    ClickedProgram run(100.0);
    QStringList sights;
    std::size_t question = 0;
    ModalDriver driver([&](QMessageBox& box) {
        sights << box.text() + " | " + pictureOn(run.window) + " | " + run.button.text();
        EXPECT_FALSE(run.button.isEnabled());
        const bool ei = box.buttons().size() == 2 && answers.at(question++) == 'E';
        QTest::keyClick(&box, ei ? Qt::Key_E : Qt::Key_Return);
    });
    EXPECT_EQ(run.program.run(), 0);
    EXPECT_EQ(sights, expectedSights(answers));
    EXPECT_EQ(run.button.text(), "Oota pisut...");
    EXPECT_EQ(pictureOn(run.window), "4.jpg");
}

// Clicks and keys during a pause start nothing; closing the window then ends the program at once.
TEST(QuizRun, ClosingDuringAPauseEndsWithStatusZero) {
    ClickedProgram run(5.0);  // a pause lasts a second
    QString captionInPause;
    ModalDriver driver([&](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Return);
        if (driver.boxes < 10) return;  // the last feedback box of round 1: the pause follows
        QTimer::singleShot(200, &run.window, [&] {
            captionInPause = run.button.text();
            QTest::mouseClick(&run.button, Qt::LeftButton);
            QTest::keyClick(&run.window, Qt::Key_Space);
            QTest::mouseClick(&run.window.pictureArea(), Qt::LeftButton);
        });
        QTimer::singleShot(400, &run.window, [&] { run.window.close(); });
    });
    EXPECT_EQ(run.program.run(), 0);
    EXPECT_EQ(driver.boxes, 10);
    EXPECT_EQ(captionInPause, "Oota pisut...");
}

TEST(QuizRun, MissingPictureEndsWithAnErrorBoxAndStatusOne) {
    ClickedProgram run(100.0, {"4õv.jpg"});
    QStringList texts;
    ModalDriver driver([&](QMessageBox& box) {
        texts << box.text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(run.program.run(), 1);
    // Question, feedback, question, feedback: the second right answer needs "4õv.jpg".
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts.last(), "Run-time error '53':\n\nFile not found\n\n4õv.jpg");
    EXPECT_EQ(pictureOn(run.window), "5õv.jpg");
}

TEST(EventPump, SleepsThroughAWaitInsteadOfSpinning) {
    ShownWindow shown;
    const std::clock_t processorBefore = std::clock();
    QElapsedTimer wall;
    wall.start();
    const double start = shown.port.clockSeconds();
    while (shown.port.clockSeconds() - start < 1.0)
        shown.port.pumpEvents(1.0 - (shown.port.clockSeconds() - start));
    EXPECT_GE(wall.elapsed(), 1000);
    EXPECT_LT(double(std::clock() - processorBefore) / CLOCKS_PER_SEC, 0.1);
}

}  // namespace
