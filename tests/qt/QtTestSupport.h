// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "Form1.h"
#include "MainWindow.h"
#include "PictureArea.h"
#include "QtProgram.h"
#include "QtUiPort.h"
#include "SolidPictures.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The program shown, its clock this many times fast, in a fresh current folder of solid pictures.
struct ShownProgram {
    explicit ShownProgram(double clockSpeed = 1.0)
        : program(torvamikProgram(), SteadyClock(clockSpeed)) {
        EXPECT_TRUE(writeSolidPictures(folder.path()));
        QDir::setCurrent(folder.path());
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~ShownProgram() { QDir::setCurrent(previousFolder); }

    // The solid picture that the picture area paints, or "" if it paints none.
    QString picture() const {
        return solidPictureAt(window.pictureArea().grab().toImage().pixelColor(244, 188));
    }
    // Clicks the button once the event loop runs: program.run() then plays the quiz.
    void clickSoon() {
        QTimer::singleShot(0, &window, [this] { QTest::mouseClick(&button, Qt::LeftButton); });
    }

    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    QtProgram program;
    MainWindow& window = program.window();
    QtUiPort& port = program.port();
    QPushButton& button = window.button();
};

// Hands each modal box to a handler once, polling from a timer while the code sits in exec().
struct ModalDriver : QTimer {
    explicit ModalDriver(std::function<void(QMessageBox&)> handler) {
        connect(this, &QTimer::timeout, this, [this, handler = std::move(handler)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible() || box->property("seen").toBool()) return;
            box->setProperty("seen", true);
            ++boxes;
            handler(*box);
        });
        start(1);
    }
    int boxes = 0;
};
