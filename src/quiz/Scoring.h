// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The score of the current round and whether the latest answer was right. Together they choose
// the feedback picture shown after every answer; the score is never shown as a number.
class Scoring {
public:
    void startRound() { roundScore_ = 0; }

    // A right answer raises the score by one, a wrong one lowers it, but never below zero.
    void recordAnswer(bool correct);

    // The picture for the current standing: "5õv.jpg" after a right answer at score 1, "6vv.jpg"
    // after a wrong one at score 0. 1 is the best standing of a round, 6 the worst.
    std::string feedbackPictureName() const;

private:
    int roundScore_ = 0;
    bool lastAnswerCorrect_ = false;
};
