#include "QuizRun.h"

#include <string>

#include "Pause.h"
#include "QuestionCatalogue.h"
#include "UiPort.h"

void QuizRun::run() {
    ui_.setCaption(QuestionCatalogue::askingCaption());
    ui_.disableButton();  // for good: one quiz per start of the program
    scoring_.startRound();
    for (int round = 1; round <= QuestionCatalogue::rounds; ++round) {
        playRound(round);
        if (round < QuestionCatalogue::rounds) {
            ui_.setCaption(QuestionCatalogue::askingCaption());
            scoring_.startRound();
        }
    }
    ui_.endProgram();
}

void QuizRun::playRound(int round) {
    for (int questionNumber = 1; questionNumber <= QuestionCatalogue::questionsPerRound;
         ++questionNumber) {
        askQuestion(round, questionNumber);
    }
    ui_.showPicture("0.jpg");
    ui_.setCaption(QuestionCatalogue::waitingCaption());
    const std::string roundPicture = std::to_string(round) + ".jpg";
    ui_.preparePicture(roundPicture);  // read during the pause, shown at its end
    Pause(ui_);
    ui_.showPicture(roundPicture);
    Pause(ui_);
}

void QuizRun::askQuestion(int round, int questionNumber) {
    const CatalogueEntry& entry = QuestionCatalogue::entry(round, questionNumber);
    const Answer answer = ui_.askYesNo(entry.statement, QuestionCatalogue::title());
    scoring_.recordAnswer(answer == entry.correctAnswer, ui_);
}
