#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    for (const testdata::Statement& statement : testdata::statements()) {
        if (statement.position == 1) score = 0;
        if (statement.position == 1 && statement.round > 1) calls.push_back(asking);
        if (statement.position == 5) calls.push_back("prepare 0.jpg");
        const auto index =
            static_cast<std::size_t>((statement.round - 1) * 5 + statement.position - 1);
        const bool right = (answers.at(index) == 'J') == statement.yesIsRight;
        score = std::max(0, score + (right ? 1 : -1));
        const std::string picture = std::to_string(6 - score) + (right ? "õv.jpg" : "vv.jpg");
        calls.insert(calls.end(), {"ask Torvamik!: " + statement.text, "prepare " + picture,
                                   right ? "message Torvamik!: Vastus oli õige!"
                                         : "message Torvamik!: Vastus oli vale!",
                                   "picture " + picture});
        if (statement.position < 5) continue;
        const std::string round = std::to_string(statement.round) + ".jpg";
        calls.insert(calls.end(), {"picture 0.jpg", "caption Oota pisut...", "prepare " + round,
                                   "pump 5000 ms", "picture " + round, "pump 5000 ms"});
    }
    calls.push_back("end");
    return calls;
}

class WholeRun : public ::testing::TestWithParam<std::string> {};

// 20 question and 20 feedback boxes, 28 pictures, 8 pauses and the end, in this order.
TEST_P(WholeRun, MakesEveryCallOfTheRulesInOrder) {
    ScriptedPort ui(GetParam());
    EXPECT_THROW(QuizRun(ui).run(), ScriptedEnd);
    const std::vector<std::string> expected = expectedRun(GetParam());
    ASSERT_EQ(ui.calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(ui.calls[i], expected[i]);
}

INSTANTIATE_TEST_SUITE_P(Answers, WholeRun,
                         ::testing::Values(std::string(20, 'J'), std::string(20, 'E'),
                                           "EJJEJ"
                                           "JEJJE"
                                           "JJJEE"
                                           "EEJJJ"));

TEST(Scoring, WorkedRoundsChooseTheFeedbackPictures) {
    const struct {
        std::string answers;  // C right, W wrong, | the next round starts
        std::string pictures;
    } rows[] = {
        {"CCCCC", "5õv.jpg 4õv.jpg 3õv.jpg 2õv.jpg 1õv.jpg"},
        {"WWWWW", "6vv.jpg 6vv.jpg 6vv.jpg 6vv.jpg 6vv.jpg"},
        {"CCWCW", "5õv.jpg 4õv.jpg 5vv.jpg 4õv.jpg 5vv.jpg"},
        {"WCCWC", "6vv.jpg 5õv.jpg 4õv.jpg 5vv.jpg 4õv.jpg"},
        {"CCCCW", "5õv.jpg 4õv.jpg 3õv.jpg 2õv.jpg 3vv.jpg"},
        {"CCCCC|W", "5õv.jpg 4õv.jpg 3õv.jpg 2õv.jpg 1õv.jpg 6vv.jpg"},
    };
    for (const auto& row : rows) {
        Scoring score;
        std::string pictures;
        for (const char answer : row.answers) {
            if (answer == '|') {
                score.startRound();
            } else {
                score.recordAnswer(answer == 'C');
                pictures += (pictures.empty() ? "" : " ") + score.feedbackPictureName();
            }
        }
        EXPECT_EQ(pictures, row.pictures) << row.answers;
    }
}

TEST(Pause, EndsOnTheFirstClockReadingAtOrAfterFiveSeconds) {
    const struct {
        const char* name;
        std::deque<double> clockSteps;
        std::vector<double> waits;  // the longest wait each pump is given
    } rows[] = {
        {"even steps", {1.25, 1.25, 1.25, 1.25}, {5, 3.75, 2.5, 1.25}},
        {"tiny remainders", {4.999, 0, 0.0005, 0.0005}, {5, 0.001, 0.001, 0.0005}},
        {"clock jumps forward", {3600}, {5}},
        {"clock jumps back", {1, -100, 200}, {5, 4, 5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedPort ui;
        ui.clockSteps = row.clockSteps;
        Pause(ui);
        ASSERT_EQ(ui.waits.size(), row.waits.size());
        for (std::size_t i = 0; i < row.waits.size(); ++i)
            EXPECT_NEAR(ui.waits[i], row.waits[i], 1e-9);
    }
}

}  // namespace
