#pragma once

#include <QtTest>
#include <memory>

#include "Form1.h"
#include "MainWindow.h"
#include "QtUiPort.h"

// The program's window, shown, with a port on it at the real clock's speed: what most widget
// tests start from, made anew for every test function.
struct ShownWindow {
    ShownWindow()
        : window(std::make_unique<MainWindow>(torvamikProgram())),
          port(std::make_unique<QtUiPort>(*window, SteadyClock())) {
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QtUiPort> port;
    bool exposed = false;
};
