// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Win32UiPort.h"

#include "MainWindow.h"
#include "PictureLoader.h"
#include "RunTimeError.h"
#include "WideText.h"
#include "YesNoBox.h"

Win32UiPort::Win32UiPort(MainWindow& window, SteadyClock clock) : window_(window), clock_(clock) {}

Answer Win32UiPort::askYesNo(std::string_view prompt, std::string_view title) {
    endIfWindowClosed();
    const int answer = askJahEi(window_.handle(), toWide(prompt), toWide(title));
    endIfWindowClosed();
    switch (answer) {
        case IDYES:
            return AnswerYes;
        case IDNO:
            return AnswerNo;
        default:
            // The system shows no box only when it lacks the memory for one.
            throw RunTimeError::outOfMemory();
    }
}

void Win32UiPort::showMessage(std::string_view prompt, std::string_view title) {
    endIfWindowClosed();
    MessageBoxW(window_.handle(), toWide(prompt).c_str(), toWide(title).c_str(),
                MB_OK | MB_APPLMODAL | MB_SETFOREGROUND);
    endIfWindowClosed();
}

void Win32UiPort::showPicture(std::string_view fileName) {
    endIfWindowClosed();
    window_.setPicture(loadPicture(fileName, window_.pictureSize()));
}

void Win32UiPort::setCaption(std::string_view text) {
    endIfWindowClosed();
    window_.setButtonText(toWide(text));
}

void Win32UiPort::disableButton() {
    endIfWindowClosed();
    window_.disableButton();
}

double Win32UiPort::clockSeconds() {
    return clock_.seconds();
}

void Win32UiPort::pumpEvents(double maxWaitSeconds) {
    endIfWindowClosed();
    if (!dispatchPending()) throw ProgramEnd{0};
    // Sleeps until a message arrives or the time is up; a message that came in meanwhile wakes
    // it at once, so a pause costs no processor time and the window stays responsive.
    const DWORD waitMs = static_cast<DWORD>(clock_.realMillisecondsFor(maxWaitSeconds));
    if (waitMs > 0) {
        MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (!dispatchPending()) throw ProgramEnd{0};
    }
    endIfWindowClosed();
}

void Win32UiPort::endProgram() {
    window_.close();
    throw ProgramEnd{0};
}

void Win32UiPort::endIfWindowClosed() const {
    if (window_.isClosed()) throw ProgramEnd{0};
}

bool Win32UiPort::dispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        if (window_.handleDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}
