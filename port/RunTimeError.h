#pragma once

#include <string>
#include <utility>

// A failing platform call. The quiz catches none; the platform reports it (number, description
// and the file concerned) and ends the program with status 1.
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

    // "Run-time error 53: File not found: 5õv.jpg"
    std::string report() const {
        return "Run-time error " + std::to_string(number) + ": " + description + ": " + fileName;
    }
};

// Thrown by a port's endProgram() to unwind the quiz back to the click dispatch, which then ends
// the process; it carries the exit status.
struct ProgramEnd {
    int exitStatus = 0;
};
