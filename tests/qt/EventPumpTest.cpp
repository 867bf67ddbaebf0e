#include <sys/resource.h>

#include <QElapsedTimer>
#include <QtTest>

#include "Form1.h"
#include "MainWindow.h"
#include "QtUiPort.h"
#include "QuietOffscreen.h"
#include "ShownWindow.h"

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
        shown_ = std::make_unique<ShownWindow>();
        QVERIFY(shown_->exposed);
    }
    void cleanup() { shown_.reset(); }

    void returnsWhenItsWaitEnds() {
        QtUiPort port(*shown_->window, SteadyClock());
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
        QtUiPort port(*shown_->window, SteadyClock(1000.0));
        QElapsedTimer wall;
        wall.start();
        const double before = port.clockSeconds();
        while (port.clockSeconds() - before < 5.0)
            port.pumpEvents(5.0 - (port.clockSeconds() - before));
        QVERIFY2(wall.elapsed() < 2000, "five seconds of a thousandfold clock took too long");
    }

    void sleepsInsteadOfSpinning() {
        QtUiPort port(*shown_->window, SteadyClock());
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
    std::unique_ptr<ShownWindow> shown_;
};

QTEST_MAIN(EventPumpTest)
#include "EventPumpTest.moc"
