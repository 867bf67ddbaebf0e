// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Scoring.h"

class UiPort;

// Everything after the click on the start button: four rounds of five questions, the pauses
// between rounds, and the end of the program. Every effect on the screen is made here, through
// the port. run() never returns.
class QuizRun {
public:
    explicit QuizRun(UiPort& ui) : ui_(ui) {}

    void run();

private:
    void askQuestion(int round, int position);
    void showRoundEnd(int round);

    UiPort& ui_;
    Scoring score_;
};
