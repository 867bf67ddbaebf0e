// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "WebUiPort.h"

#include "PageBoxes.h"
#include "PagePictures.h"
#include "PageWindow.h"

Answer WebUiPort::askYesNo(std::string_view prompt, std::string_view title) {
    return page::askYesNo(prompt, title) ? AnswerYes : AnswerNo;
}

void WebUiPort::showMessage(std::string_view prompt, std::string_view title) {
    page::showMessage(prompt, title);
}

void WebUiPort::showPicture(std::string_view fileName) {
    page::showPicture(fileName);
}

void WebUiPort::preparePicture(std::string_view fileName) {
    page::preparePicture(fileName);
}

void WebUiPort::setCaption(std::string_view text) {
    page::setCaption(text);
}

void WebUiPort::disableButton() {
    page::disableButton();
}

double WebUiPort::clockSeconds() {
    return clock_.seconds();
}

// The page has no event queue of its own to pump: a timer hands the browser back its turn.
void WebUiPort::pumpEvents(double maxWaitSeconds) {
    page::sleep(clock_.realMillisecondsFor(maxWaitSeconds));
}

void WebUiPort::endProgram() {
    page::closeWindow();
    throw ProgramEnd{0};
}
