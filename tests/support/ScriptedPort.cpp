#include "ScriptedPort.h"

#include <stdexcept>

std::ostream& operator<<(std::ostream& out, const PortCall& call) {
    switch (call.kind) {
        case PortCall::Kind::Ask:
            return out << "ask[" << call.title << "] " << call.text;
        case PortCall::Kind::Message:
            return out << "message[" << call.title << "] " << call.text;
        case PortCall::Kind::Picture:
            return out << "picture " << call.text;
        case PortCall::Kind::Caption:
            return out << "caption " << call.text;
        case PortCall::Kind::Disable:
            return out << "disable";
        case PortCall::Kind::Pump:
            return out << "pump " << call.seconds;
        case PortCall::Kind::End:
            return out << "end";
    }
    return out;
}

Answer ScriptedPort::askYesNo(std::string_view prompt, std::string_view title) {
    calls_.push_back(PortCall::ask(std::string(prompt), std::string(title)));
    if (answers_.empty()) throw std::logic_error("the script has no answer left");
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedPort::showMessage(std::string_view prompt, std::string_view title) {
    calls_.push_back(PortCall::message(std::string(prompt), std::string(title)));
}

void ScriptedPort::showPicture(std::string_view fileName) {
    calls_.push_back(PortCall::picture(std::string(fileName)));
    const auto failure = failures_.find(std::string(fileName));
    if (failure == failures_.end()) return;
    throw failure->second == 53 ? RunTimeError::fileNotFound(failure->first)
                                : RunTimeError::invalidPicture(failure->first);
}

void ScriptedPort::setCaption(std::string_view text) {
    calls_.push_back(PortCall::caption(std::string(text)));
}

void ScriptedPort::disableButton() {
    calls_.push_back(PortCall::disable());
}

double ScriptedPort::clockSeconds() {
    ++clockReadings_;
    return now_;
}

void ScriptedPort::pumpEvents(double maxWaitSeconds) {
    calls_.push_back(PortCall::pump(maxWaitSeconds));
    // A pause that never ends would hang the test run; fail it instead.
    if (++pumps_ > maxPumps) throw std::logic_error("the quiz keeps pumping events without end");
    if (!jumps_.empty()) {
        now_ += jumps_.front();
        jumps_.pop_front();
    } else {
        now_ += fixedStep_ > 0 ? fixedStep_ : maxWaitSeconds;
    }
}

void ScriptedPort::endProgram() {
    calls_.push_back(PortCall::end());
    throw ScriptedProgramEnd{};
}
