// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

// A failing platform call. The quiz catches none; the platform reports it (number, description
// and the file concerned, if any) and ends the program with status 1.
struct RunTimeError {
    int number;
    std::string description;
    std::string fileName;

    static RunTimeError fileNotFound(std::string name) {
        return {53, "File not found", std::move(name)};
    }
    static RunTimeError invalidPicture(std::string name) {
        return {481, "Invalid picture", std::move(name)};
    }
    static RunTimeError outOfMemory() { return {7, "Out of memory", {}}; }

    // The line on standard error: "Run-time error 53: File not found: 5õv.jpg".
    std::string report() const {
        return "Run-time error " + std::to_string(number) + ": " + description +
               (fileName.empty() ? "" : ": " + fileName);
    }
    // The error box's text: "Run-time error '53':", the description and the file, a blank line
    // apart.
    std::string boxText() const {
        return "Run-time error '" + std::to_string(number) + "':\n\n" + description +
               (fileName.empty() ? "" : "\n\n" + fileName);
    }
};

// Thrown by a port's endProgram() to unwind the quiz back to the click dispatch, which then ends
// the process; it carries the exit status.
struct ProgramEnd {
    int exitStatus = 0;
};
