// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "QuizRun.h"

namespace {

void Command1_Click(UiPort& ui) {
    QuizRun(ui).run();
}

constexpr ProgramDescription program{
    .form = {.name = "Form1", .caption = "Torvamik!", .clientWidth = 7560, .clientHeight = 6720},
    // 7335 wide: one pixel wider than Image1.
    .button = {.name = "Command1",
               .caption = "Alusta mängu.",
               .rect = {.left = 120, .top = 120, .width = 7335, .height = 735},
               .font = {.face = "MS Sans Serif",
                        .pixelSize = 23,
                        .weight = 400,
                        .italic = false,
                        .underline = false,
                        .strikeOut = false,
                        .charSet = 186},
               .enabled = true},
    .picture = {.name = "Image1", .rect = {.left = 120, .top = 960, .width = 7320, .height = 5640}},
    .onButtonClick = &Command1_Click,
};

}  // namespace

const ProgramDescription& torvamikProgram() {
    return program;
}
