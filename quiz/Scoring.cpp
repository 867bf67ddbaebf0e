#include "Scoring.h"

#include <algorithm>
#include <stdexcept>

#include "QuestionCatalogue.h"
#include "UiPort.h"

void Scoring::recordAnswer(bool correct, UiPort& ui) {
    roundScore_ += correct ? 1 : -1;
    // The picture that follows the box is known already: the port may read it while the box is up.
    ui.preparePicture(feedbackPictureName(std::max(roundScore_, 0), correct ? 1 : 0));
    ui.showMessage(correct ? QuestionCatalogue::rightAnswerFeedback()
                           : QuestionCatalogue::wrongAnswerFeedback(),
                   QuestionCatalogue::title());
    lastAnswerCorrect_ = correct ? 1 : 0;
    showFeedbackPicture(ui);
}

void Scoring::showFeedbackPicture(UiPort& ui) {
    if (roundScore_ < 0) roundScore_ = 0;
    ui.showPicture(feedbackPictureName(roundScore_, lastAnswerCorrect_));
}

std::string Scoring::feedbackPictureName(int roundScore, int lastAnswerCorrect) {
    if (roundScore < 0 || roundScore > QuestionCatalogue::questionsPerRound) {
        throw std::out_of_range("round score out of range: " + std::to_string(roundScore));
    }
    const char standing = static_cast<char>('0' + (6 - roundScore));  // 1 is the best, 6 the worst
    return std::string(1, standing) + (lastAnswerCorrect == 1 ? "õv.jpg" : "vv.jpg");
}
