#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Scoring.h"
#include "ScriptedPort.h"

namespace {

struct RoundCase {
    std::string name;
    std::string answers;  // C = correct, W = wrong
    std::vector<int> scores;
    std::vector<std::string> pictures;
};

void PrintTo(const RoundCase& round, std::ostream* out) {
    *out << round.answers;
}

class WorkedRounds : public ::testing::TestWithParam<RoundCase> {};

TEST_P(WorkedRounds, ScoresAndPicturesFollowTheAnswers) {
    const RoundCase& round = GetParam();
    ScriptedPort ui;
    Scoring scoring;
    scoring.startRound();
    std::vector<int> scores;
    for (const char answer : round.answers) {
        scoring.recordAnswer(answer == 'C', ui);
        scores.push_back(scoring.roundScore());
    }
    std::vector<std::string> pictures;
    for (const PortCall& call : ui.calls()) {
        if (call.kind == PortCall::Kind::Picture) pictures.push_back(call.text);
    }
    EXPECT_EQ(scores, round.scores);
    EXPECT_EQ(pictures, round.pictures);
}

INSTANTIATE_TEST_SUITE_P(
    OneRound, WorkedRounds,
    ::testing::Values(RoundCase{"allRight",
                                "CCCCC",
                                {1, 2, 3, 4, 5},
                                {"5õv.jpg", "4õv.jpg", "3õv.jpg", "2õv.jpg", "1õv.jpg"}},
                      RoundCase{"allWrong",
                                "WWWWW",
                                {0, 0, 0, 0, 0},
                                {"6vv.jpg", "6vv.jpg", "6vv.jpg", "6vv.jpg", "6vv.jpg"}},
                      RoundCase{"rightRightWrongRightWrong",
                                "CCWCW",
                                {1, 2, 1, 2, 1},
                                {"5õv.jpg", "4õv.jpg", "5vv.jpg", "4õv.jpg", "5vv.jpg"}},
                      RoundCase{"wrongRightRightWrongRight",
                                "WCCWC",
                                {0, 1, 2, 1, 2},
                                {"6vv.jpg", "5õv.jpg", "4õv.jpg", "5vv.jpg", "4õv.jpg"}},
                      RoundCase{"wrongAfterFourRight",
                                "CCCCW",
                                {1, 2, 3, 4, 3},
                                {"5õv.jpg", "4õv.jpg", "3õv.jpg", "2õv.jpg", "3vv.jpg"}}),
    [](const auto& info) { return info.param.name; });

TEST(Scoring, PictureNamesUseThePrecomposedTilde) {
    EXPECT_EQ(Scoring::feedbackPictureName(1, 1), "5\xC3\xB5v.jpg");
    EXPECT_EQ(Scoring::feedbackPictureName(5, 1), "1\xC3\xB5v.jpg");
    EXPECT_EQ(Scoring::feedbackPictureName(0, 0), "6vv.jpg");
    EXPECT_EQ(Scoring::feedbackPictureName(3, 0), "3vv.jpg");
    EXPECT_THROW(Scoring::feedbackPictureName(6, 1), std::out_of_range);
    EXPECT_THROW(Scoring::feedbackPictureName(-1, 0), std::out_of_range);
}

TEST(Scoring, WrongFirstAnswerIsLiftedBackToZero) {
    ScriptedPort ui;
    Scoring scoring;
    scoring.recordAnswer(false, ui);
    EXPECT_EQ(scoring.roundScore(), 0);
    EXPECT_EQ(scoring.lastAnswerCorrect(), 0);
    EXPECT_EQ(ui.calls().back(), PortCall::picture("6vv.jpg"));
    // The next right answer starts from zero, not from minus one.
    scoring.recordAnswer(true, ui);
    EXPECT_EQ(ui.calls().back(), PortCall::picture("5õv.jpg"));
}

TEST(Scoring, PreviousRoundHasNoEffect) {
    ScriptedPort ui;
    Scoring scoring;
    for (int i = 0; i < 5; ++i) scoring.recordAnswer(true, ui);
    scoring.startRound();
    EXPECT_EQ(scoring.roundScore(), 0);
    EXPECT_EQ(scoring.lastAnswerCorrect(), 1);  // the flag survives the start of a round
    scoring.recordAnswer(true, ui);
    EXPECT_EQ(ui.calls().back(), PortCall::picture("5õv.jpg"));
}

// Records the score the scoring has while the feedback box is open.
class ScoreWatchingPort : public ScriptedPort {
public:
    explicit ScoreWatchingPort(const Scoring& scoring) : scoring_(scoring) {}
    void showMessage(std::string_view prompt, std::string_view title) override {
        scoreWhileBoxOpen = scoring_.roundScore();
        flagWhileBoxOpen = scoring_.lastAnswerCorrect();
        ScriptedPort::showMessage(prompt, title);
    }
    int scoreWhileBoxOpen = -99;
    int flagWhileBoxOpen = -99;

private:
    const Scoring& scoring_;
};

TEST(Scoring, ScoreMovesBeforeTheBoxFlagAndPictureAfterIt) {
    Scoring scoring;
    ScoreWatchingPort ui(scoring);
    scoring.recordAnswer(true, ui);
    EXPECT_EQ(ui.scoreWhileBoxOpen, 1);
    EXPECT_EQ(ui.flagWhileBoxOpen, 0);
    const std::vector<PortCall> expected{PortCall::message("Vastus oli õige!"),
                                         PortCall::picture("5õv.jpg")};
    EXPECT_EQ(ui.calls(), expected);

    scoring.recordAnswer(false, ui);
    EXPECT_EQ(ui.scoreWhileBoxOpen, 0);
    EXPECT_EQ(ui.flagWhileBoxOpen, 1);
    EXPECT_EQ(ui.calls().at(2), PortCall::message("Vastus oli vale!"));
    EXPECT_EQ(ui.calls().at(3), PortCall::picture("6vv.jpg"));
}

TEST(Scoring, FailingPictureLoadPropagatesUncaught) {
    ScriptedPort ui;
    ui.failPicture("5õv.jpg", 481);
    Scoring scoring;
    try {
        scoring.recordAnswer(true, ui);
        FAIL() << "the load failure was swallowed";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number, 481);
        EXPECT_EQ(error.fileName, "5õv.jpg");
    }
}

}  // namespace
