#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "Pause.h"
#include "QuestionCatalogue.h"
#include "QuizRun.h"
#include "ScriptedPort.h"

namespace {

const std::string asking = "Jälgige ka fotot dialoogikasti taga!";
const std::string waiting = "Oota pisut...";

// The calls a whole run must make for these answers, written out from the quiz's rules:
// the key of the twenty statements, the score per round and the picture names.
std::vector<PortCall> expectedRun(const std::vector<Answer>& answers) {
    const Answer key[4][5] = {{AnswerYes, AnswerYes, AnswerNo, AnswerNo, AnswerYes},
                              {AnswerYes, AnswerYes, AnswerYes, AnswerYes, AnswerYes},
                              {AnswerYes, AnswerYes, AnswerNo, AnswerYes, AnswerYes},
                              {AnswerYes, AnswerYes, AnswerYes, AnswerYes, AnswerYes}};
    std::vector<PortCall> calls{PortCall::caption(asking), PortCall::disable()};
    for (int round = 0; round < 4; ++round) {
        int score = 0;
        for (int position = 0; position < 5; ++position) {
            const bool right =
                answers.at(static_cast<std::size_t>(round * 5 + position)) == key[round][position];
            score = std::max(0, score + (right ? 1 : -1));
            calls.push_back(PortCall::ask(
                std::string(QuestionCatalogue::entry(round + 1, position + 1).statement)));
            calls.push_back(PortCall::message(right ? "Vastus oli õige!" : "Vastus oli vale!"));
            calls.push_back(
                PortCall::picture(std::to_string(6 - score) + (right ? "õv.jpg" : "vv.jpg")));
        }
        calls.push_back(PortCall::picture("0.jpg"));
        calls.push_back(PortCall::caption(waiting));
        calls.push_back(PortCall::pump(5.0));
        calls.push_back(PortCall::picture(std::to_string(round + 1) + ".jpg"));
        calls.push_back(PortCall::pump(5.0));
        if (round < 3) calls.push_back(PortCall::caption(asking));
    }
    calls.push_back(PortCall::end());
    return calls;
}

std::vector<Answer> repeat(Answer answer) {
    return std::vector<Answer>(20, answer);
}

// Answers every question right, except where wrongAt lists a question number 0 to 19.
std::vector<Answer> rightExcept(const std::vector<int>& wrongAt) {
    std::vector<Answer> answers;
    for (const CatalogueEntry& entry : QuestionCatalogue::entries())
        answers.push_back(entry.correctAnswer);
    for (const int index : wrongAt) {
        Answer& answer = answers.at(static_cast<std::size_t>(index));
        answer = answer == AnswerYes ? AnswerNo : AnswerYes;
    }
    return answers;
}

std::vector<PortCall> play(ScriptedPort& ui) {
    EXPECT_THROW(QuizRun(ui).run(), ScriptedProgramEnd);
    return ui.calls();
}

void expectSameCalls(const std::vector<PortCall>& actual, const std::vector<PortCall>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "call " << i;
}

int count(const std::vector<PortCall>& calls, PortCall::Kind kind) {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [kind](const PortCall& c) { return c.kind == kind; }));
}

struct WholeRun {
    std::string name;
    std::vector<Answer> answers;
};

void PrintTo(const WholeRun& run, std::ostream* out) {
    *out << run.name;
}

class WholeRuns : public ::testing::TestWithParam<WholeRun> {};

TEST_P(WholeRuns, MakeExactlyTheCallsOfTheRules) {
    ScriptedPort ui(GetParam().answers);
    const std::vector<PortCall> calls = play(ui);
    expectSameCalls(calls, expectedRun(GetParam().answers));
    EXPECT_EQ(count(calls, PortCall::Kind::Ask), 20);
    EXPECT_EQ(count(calls, PortCall::Kind::Message), 20);
    EXPECT_EQ(count(calls, PortCall::Kind::Picture), 28);
    EXPECT_EQ(count(calls, PortCall::Kind::Pump), 8);
    EXPECT_EQ(calls.back(), PortCall::end());
}

INSTANTIATE_TEST_SUITE_P(
    Quiz, WholeRuns,
    ::testing::Values(WholeRun{"allRight", rightExcept({})},
                      WholeRun{"allWrong", rightExcept({0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                        10, 11, 12, 13, 14, 15, 16, 17, 18, 19})},
                      WholeRun{"alwaysYes", repeat(AnswerYes)},
                      WholeRun{"alwaysNo", repeat(AnswerNo)},
                      WholeRun{"mixed", rightExcept({0, 2, 4, 9, 10, 11, 12, 19})}),
    [](const auto& info) { return info.param.name; });

TEST(QuizRun, AllRightRunShowsTheBestPicturesInEveryRound) {
    ScriptedPort ui(rightExcept({}));
    const std::vector<PortCall> calls = play(ui);
    std::vector<std::string> pictures;
    for (const PortCall& call : calls) {
        if (call.kind == PortCall::Kind::Picture) pictures.push_back(call.text);
    }
    const std::vector<std::string> oneRound{"5õv.jpg", "4õv.jpg", "3õv.jpg",
                                            "2õv.jpg", "1õv.jpg", "0.jpg"};
    for (int round = 0; round < 4; ++round) {
        for (std::size_t i = 0; i < oneRound.size(); ++i) {
            EXPECT_EQ(pictures.at(static_cast<std::size_t>(round) * 7 + i), oneRound[i]);
        }
        EXPECT_EQ(pictures.at(static_cast<std::size_t>(round) * 7 + 6),
                  std::to_string(round + 1) + ".jpg");
    }
}

TEST(QuizRun, ButtonIsGreyBeforeTheFirstBoxAndCaptionStaysWaitingAtTheEnd) {
    ScriptedPort ui(repeat(AnswerYes));
    const std::vector<PortCall> calls = play(ui);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], PortCall::caption(asking));
    EXPECT_EQ(calls[1], PortCall::disable());
    EXPECT_EQ(calls[2].kind, PortCall::Kind::Ask);
    EXPECT_EQ(count(calls, PortCall::Kind::Disable), 1);
    // After the last round nothing changes the caption back.
    const auto lastCaption = std::find_if(calls.rbegin(), calls.rend(), [](const PortCall& c) {
        return c.kind == PortCall::Kind::Caption;
    });
    EXPECT_EQ(lastCaption->text, waiting);
}

struct FailureCase {
    std::string name;
    std::string picture;
    std::vector<Answer> answers;
    std::size_t callsBeforeFailure;  // calls made before the failing load
};

void PrintTo(const FailureCase& failure, std::ostream* out) {
    *out << failure.name;
}

class PictureFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PictureFailures, StopTheRunAtTheFailingLoad) {
    const FailureCase& failure = GetParam();
    ScriptedPort ui(failure.answers);
    ui.failPicture(failure.picture, 53);
    try {
        QuizRun(ui).run();
        FAIL() << "the run went on";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number, 53);
        EXPECT_EQ(error.fileName, failure.picture);
    }
    const std::vector<PortCall> full = expectedRun(failure.answers);
    const std::vector<PortCall> upToFailure(
        full.begin(), full.begin() + static_cast<long>(failure.callsBeforeFailure) + 1);
    expectSameCalls(ui.calls(), upToFailure);
    EXPECT_EQ(ui.calls().back(), PortCall::picture(failure.picture));
}

// Call numbers: 2 set-up calls, then 3 per question, then per round 0.jpg, caption, pump,
// round picture, pump and (rounds 1 to 3) caption: 21 calls per round.
INSTANTIATE_TEST_SUITE_P(
    Quiz, PictureFailures,
    ::testing::Values(FailureCase{"firstFeedbackPicture", "5õv.jpg", rightExcept({}), 4},
                      FailureCase{"wrongFeedbackPicture", "6vv.jpg", repeat(AnswerNo), 4},
                      FailureCase{"waitingPicture", "0.jpg", rightExcept({}), 17},
                      FailureCase{"firstRoundPicture", "1.jpg", rightExcept({}), 20},
                      FailureCase{"thirdRoundPicture", "3.jpg", rightExcept({}), 2 + 21 * 2 + 18}),
    [](const auto& info) { return info.param.name; });

TEST(Pause, EndsOnTheFirstReadingAtOrAfterFiveSeconds) {
    ScriptedPort ui;
    ui.advanceClockBy(1.25);
    Pause(ui);
    // 0, 1.25, 2.5, 3.75 are short of five seconds; 5.0 ends it.
    const std::vector<PortCall> expected{PortCall::pump(5.0), PortCall::pump(3.75),
                                         PortCall::pump(2.5), PortCall::pump(1.25)};
    EXPECT_EQ(ui.calls(), expected);
    EXPECT_EQ(ui.clockReadings(), 5);
}

TEST(Pause, NeverEndsEarlyAndWaitsAtMostTheRemainder) {
    ScriptedPort ui;
    ui.scheduleClockJumps({4.999, 0.0, 0.0005, 0.0005});
    Pause(ui);
    ASSERT_EQ(ui.calls().size(), 4u);
    EXPECT_DOUBLE_EQ(ui.calls()[0].seconds, 5.0);
    EXPECT_NEAR(ui.calls()[1].seconds, 0.001, 1e-9);
    EXPECT_NEAR(ui.calls()[2].seconds, 0.001, 1e-9);
    EXPECT_NEAR(ui.calls()[3].seconds, 0.0005, 1e-9);
}

TEST(Pause, ClockThatJumpsForwardEndsThePause) {
    ScriptedPort ui;
    ui.scheduleClockJumps({3600.0});
    Pause(ui);
    EXPECT_EQ(ui.calls().size(), 1u);
}

TEST(Pause, ClockThatJumpsBackNeverAsksForMoreThanTheWholePause) {
    ScriptedPort ui;
    ui.scheduleClockJumps({1.0, -100.0, 200.0});
    Pause(ui);
    ASSERT_EQ(ui.calls().size(), 3u);
    EXPECT_DOUBLE_EQ(ui.calls()[1].seconds, 4.0);
    EXPECT_DOUBLE_EQ(ui.calls()[2].seconds, 5.0);
}

}  // namespace
