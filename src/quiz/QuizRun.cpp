// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QuizRun.h"

#include <string>

#include "Pause.h"
#include "QuestionCatalogue.h"
#include "UiPort.h"

namespace {
constexpr std::string_view waitingPicture = "0.jpg";
}

void QuizRun::run() {
    ui_.setCaption(QuestionCatalogue::askingCaption());
    ui_.disableButton();  // for good: one quiz per start of the program
    for (int round = 1; round <= QuestionCatalogue::rounds; ++round) {
        if (round > 1) ui_.setCaption(QuestionCatalogue::askingCaption());
        score_.startRound();
        for (int position = 1; position <= QuestionCatalogue::questionsPerRound; ++position) {
            askQuestion(round, position);
        }
        showRoundEnd(round);
    }
    ui_.endProgram();
}

// Every picture is named before it is due, so that the port can read it while a box is open.
void QuizRun::askQuestion(int round, int position) {
    const CatalogueEntry& entry = QuestionCatalogue::entry(round, position);
    if (position == QuestionCatalogue::questionsPerRound) ui_.preparePicture(waitingPicture);
    const Answer answer = ui_.askYesNo(entry.statement, QuestionCatalogue::title());
    const bool correct = answer == entry.correctAnswer;
    score_.recordAnswer(correct);
    const std::string picture = score_.feedbackPictureName();
    ui_.preparePicture(picture);
    ui_.showMessage(correct ? QuestionCatalogue::rightAnswerFeedback()
                            : QuestionCatalogue::wrongAnswerFeedback(),
                    QuestionCatalogue::title());
    ui_.showPicture(picture);  // only once the feedback box is closed
}

void QuizRun::showRoundEnd(int round) {
    ui_.showPicture(waitingPicture);
    ui_.setCaption(QuestionCatalogue::waitingCaption());
    const std::string roundPicture = std::to_string(round) + ".jpg";
    ui_.preparePicture(roundPicture);
    Pause(ui_);
    ui_.showPicture(roundPicture);
    Pause(ui_);
}
