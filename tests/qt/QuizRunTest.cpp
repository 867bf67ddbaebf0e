// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <QAbstractEventDispatcher>
#include <ctime>

#include "QtTestSupport.h"

namespace {

// The window closed during the first pause, which sleeps instead of spinning and where clicks
// and keys start nothing, ends the quiz with status 0.
TEST(QuizRun, ClosedInAPauseEndsQuietly) {
    ShownProgram run(5.0);  // a pause lasts a second
    run.clickSoon();
    std::clock_t processor = 0;
    int wakeUps = 0;
    ModalDriver driver([&](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Return);
        if (driver.boxes != 10) return;  // the last feedback box of round 1: a pause follows
        driver.stop();                   // its polling would wake the event loop every millisecond
        processor = std::clock();
        QTimer::singleShot(100, &run.window, [&] {
            QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                             &run.window, [&] { ++wakeUps; });
        });
        QTimer::singleShot(200, &run.window, [&] {
            QTest::mouseClick(&run.button, Qt::LeftButton);
            QTest::keyClick(&run.window, Qt::Key_Space);
            QTest::mouseClick(&run.window.pictureArea(), Qt::LeftButton);
        });
        QTimer::singleShot(400, &run.window, [&] {
            processor = std::clock() - processor;
            run.window.close();
        });
    });
    EXPECT_EQ(run.program.run(), 0);
    EXPECT_EQ(driver.boxes, 10);
    // Over 0.4 s of the pause: asleep in the event loop's wait, which in its last 0.3 s wakes a
    // few times for the timers and clicks; polling every 10 ms would wake it 20-30 times.
    EXPECT_LT(processor, CLOCKS_PER_SEC / 10);
    EXPECT_LT(wakeUps, 12);
}

}  // namespace
