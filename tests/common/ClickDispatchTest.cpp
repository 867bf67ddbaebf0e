// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "ClickDispatch.h"
#include "NamedRows.h"
#include "ScriptedPort.h"

// A port whose boxes cannot open, as when memory has run out.
struct PortWithoutBoxes : ScriptedPort {
    void showMessage(std::string_view, std::string_view) override { throw std::bad_alloc(); }
};

const auto endsTheQuiz = [](UiPort&) { throw ProgramEnd{0}; };
const auto findsAnInvalidPicture = [](UiPort&) { throw RunTimeError::invalidPicture("5õv.jpg"); };
const auto runsOutOfMemory = [](UiPort&) { throw std::bad_alloc(); };

// How the click handler's end becomes the exit status, the stderr line and the error box, on
// every port alike; a box that cannot be shown leaves the line as the report.
struct EndRow {
    const char* what;
    ClickHandler handler;
    bool boxFails;
    int status;
    std::string line;
    std::vector<std::string> calls;
};
const std::string invalid = "torvamik: Run-time error 481: Invalid picture: 5õv.jpg\n",
                  invalidBox =
                      "message Torvamik!: Run-time error '481':\n\nInvalid picture\n\n5õv.jpg",
                  noMemory = "torvamik: Run-time error 7: Out of memory\n",
                  noMemoryBox = "message Torvamik!: Run-time error '7':\n\nOut of memory";
const EndRow ends[] = {
    {"end", endsTheQuiz, false, 0, "", {}},
    {"invalid picture", findsAnInvalidPicture, false, 1, invalid, {invalidBox}},
    {"out of memory", runsOutOfMemory, false, 1, noMemory, {noMemoryBox}},
    {"no box", runsOutOfMemory, true, 1, noMemory, {}},
};
class QuizEnd : public testing::TestWithParam<EndRow> {};

TEST_P(QuizEnd, GivesItsStatusLineAndBox) {
    const EndRow& row = GetParam();
    ProgramDescription program{};
    program.form.caption = "Torvamik!";
    program.onButtonClick = row.handler;
    ScriptedPort working;
    PortWithoutBoxes failing;
    ScriptedPort& port = row.boxFails ? failing : working;
    testing::internal::CaptureStderr();
    const int status = runClickHandler(program, port);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), row.line);
    EXPECT_EQ(status, row.status);
    EXPECT_EQ(port.calls, row.calls);
}
INSTANTIATE_TEST_SUITE_P(ClickDispatch, QuizEnd, testing::ValuesIn(ends), NamedRows());
