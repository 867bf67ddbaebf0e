// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QtUiPort.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPushButton>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "Announcement.h"
#include "MainWindow.h"
#include "PictureArea.h"
#include "PictureLoader.h"
#include "QuizMessageBox.h"

QtUiPort::QtUiPort(MainWindow& window, SteadyClock clock) : window_(window), clock_(clock) {
    wakeUp_.setSingleShot(true);
    // The default coarse timer may fire up to 5 % early, which would cut a pause short.
    wakeUp_.setTimerType(Qt::PreciseTimer);
}

Answer QtUiPort::askYesNo(std::string_view prompt, std::string_view title) {
    endIfWindowClosed();
    QuizMessageBox box(QuizMessageBox::Kind::YesNo, QString::fromUtf8(prompt),
                       QString::fromUtf8(title), &window_);
    // Orca speaks a box's description after its text and before the focused button.
    box.setAccessibleDescription(takeUntoldPicture());
    box.exec();
    endIfWindowClosed();
    if (box.clickedButton() == box.yesButton()) return AnswerYes;
    if (box.clickedButton() == box.noButton()) return AnswerNo;
    // The box only closes through its buttons; ending without one means the application is
    // shutting down, and guessing an answer would be wrong.
    throw ProgramEnd{0};
}

void QtUiPort::showMessage(std::string_view prompt, std::string_view title) {
    endIfWindowClosed();
    QuizMessageBox box(QuizMessageBox::Kind::Ok, QString::fromUtf8(prompt),
                       QString::fromUtf8(title), &window_);
    box.exec();
    endIfWindowClosed();
}

void QtUiPort::showPicture(std::string_view fileName) {
    endIfWindowClosed();
    PictureArea& area = window_.pictureArea();
    const QSize size = area.sizeInDevicePixels();
    QImage picture = prefetch_.take(fileName, size);
    if (picture.isNull()) picture = loadPicture(fileName, size);
    area.setPicture(std::move(picture));
    untoldPicture_ = area.accessibleDescription();
#ifdef __GLIBC__
    // The previous picture and the decoder's buffers are free now; hand their pages back, so
    // that the resident size stays that of one picture instead of growing with each switch.
    malloc_trim(0);
#endif
}

void QtUiPort::preparePicture(std::string_view fileName) {
    endIfWindowClosed();
    prefetch_.start(std::string(fileName), window_.pictureArea().sizeInDevicePixels());
}

void QtUiPort::setCaption(std::string_view text) {
    endIfWindowClosed();
    window_.setCaption(QString::fromUtf8(text));
}

void QtUiPort::disableButton() {
    endIfWindowClosed();
    window_.button().setEnabled(false);
}

double QtUiPort::clockSeconds() {
    return clock_.seconds();
}

void QtUiPort::pumpEvents(double maxWaitSeconds) {
    endIfWindowClosed();
    const int waitMs = clock_.realMillisecondsFor(maxWaitSeconds);
    if (waitMs > 0) {
        // The timer only wakes the dispatcher; WaitForMoreEvents sleeps until it or any other
        // event arrives, so a pause costs no processor time. Linux lets a long sleep run over by
        // about a thousandth of its length, so a long wait is cut by a five-hundredth: it ends
        // just short of its time, and the caller's next, short wait ends on time.
        wakeUp_.start(waitMs - waitMs / 500);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        wakeUp_.stop();
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    endIfWindowClosed();
    // Only once the window is active, so that it is told after the window and its status.
    if (!untoldPicture_.isEmpty() && window_.isActiveWindow()) {
        if (!announcement_) announcement_ = new Announcement(&window_);
        announcement_->announce(takeUntoldPicture());
    }
}

void QtUiPort::endProgram() {
    window_.close();
    throw ProgramEnd{0};
}

void QtUiPort::endIfWindowClosed() {
    if (window_.isClosed()) throw ProgramEnd{0};
}
