#include <sys/resource.h>

#include <QElapsedTimer>
#include <QtTest>

#include "Form1.h"
#include "MainWindow.h"
#include "QtUiPort.h"
#include "QuietOffscreen.h"

namespace {

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

// The event pump sleeps in the event loop: it wakes for an event or at the end of its wait.
// The bounds here are loose on purpose; the precise figures are in the benchmarks.
class EventPumpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void init() {
        window_ = std::make_unique<MainWindow>(torvamikProgram());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QCoreApplication::processEvents();
    }
    void cleanup() { window_.reset(); }

    void returnsWhenAnEventArrives() {
        QtUiPort port(*window_, SteadyClock());
        bool delivered = false;
        QTimer::singleShot(50, window_.get(), [&delivered] { delivered = true; });
        QElapsedTimer wall;
        wall.start();
        while (!delivered && wall.elapsed() < 5000) port.pumpEvents(30.0);
        QVERIFY(delivered);
        QVERIFY2(wall.elapsed() < 5000, "the pump slept through the event");
    }

    void returnsWhenItsWaitEnds() {
        QtUiPort port(*window_, SteadyClock());
        QElapsedTimer wall;
        wall.start();
        const double start = port.clockSeconds();
        int pumps = 0;
        while (port.clockSeconds() - start < 0.3 && wall.elapsed() < 3000) {
            port.pumpEvents(0.3 - (port.clockSeconds() - start));
            ++pumps;
        }
        QVERIFY(wall.elapsed() < 3000);
        QVERIFY2(pumps < 30, qPrintable(QStringLiteral("%1 passes for one wait").arg(pumps)));
    }

    void waitsOnTheInjectedClock() {
        QtUiPort port(*window_, SteadyClock(1000.0));
        QElapsedTimer wall;
        wall.start();
        const double before = port.clockSeconds();
        while (port.clockSeconds() - before < 5.0)
            port.pumpEvents(5.0 - (port.clockSeconds() - before));
        QVERIFY2(wall.elapsed() < 2000, "five seconds of a thousandfold clock took too long");
    }

    void sleepsInsteadOfSpinning() {
        QtUiPort port(*window_, SteadyClock());
        const double processorBefore = processorSeconds();
        QElapsedTimer wall;
        wall.start();
        const double start = port.clockSeconds();
        while (port.clockSeconds() - start < 1.0)
            port.pumpEvents(1.0 - (port.clockSeconds() - start));
        const double wallSeconds = wall.elapsed() / 1000.0;
        const double used = processorSeconds() - processorBefore;
        QVERIFY(wallSeconds >= 1.0);
        QVERIFY2(
            used < 0.25 * wallSeconds,
            qPrintable(
                QStringLiteral("%1 s of processor time over %2 s").arg(used).arg(wallSeconds)));
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(EventPumpTest)
#include "EventPumpTest.moc"
