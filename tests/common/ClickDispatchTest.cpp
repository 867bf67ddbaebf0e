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

// How the click handler's end becomes the exit status, the stderr line and the error box, on
// every port alike.
struct EndRow {
    const char* what;
    ClickHandler handler;
    bool boxFails;
    int status;
    std::string line;
    std::vector<std::string> calls;
};
const EndRow ends[] = {
    {"end", [](UiPort&) { throw ProgramEnd{0}; }, false, 0, "", {}},
    {"invalid picture",
     [](UiPort&) { throw RunTimeError::invalidPicture("5õv.jpg"); },
     false,
     1,
     "torvamik: Run-time error 481: Invalid picture: 5õv.jpg\n",
     {"message Torvamik!: Run-time error '481':\n\nInvalid picture\n\n5õv.jpg"}},
    {"out of memory",
     [](UiPort&) { throw std::bad_alloc(); },
     false,
     1,
     "torvamik: Run-time error 7: Out of memory\n",
     {"message Torvamik!: Run-time error '7':\n\nOut of memory"}},
    // A box that cannot be shown leaves the line as the report.
    {"no box",
     [](UiPort&) { throw std::bad_alloc(); },
     true,
     1,
     "torvamik: Run-time error 7: Out of memory\n",
     {}},
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
