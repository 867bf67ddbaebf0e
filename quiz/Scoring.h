#pragma once

#include <string>

class UiPort;

// The score of the current round and whether the latest answer was right. Together they choose
// the feedback picture shown after every answer; the score is never shown as a number.
class Scoring {
public:
    void startRound() { roundScore_ = 0; }

    // One answered question, in this order: the score moves, the feedback box is shown and closed,
    // the flag is set, and only then does the picture change.
    void recordAnswer(bool correct, UiPort& ui);

    // Shows the picture for the current standing; lifts a score below zero back to zero first.
    void showFeedbackPicture(UiPort& ui);

    int roundScore() const { return roundScore_; }
    int lastAnswerCorrect() const { return lastAnswerCorrect_; }

    // "5õv.jpg" after a right answer at score 1, "6vv.jpg" after a wrong one at score 0.
    static std::string feedbackPictureName(int roundScore, int lastAnswerCorrect);

private:
    int roundScore_ = 0;
    int lastAnswerCorrect_ = 0;
};
