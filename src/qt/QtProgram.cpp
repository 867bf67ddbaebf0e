// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QtProgram.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

#include "ClickDispatch.h"
#include "MainWindow.h"
#include "QtUiPort.h"

QtProgram::QtProgram(const ProgramDescription& description, SteadyClock clock)
    : description_(description),
      window_(std::make_unique<MainWindow>(description)),
      port_(std::make_unique<QtUiPort>(*window_, clock)) {
    QObject::connect(&window_->button(), &QPushButton::clicked, window_.get(),
                     [this] { dispatchClick(); });
    // Closing the window ends the program; while the quiz runs, its next step notices the closed
    // window and unwinds first. Qt's own quit-on-last-window would instead make every later
    // modal box return at once.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(window_.get(), &MainWindow::closed, window_.get(), [this] {
        if (!clickRunning_) finish(0);
    });
}

QtProgram::~QtProgram() = default;

int QtProgram::run() {
    if (exitStatus_ >= 0) return exitStatus_;
    window_->show();
    const int status = QApplication::exec();
    return exitStatus_ >= 0 ? exitStatus_ : status;
}

// The quiz greys the button before it first processes events, and Qt delivers no click to a grey
// button, so this runs once.
void QtProgram::dispatchClick() {
    clickRunning_ = true;
    finish(runClickHandler(description_, *port_));
}

void QtProgram::finish(int status) {
    if (exitStatus_ >= 0) return;
    exitStatus_ = status;
    if (!window_->isClosed()) window_->close();
    QCoreApplication::exit(status);
}

namespace {

// Qt 6.4 looks for a Flatpak marker in the runtime directory while it builds the application, and
// without XDG_RUNTIME_DIR it reports on standard error where it looked instead. The program never
// uses that directory, so only that report is held back, and only while the application is built.
void holdBackRuntimeDirectoryReport(QtMsgType type, const QMessageLogContext& context,
                                    const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: ")) &&
        message.contains(QLatin1String("runtime"), Qt::CaseInsensitive)) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

[[noreturn]] void runQtProgram(const ProgramDescription& description, const char* programName,
                               SteadyClock clock) {
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    // Without a session bus, Qt's accessibility bridge makes D-Bus start one through dbus-launch,
    // which leaves a daemon running and writes under ~/.dbus. An address that can never connect
    // stops that; a real session bus, when there is one, is left alone.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
    // Qt 6.4 asks whether a screen reader runs only at start; joining the accessibility bus
    // whenever there is one lets a screen reader turned on later find the window.
    ::setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 0);
    qInstallMessageHandler(holdBackRuntimeDirectoryReport);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    // libjpeg's warnings about damage it reads past (stray bytes, say) would land on stderr,
    // which carries nothing but a run-time error's one line.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
    QtProgram program(description, clock);
    const int status = program.run();
    // The program ends at once: a picture still being read ahead on the worker thread must not
    // hold up the exit, and nothing is left to save.
    std::fflush(nullptr);
#ifdef __SANITIZE_ADDRESS__
    // LeakSanitizer checks at a normal exit, which _Exit skips; a leak fails the run here.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}
