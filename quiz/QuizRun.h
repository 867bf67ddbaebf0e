#pragma once

#include "Scoring.h"

class UiPort;

// Everything after the click on the start button: four rounds of five questions, the pauses
// between rounds, and the end of the program. run() never returns.
class QuizRun {
public:
    explicit QuizRun(UiPort& ui) : ui_(ui) {}

    void run();

private:
    void playRound(int round);
    void askQuestion(int round, int questionNumber);

    UiPort& ui_;
    Scoring scoring_;
};
