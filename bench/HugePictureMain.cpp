// One huge picture: "show" shows it through the program's port in the real window, "decode"
// decodes it at full size, the reference. Writes "huge MILLISECONDS EXTRA_RESIDENT_MEGABYTES
// CPU_MILLISECONDS", the extra being the peak resident memory during the work above what was
// resident before it.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImageReader>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "Form1.h"
#include "MainWindow.h"
#include "Monotonic.h"
#include "ProcessMemory.h"
#include "QtProgram.h"
#include "QtUiPort.h"
#include "RunTimeError.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s show|decode FOLDER FILE\n", argv[0]);
        return 2;
    }
    const bool show = std::strcmp(argv[1], "show") == 0;
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QtProgram program(torvamikProgram());
    program.window().show();
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[2]))) return 1;
    const QString file = QString::fromLocal8Bit(argv[3]);

    resetResidentPeak();
    const long before = residentKilobytes("VmRSS");
    const double startCpu = processCpuSeconds();
    const long long start = monotonicNanoseconds();
    if (show) {
        try {
            program.port().showPicture(argv[3]);
        } catch (const RunTimeError& error) {
            std::fprintf(stderr, "%s\n", error.report().c_str());
            return 1;
        }
    } else {
        QImageReader reader(file);
        reader.setAllocationLimit(0);
        if (reader.read().isNull()) {
            std::fprintf(stderr, "%s: %s\n", argv[3], qPrintable(reader.errorString()));
            return 1;
        }
    }
    const long long end = monotonicNanoseconds();
    const double cpuMs = (processCpuSeconds() - startCpu) * 1000.0;
    const long peak = residentKilobytes("VmHWM");
    std::printf("huge %.3f %.3f %.3f\n", static_cast<double>(end - start) / 1e6,
                static_cast<double>(peak - before) / 1024.0, cpuMs);
    std::fflush(stdout);
    return 0;
}
