// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "UiPort.h"

// Thrown by the scripted endProgram() so that a test gets control back.
struct ScriptedEnd {};

// A UiPort for tests: answers the question boxes from a script ('J' for Jah, 'E' for Ei), writes
// every call down as one line of text (reading ahead is left out: only its speed can be seen), and
// keeps a clock that each pump moves on.
class ScriptedPort : public UiPort {
public:
    explicit ScriptedPort(std::string answers = {}) : answers_(std::move(answers)) {}

    std::vector<std::string> calls;  // "ask Torvamik!: ...", "picture 5õv.jpg", "pump 5.000000"
    std::deque<double> clockSteps;   // how far each pump moves the clock; then by its whole wait

    Answer askYesNo(std::string_view prompt, std::string_view title) override {
        record("ask ", title, ": ", prompt);
        if (next_ == answers_.size()) throw std::logic_error("the script has no answer left");
        return answers_[next_++] == 'J' ? AnswerYes : AnswerNo;
    }
    void showMessage(std::string_view prompt, std::string_view title) override {
        record("message ", title, ": ", prompt);
    }
    void showPicture(std::string_view name) override { record("picture ", name); }
    void setCaption(std::string_view text) override { record("caption ", text); }
    void disableButton() override { record("disable"); }
    double clockSeconds() override { return now_; }
    void pumpEvents(double maxWaitSeconds) override {
        record("pump ", std::to_string(maxWaitSeconds));  // the longest wait, in seconds
        // A pause that never ends would hang the test run; fail it instead.
        if (calls.size() > 10000) throw std::logic_error("the quiz keeps pumping without end");
        now_ += clockSteps.empty() ? maxWaitSeconds : clockSteps.front();
        if (!clockSteps.empty()) clockSteps.pop_front();
    }
    [[noreturn]] void endProgram() override {
        record("end");
        throw ScriptedEnd{};
    }

private:
    template <typename... Parts>
    void record(const Parts&... parts) {
        calls.push_back((std::string() += ... += parts));
    }

    std::string answers_;
    std::size_t next_ = 0;
    double now_ = 1000.0;
};
