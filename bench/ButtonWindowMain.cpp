// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The reference for start-up and memory: a Qt window of the program's size holding one push
// button with the program's caption, and nothing else. Text is the costly part of any window (the
// font database), so this is the least a window like the program's can cost. It has the same
// first-paint report as the program.
// Usage: torvamik_bench_button_window WIDTH HEIGHT BUTTON_LEFT BUTTON_TOP BUTTON_WIDTH
// BUTTON_HEIGHT
#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>

#include "FirstPaintReport.h"

int main(int argc, char* argv[]) {
    if (argc != 7) return 2;
    int size[6] = {};
    for (int i = 0; i < 6; ++i) size[i] = std::atoi(argv[i + 1]);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    new FirstPaintReport(&application);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Torvamik!"));
    window.setFixedSize(size[0], size[1]);
    auto* button = new QPushButton(QStringLiteral("Alusta mängu."), &window);
    button->setGeometry(size[2], size[3], size[4], size[5]);
    window.show();
    return QApplication::exec();
}
