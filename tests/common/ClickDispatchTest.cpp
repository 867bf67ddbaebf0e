// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "ClickDispatch.h"
#include "ScriptedPort.h"

// How the click handler's end becomes the exit status, the stderr line and the error box, on
// every port alike.
TEST(ClickDispatch, EveryWayTheQuizEndsGivesItsStatusLineAndBox) {
    const struct {
        ClickHandler handler;
        bool boxFails;
        int status;
        std::string line, box;
    } rows[] = {
        {[](UiPort&) { throw ProgramEnd{0}; }, false, 0, "", ""},
        {[](UiPort&) { throw RunTimeError::invalidPicture("5õv.jpg"); }, false, 1,
         "torvamik: Run-time error 481: Invalid picture: 5õv.jpg\n",
         "Run-time error '481':\n\nInvalid picture\n\n5õv.jpg"},
        {[](UiPort&) { throw std::bad_alloc(); }, false, 1,
         "torvamik: Run-time error 7: Out of memory\n", "Run-time error '7':\n\nOut of memory"},
        // A box that cannot be shown leaves the line as the report.
        {[](UiPort&) { throw std::bad_alloc(); }, true, 1,
         "torvamik: Run-time error 7: Out of memory\n", ""},
    };
    for (const auto& row : rows) {
        ScriptedPort port;
        std::string box;
        testing::internal::CaptureStderr();
        const int status = runClickHandler(row.handler, port, [&](const std::string& text) {
            if (row.boxFails) throw std::bad_alloc();
            box = text;
        });
        EXPECT_EQ(testing::internal::GetCapturedStderr(), row.line);
        EXPECT_EQ(status, row.status);
        EXPECT_EQ(box, row.box);
    }
}
