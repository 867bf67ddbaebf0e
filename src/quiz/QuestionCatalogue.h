// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "UiPort.h"

// One statement of the quiz and which answer is right.
struct CatalogueEntry {
    std::string_view statement;  // the whole prompt, ending with " Õige või vale?"
    Answer correctAnswer;
};

// Every text the quiz shows, fixed in the program, UTF-8 with precomposed letters.
class QuestionCatalogue {
public:
    static constexpr int rounds = 4;
    static constexpr int questionsPerRound = 5;

    // round 1 to 4, position 1 to 5; anything else is a programming error.
    static const CatalogueEntry& entry(int round, int position);

    static constexpr std::string_view title() { return "Torvamik!"; }
    static constexpr std::string_view rightAnswerFeedback() { return "Vastus oli õige!"; }
    static constexpr std::string_view wrongAnswerFeedback() { return "Vastus oli vale!"; }
    static constexpr std::string_view askingCaption() {
        return "Jälgige ka fotot dialoogikasti taga!";
    }
    static constexpr std::string_view waitingCaption() { return "Oota pisut..."; }
};
