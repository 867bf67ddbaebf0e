#pragma once

#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "UiPort.h"

// One call the quiz made on the port, with its arguments.
struct PortCall {
    enum class Kind { Ask, Message, Picture, Caption, Disable, Pump, End };
    Kind kind;
    std::string text;    // prompt, picture name or caption
    std::string title;   // box title
    double seconds = 0;  // longest wait of a pump

    static PortCall ask(std::string prompt, std::string title = "Torvamik!") {
        return {Kind::Ask, std::move(prompt), std::move(title)};
    }
    static PortCall message(std::string prompt, std::string title = "Torvamik!") {
        return {Kind::Message, std::move(prompt), std::move(title)};
    }
    static PortCall picture(std::string name) { return {Kind::Picture, std::move(name), {}}; }
    static PortCall caption(std::string text) { return {Kind::Caption, std::move(text), {}}; }
    static PortCall disable() { return {Kind::Disable, {}, {}}; }
    static PortCall pump(double seconds) { return {Kind::Pump, {}, {}, seconds}; }
    static PortCall end() { return {Kind::End, {}, {}}; }

    bool operator==(const PortCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PortCall& call);

// Thrown by the scripted endProgram() so that a test gets control back.
struct ScriptedProgramEnd {};

// A UiPort for tests: answers question boxes from a script, records every call in order, keeps a
// fake clock that pumps advance, and fails the loads of chosen picture names.
class ScriptedPort : public UiPort {
public:
    explicit ScriptedPort(std::vector<Answer> answers = {})
        : answers_(answers.begin(), answers.end()) {}

    // How a pump moves the fake clock: by the whole wait it was given (the default), or by a
    // fixed step, or by the next jumps in this list.
    void advanceClockBy(double step) { fixedStep_ = step; }
    void scheduleClockJumps(std::vector<double> jumps) {
        jumps_.assign(jumps.begin(), jumps.end());
    }
    void setClock(double now) { now_ = now; }
    void failPicture(const std::string& name, int errorNumber) { failures_[name] = errorNumber; }

    const std::vector<PortCall>& calls() const { return calls_; }
    int clockReadings() const { return clockReadings_; }

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    void showMessage(std::string_view prompt, std::string_view title) override;
    void showPicture(std::string_view fileName) override;
    void setCaption(std::string_view text) override;
    void disableButton() override;
    double clockSeconds() override;
    void pumpEvents(double maxWaitSeconds) override;
    [[noreturn]] void endProgram() override;

private:
    std::deque<Answer> answers_;
    std::vector<PortCall> calls_;
    std::map<std::string, int> failures_;
    std::deque<double> jumps_;
    double fixedStep_ = 0;
    double now_ = 1000.0;
    int clockReadings_ = 0;
    int pumps_ = 0;
    static constexpr int maxPumps = 100000;
};
