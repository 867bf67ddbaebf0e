// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "Pause.h"
#include "QuizRun.h"
#include "Scoring.h"
#include "ScriptedPort.h"
#include "TestData.h"

namespace {

// Every call a whole run must make for these answers, written out from the rules of the quiz and
// the tests' own answer key: this is where each statement's letters and key are checked.
std::vector<std::string> expectedRun(const std::string& answers) {
    const std::string asking = "caption Jälgige ka fotot dialoogikasti taga!";
    std::vector<std::string> calls{asking, "disable"};
    int score = 0;
    std::size_t asked = 0;
    for (const testdata::Statement& statement : testdata::statements()) {
        if (statement.position == 1) score = 0;
        if (statement.position == 1 && statement.round > 1) calls.push_back(asking);
        const bool right = (answers.at(asked++) == 'J') == statement.yesIsRight;
        score = std::max(0, score + (right ? 1 : -1));
        const std::string picture = std::to_string(6 - score) + (right ? "õv.jpg" : "vv.jpg");
        calls.insert(calls.end(), {"ask Torvamik!: " + statement.text,
                                   right ? "message Torvamik!: Vastus oli õige!"
                                         : "message Torvamik!: Vastus oli vale!",
                                   "picture " + picture});
        if (statement.position < 5) continue;
        const std::string round = std::to_string(statement.round) + ".jpg";
        calls.insert(calls.end(), {"picture 0.jpg", "caption Oota pisut...", "pump 5.000000",
                                   "picture " + round, "pump 5.000000"});
    }
    calls.push_back("end");
    return calls;
}

// 20 question and 20 feedback boxes, 28 pictures, 8 pauses and the end, in this order.
TEST(QuizRun, MakesEveryCallOfTheRulesInOrder) {
    for (const std::string answers :
         {"JJJJJJJJJJJJJJJJJJJJ", "EEEEEEEEEEEEEEEEEEEE", "EJJEJJEJJEJJJEEEEJJJ"}) {
        ScriptedPort ui(answers);
        EXPECT_THROW(QuizRun(ui).run(), ScriptedEnd);
        const std::vector<std::string> expected = expectedRun(answers);
        ASSERT_EQ(ui.calls.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(ui.calls[i], expected[i]) << answers;
    }
}

// One round each; that the previous round has no effect shows in the whole runs.
TEST(Scoring, WorkedRoundsChooseTheFeedbackPictures) {
    // C right, W wrong; the picture after each answer.
    const std::pair<std::string, std::string> rows[] = {
        {"CCCCC", "5õv.jpg 4õv.jpg 3õv.jpg 2õv.jpg 1õv.jpg"},
        {"WWWWW", "6vv.jpg 6vv.jpg 6vv.jpg 6vv.jpg 6vv.jpg"},
        {"CCWCW", "5õv.jpg 4õv.jpg 5vv.jpg 4õv.jpg 5vv.jpg"},
        {"WCCWC", "6vv.jpg 5õv.jpg 4õv.jpg 5vv.jpg 4õv.jpg"},
        {"CCCCW", "5õv.jpg 4õv.jpg 3õv.jpg 2õv.jpg 3vv.jpg"},
    };
    for (const auto& [answers, expected] : rows) {
        Scoring score;
        std::string pictures;
        for (const char answer : answers) {
            score.recordAnswer(answer == 'C');
            pictures += (pictures.empty() ? "" : " ") + score.feedbackPictureName();
        }
        EXPECT_EQ(pictures, expected) << answers;
    }
}

TEST(Pause, EndsOnTheFirstClockReadingAtOrAfterFiveSeconds) {
    // How far each pump moves the clock, and the pumps with the longest wait each is given.
    const std::pair<std::deque<double>, std::vector<std::string>> rows[] = {
        {{1.25, 1.25, 1.25, 1.25},
         {"pump 5.000000", "pump 3.750000", "pump 2.500000", "pump 1.250000"}},
        {{4.999, 0, 0.0005, 0.0005},
         {"pump 5.000000", "pump 0.001000", "pump 0.001000", "pump 0.000500"}},
        {{3600}, {"pump 5.000000"}},  // the clock jumps forward
        {{1, -100, 200}, {"pump 5.000000", "pump 4.000000", "pump 5.000000"}},  // and back
    };
    for (const auto& [clockSteps, pumps] : rows) {
        ScriptedPort ui;
        ui.clockSteps = clockSteps;
        Pause(ui);
        EXPECT_EQ(ui.calls, pumps);
    }
}

}  // namespace
