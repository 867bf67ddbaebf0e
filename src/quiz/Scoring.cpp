// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Scoring.h"

#include <algorithm>

void Scoring::recordAnswer(bool correct) {
    roundScore_ = std::max(roundScore_ + (correct ? 1 : -1), 0);
    lastAnswerCorrect_ = correct;
}

std::string Scoring::feedbackPictureName() const {
    const char standing = static_cast<char>('0' + (6 - roundScore_));
    return standing + std::string(lastAnswerCorrect_ ? "õv.jpg" : "vv.jpg");
}
