#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "Form1.h"
#include "MainWindow.h"
#include "PictureArea.h"
#include "QtUiPort.h"
#include "SolidPictures.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A fresh folder holding the solid pictures, less those in skip, as the current directory for as
// long as it lives.
struct PictureFolder {
    explicit PictureFolder(const QStringList& skip = {}) {
        EXPECT_TRUE(writeSolidPictures(folder.path(), skip));
        QDir::setCurrent(folder.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous); }
    QTemporaryDir folder;
    QString previous = QDir::currentPath();
};

// The solid picture that the picture area paints, or "" if it paints none.
inline QString pictureOn(const MainWindow& window) {
    return solidPictureAt(window.pictureArea().grab().toImage().pixelColor(244, 188));
}

// The program's window, shown, with a port on it at the real clock's speed.
struct ShownWindow {
    ShownWindow() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    MainWindow window{torvamikProgram()};
    QtUiPort port{window, SteadyClock()};
};

// Hands every modal box that opens to a handler, once, by polling the application's active modal
// widget from a timer while the code under test sits in the box's exec().
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
