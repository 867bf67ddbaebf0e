// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <utility>

#include "PicturePrefetch.h"
#include "SteadyClock.h"
#include "UiPort.h"

class Announcement;
class MainWindow;

// The quiz's operations on Qt Widgets, acting on one main window.
class QtUiPort : public UiPort {
public:
    QtUiPort(MainWindow& window, SteadyClock clock);

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    void showMessage(std::string_view prompt, std::string_view title) override;
    void showPicture(std::string_view fileName) override;
    void preparePicture(std::string_view fileName) override;
    void setCaption(std::string_view text) override;
    void disableButton() override;
    double clockSeconds() override;
    void pumpEvents(double maxWaitSeconds) override;
    [[noreturn]] void endProgram() override;

private:
    // Once the main window is closed the program is over: every later call ends it at once, and
    // no further box opens.
    void endIfWindowClosed();
    // A screen reader hears of each picture once: with the question box that opens over it, or
    // in a pause, where nothing has the focus, as an announcement.
    QString takeUntoldPicture() { return std::exchange(untoldPicture_, {}); }

    MainWindow& window_;
    SteadyClock clock_;
    QTimer wakeUp_;
    PicturePrefetch prefetch_;
    QString untoldPicture_;  // the description of the picture on screen, until it is told
    Announcement* announcement_ = nullptr;  // made at the first announcement, owned by the window
};
