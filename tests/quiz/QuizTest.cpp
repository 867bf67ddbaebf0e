// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "NamedRows.h"
#include "Pause.h"
#include "QuizRun.h"
#include "ScriptedPort.h"
#include "TestData.h"

namespace {

const std::string asking = "caption Jälgige ka fotot dialoogikasti taga!";

// Four rounds played by four plans of the answer plan table: the answers the scripted port gives,
// and every call the run must make, from the tests' own statements, keys and pictures.
struct WholeRun {
    std::string answers;
    std::vector<std::string> calls{asking, "disable"};
};

WholeRun playedBy(const std::vector<std::string>& roundPlans) {
    WholeRun run;
    const std::vector<testdata::Row> statements = testdata::readTable("statements.tsv");
    const std::vector<testdata::Row> plans = testdata::readTable("answer-plans.tsv");
    for (std::size_t round = 0; round < roundPlans.size(); ++round) {
        const auto plan = std::find_if(plans.begin(), plans.end(),
                                       [&](const auto& p) { return p.at(0) == roundPlans[round]; });
        if (plan == plans.end()) throw std::logic_error("no plan " + roundPlans[round]);
        std::istringstream pictures(plan->at(1));
        if (round > 0) run.calls.push_back(asking);
        for (std::size_t position = 0; position < 5; ++position) {
            const testdata::Row& statement = statements.at(round * 5 + position);
            const bool right = plan->at(0)[position] == 'r';
            run.answers += right == (statement.at(2) == "Jah") ? 'J' : 'E';
            std::string picture;
            pictures >> picture;
            run.calls.insert(run.calls.end(), {"ask Torvamik!: " + statement.at(3),
                                               right ? "message Torvamik!: Vastus oli õige!"
                                                     : "message Torvamik!: Vastus oli vale!",
                                               "picture " + picture});
        }
        run.calls.insert(run.calls.end(),
                         {"picture 0.jpg", "caption Oota pisut...", "pump 5.000000",
                          "picture " + std::to_string(round + 1) + ".jpg", "pump 5.000000"});
    }
    run.calls.push_back("end");
    return run;
}

// 20 question and 20 feedback boxes, 28 pictures, 8 pauses and the end, in this order; between
// them the plans show every feedback picture, and a round starts again from a score of nothing.
struct RunRow {
    const char* what;
    std::vector<std::string> roundPlans;
};
const RunRow runs[] = {
    {"every feedback picture", {"rrrrr", "rrrwr", "wrrwr", "rrrrw"}},
    {"all wrong, then from nothing", {"rrrrr", "wwwww", "rrwrw", "rrwwr"}},
};
class QuizRunPlaying : public testing::TestWithParam<RunRow> {};

TEST_P(QuizRunPlaying, MakesEveryCallInOrder) {
    const WholeRun expected = playedBy(GetParam().roundPlans);
    ScriptedPort ui(expected.answers);
    EXPECT_THROW(QuizRun(ui).run(), ScriptedEnd);
    EXPECT_EQ(ui.calls, expected.calls);
}
INSTANTIATE_TEST_SUITE_P(QuizRun, QuizRunPlaying, testing::ValuesIn(runs), NamedRows());

struct PauseRow {
    const char* what;
    std::deque<double> clockSteps;   // how far each pump moves the clock
    std::vector<std::string> pumps;  // the pumps, with the longest wait each is given
};
const PauseRow pauses[] = {
    {"in four steps",
     {1.25, 1.25, 1.25, 1.25},
     {"pump 5.000000", "pump 3.750000", "pump 2.500000", "pump 1.250000"}},
    {"just short, then standing",
     {4.999, 0, 0.0005, 0.0005},
     {"pump 5.000000", "pump 0.001000", "pump 0.001000", "pump 0.000500"}},
    {"the clock jumps forward", {3600}, {"pump 5.000000"}},
    {"the clock jumps back", {1, -100, 200}, {"pump 5.000000", "pump 4.000000", "pump 5.000000"}},
};
class PauseTaking : public testing::TestWithParam<PauseRow> {};

TEST_P(PauseTaking, EndsOnTheFirstClockReadingAtOrAfterFiveSeconds) {
    ScriptedPort ui;
    ui.clockSteps = GetParam().clockSteps;
    Pause(ui);
    EXPECT_EQ(ui.calls, GetParam().pumps);
}
INSTANTIATE_TEST_SUITE_P(Pause, PauseTaking, testing::ValuesIn(pauses), NamedRows());

}  // namespace
