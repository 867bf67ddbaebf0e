// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// A real five-second pause of the quiz in the real window, against the same wait written as a
// loop that calls processEvents() until the time has passed. Writes
// "reference WALL_SECONDS CPU_SECONDS" and then "pause WALL_SECONDS CPU_SECONDS" per pause.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "Form1.h"
#include "MainWindow.h"
#include "Monotonic.h"
#include "Pause.h"
#include "QtProgram.h"
#include "QtUiPort.h"

namespace {

// Lets the window map and paint before anything is measured.
void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void print(const char* what, long long startNs, double startCpu) {
    const double wall = static_cast<double>(monotonicNanoseconds() - startNs) / 1e9;
    std::printf("%s %.6f %.6f\n", what, wall, processCpuSeconds() - startCpu);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int pauses = argc > 1 ? std::atoi(argv[1]) : 3;
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QtProgram program(torvamikProgram());
    program.window().show();
    settle(500);

    long long start = monotonicNanoseconds();
    double cpu = processCpuSeconds();
    while (monotonicNanoseconds() - start < static_cast<long long>(pauseSeconds * 1e9)) {
        QCoreApplication::processEvents();
    }
    print("reference", start, cpu);
    settle(200);

    for (int i = 0; i < pauses; ++i) {
        start = monotonicNanoseconds();
        cpu = processCpuSeconds();
        Pause(program.port());
        print("pause", start, cpu);
    }
    return 0;
}
