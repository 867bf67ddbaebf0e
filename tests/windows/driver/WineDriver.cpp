// Plays the Windows program from outside, through its windows, and checks what a player sees.
// Runs under wine next to the program. Usage:
//   wine_driver play EXE FOLDER PAUSE_SECONDS
//       a whole quiz; PAUSE_SECONDS is a pause as the program's clock runs
//   wine_driver close-idle EXE FOLDER [DPI]
//       the idle window (at DPI dots per inch), then closing it ends with status 0
//   wine_driver close-in-pause EXE FOLDER
//       closing the window in a pause ends with status 0
//   wine_driver error EXE FOLDER NUMBER DESCRIPTION FILE
//       the first feedback picture fails: the error report, then status 1
//   wine_driver version EXE
//       the version record and the icon of the file
// Exit status 0 when every check held.
#include <windows.h>

#include <array>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Checks.h"
#include "ProgramUnderTest.h"
#include "QuestionCatalogue.h"
#include "SolidPictures.h"
#include "VersionCheck.h"

namespace {

constexpr DWORD startTimeoutMs = 30000;
constexpr DWORD boxTimeoutMs = 15000;
constexpr DWORD pictureTimeoutMs = 5000;
const std::wstring title = L"Torvamik!";

int scaled(int pixels) {
    static const int dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return value;
    }();
    return MulDiv(pixels, dpi, 96);
}

std::wstring wide(std::string_view utf8) {
    return fromUtf8(std::string(utf8));
}

std::string describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

bool sameRect(const RECT& rect, int left, int top, int width, int height) {
    return rect.left == scaled(left) && rect.top == scaled(top) &&
           rect.right - rect.left == scaled(width) && rect.bottom - rect.top == scaled(height);
}

const SolidPicture* pictureOfColour(COLORREF colour) {
    for (const SolidPicture& picture : solidPictures) {
        if (std::abs(GetRValue(colour) - picture.red) <= solidColourTolerance &&
            std::abs(GetGValue(colour) - picture.green) <= solidColourTolerance &&
            std::abs(GetBValue(colour) - picture.blue) <= solidColourTolerance) {
            return &picture;
        }
    }
    return nullptr;
}

std::string shownPictures(const std::vector<COLORREF>& samples) {
    std::string result;
    for (COLORREF colour : samples) {
        const SolidPicture* picture = pictureOfColour(colour);
        char rgb[32];
        std::snprintf(rgb, sizeof rgb, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                      GetBValue(colour));
        result += std::string(picture ? picture->name : "no picture") + " " + rgb + "; ";
    }
    return result;
}

// Waits until the picture area shows the named picture; returns when it was first seen.
ULONGLONG waitForPicture(const ProgramUnderTest& program, Checks& checks, std::string_view name,
                         const std::string& when, DWORD timeoutMs = pictureTimeoutMs) {
    const ULONGLONG start = GetTickCount64();
    std::vector<COLORREF> samples;
    while (GetTickCount64() - start < timeoutMs) {
        samples = program.pictureSamples();
        bool all = true;
        for (COLORREF colour : samples) {
            const SolidPicture* shown = pictureOfColour(colour);
            all = all && shown && shown->name == name;
        }
        if (all) return GetTickCount64();
        Sleep(5);
    }
    checks.expect(false, when + ": expected " + std::string(name) + ", the area shows " +
                             shownPictures(samples));
    return GetTickCount64();
}

// True as soon as the condition holds, false if it still fails after the timeout.
bool eventually(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) return false;
        Sleep(5);
    }
    return true;
}

bool waitForCaption(const ProgramUnderTest& program, const std::wstring& caption, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (program.buttonText() != caption) {
        if (GetTickCount64() >= end) return false;
        Sleep(5);
    }
    return true;
}

void checkBox(Checks& checks, const BoxContents& box, const std::wstring& text,
              const std::vector<std::wstring>& buttons, const std::string& what) {
    checks.expect(box.title == title, what + ": title \"" + toUtf8(box.title) + "\"");
    checks.expect(box.text == text,
                  what + ": text \"" + toUtf8(box.text) + "\", expected \"" + toUtf8(text) + "\"");
    std::string seen;
    for (const std::wstring& button : box.buttons) seen += "[" + toUtf8(button) + "]";
    checks.expect(box.buttons == buttons, what + ": buttons " + seen);
    checks.expect(!box.hasIcon, what + ": shows an icon");
}

void checkStartWindow(ProgramUnderTest& program, Checks& checks) {
    checks.expect(windowText(program.mainWindow()) == title,
                  "window title \"" + toUtf8(windowText(program.mainWindow())) + "\"");
    const RECT client = program.clientRect();
    checks.expect(client.right == scaled(504) && client.bottom == scaled(448),
                  "client area " + describe(client));
    const RECT button = program.childRect(program.button());
    checks.expect(sameRect(button, 8, 8, 489, 49), "button at " + describe(button));
    const RECT area = program.childRect(program.pictureArea());
    checks.expect(sameRect(area, 8, 64, 488, 376), "picture area at " + describe(area));
    checks.expect(program.buttonText() == L"Alusta mängu.",
                  "start caption \"" + toUtf8(program.buttonText()) + "\"");
    checks.expect(program.buttonEnabled(), "the start button is disabled");
    // The window manager activates the window a moment after it is shown.
    checks.expect(eventually([&] { return program.buttonHasFocus(); }, 3000),
                  "the start button has no keyboard focus");
    checks.expect(program.openBox() == nullptr, "a box is open before the first click");
    Sleep(200);
    const std::vector<COLORREF> samples = program.pictureSamples();
    for (COLORREF colour : samples) {
        checks.expect(pictureOfColour(colour) == nullptr,
                      "the picture area is not empty at start: " + shownPictures(samples));
    }
}

// One round of the worked table: R = right answer, W = wrong, and the pictures after each.
struct PlannedRound {
    std::string_view answers;
    std::array<std::string_view, 5> pictures;
};
constexpr std::array<PlannedRound, 4> plan{{
    {"RRRRR", {"5õv.jpg", "4õv.jpg", "3õv.jpg", "2õv.jpg", "1õv.jpg"}},
    {"WWWWW", {"6vv.jpg", "6vv.jpg", "6vv.jpg", "6vv.jpg", "6vv.jpg"}},
    {"RRWRW", {"5õv.jpg", "4õv.jpg", "5vv.jpg", "4õv.jpg", "5vv.jpg"}},
    {"WRRWR", {"6vv.jpg", "5õv.jpg", "4õv.jpg", "5vv.jpg", "4õv.jpg"}},
}};

std::wstring buttonFor(Answer answer) {
    return answer == AnswerYes ? L"Yes" : L"No";
}

// Answers one question and closes its feedback box.
void playQuestion(ProgramUnderTest& program, Checks& checks, int round, int position, bool right) {
    const std::string where = "question " + std::to_string(round) + "." + std::to_string(position);
    const CatalogueEntry& entry = QuestionCatalogue::entry(round, position);
    const BoxContents question = program.waitForBox(boxTimeoutMs);
    checkBox(checks, question, wide(entry.statement), {L"Yes", L"No"}, where);
    checks.expect(program.buttonText() == wide(QuestionCatalogue::askingCaption()),
                  where + ": caption \"" + toUtf8(program.buttonText()) + "\"");
    checks.expect(!program.buttonEnabled(), where + ": the button is enabled");
    const Answer other = entry.correctAnswer == AnswerYes ? AnswerNo : AnswerYes;
    program.answer(question, buttonFor(right ? entry.correctAnswer : other), boxTimeoutMs);

    const BoxContents feedback = program.waitForBox(boxTimeoutMs);
    checkBox(checks, feedback,
             wide(right ? QuestionCatalogue::rightAnswerFeedback()
                        : QuestionCatalogue::wrongAnswerFeedback()),
             {L"OK"}, where + " feedback");
    program.answer(feedback, L"OK", boxTimeoutMs);
}

int play(const std::wstring& exe, const std::wstring& folder, double pauseSeconds) {
    Checks checks;
    ProgramUnderTest program(exe, folder);
    program.waitForMainWindow(startTimeoutMs);
    checkStartWindow(program, checks);
    program.clickStartButton();

    // A pause may look a little shorter from outside, by the time it takes to see a picture.
    const ULONGLONG shortestPauseMs = static_cast<ULONGLONG>(pauseSeconds * 1000.0 * 0.9);
    for (int round = 1; round <= 4; ++round) {
        const PlannedRound& planned = plan[round - 1];
        for (int position = 1; position <= 5; ++position) {
            playQuestion(program, checks, round, position, planned.answers[position - 1] == 'R');
            if (position < 5) {
                // Seen behind the next question box; the fifth one gives way at once to 0.jpg.
                program.waitForBox(boxTimeoutMs);
                waitForPicture(
                    program, checks, planned.pictures[position - 1],
                    "after question " + std::to_string(round) + "." + std::to_string(position));
            }
        }
        const std::string after = "after round " + std::to_string(round);
        const ULONGLONG waitingShown = waitForPicture(program, checks, "0.jpg", after);
        checks.expect(waitForCaption(program, wide(QuestionCatalogue::waitingCaption()), 2000),
                      after + ": caption \"" + toUtf8(program.buttonText()) + "\"");
        const std::string roundPicture = std::to_string(round) + ".jpg";
        const ULONGLONG roundShown =
            waitForPicture(program, checks, roundPicture, after,
                           static_cast<DWORD>(pauseSeconds * 1000) + pictureTimeoutMs);
        checks.expect(
            roundShown - waitingShown >= shortestPauseMs,
            after + ": the first pause took " + std::to_string(roundShown - waitingShown) + " ms");
        checks.expect(
            program.buttonText() == wide(QuestionCatalogue::waitingCaption()),
            after + ": caption during the second pause \"" + toUtf8(program.buttonText()) + "\"");
        if (round < 4) {
            const BoxContents next = program.waitForBox(boxTimeoutMs);
            checks.expect(GetTickCount64() - roundShown >= shortestPauseMs,
                          after + ": the second pause was too short");
            (void)next;
        }
    }
    const ULONGLONG lastShown = GetTickCount64();
    const DWORD status =
        program.waitForExit(static_cast<DWORD>(pauseSeconds * 1000) + boxTimeoutMs);
    checks.expect(status == 0, "exit status " + std::to_string(status));
    checks.expect(GetTickCount64() - lastShown + 200 >= shortestPauseMs,
                  "the program ended before the last pause was over");
    return checks.failures();
}

int closeIdle(const std::wstring& exe, const std::wstring& folder, int expectedDpi) {
    Checks checks;
    if (expectedDpi > 0) {
        checks.expect(scaled(96) == expectedDpi, "the display runs at " +
                                                     std::to_string(scaled(96)) + " dpi, not " +
                                                     std::to_string(expectedDpi));
    }
    ProgramUnderTest program(exe, folder);
    program.waitForMainWindow(startTimeoutMs);
    checkStartWindow(program, checks);
    PostMessageW(program.mainWindow(), WM_CLOSE, 0, 0);
    const DWORD status = program.waitForExit(boxTimeoutMs);
    checks.expect(status == 0,
                  "exit status after closing the idle window: " + std::to_string(status));
    return checks.failures();
}

int closeInPause(const std::wstring& exe, const std::wstring& folder) {
    Checks checks;
    ProgramUnderTest program(exe, folder);
    program.waitForMainWindow(startTimeoutMs);
    program.clickStartButton();
    for (int position = 1; position <= 5; ++position) {
        playQuestion(program, checks, 1, position, true);
    }
    checks.expect(waitForCaption(program, wide(QuestionCatalogue::waitingCaption()), boxTimeoutMs),
                  "no pause after round 1");
    PostMessageW(program.mainWindow(), WM_CLOSE, 0, 0);
    const ULONGLONG end = GetTickCount64() + boxTimeoutMs;
    bool boxSeen = false;
    while (!program.hasExited() && GetTickCount64() < end) {
        boxSeen = boxSeen || program.openBox() != nullptr;
        Sleep(5);
    }
    checks.expect(!boxSeen, "a box opened after the window was closed");
    const DWORD status = program.waitForExit(1000);
    checks.expect(status == 0, "exit status after closing in a pause: " + std::to_string(status));
    return checks.failures();
}

int pictureError(const std::wstring& exe, const std::wstring& folder, const std::wstring& number,
                 const std::wstring& description, const std::wstring& file) {
    Checks checks;
    ProgramUnderTest program(exe, folder);
    program.waitForMainWindow(startTimeoutMs);
    program.clickStartButton();
    playQuestion(program, checks, 1, 1, true);  // the first feedback picture: 5õv.jpg
    const BoxContents report = program.waitForBox(boxTimeoutMs);
    checkBox(checks, report,
             L"Run-time error '" + number + L"':\n\n" + description + L"\n\n" + file, {L"OK"},
             "error report");
    program.answer(report, L"OK", boxTimeoutMs);
    const DWORD status = program.waitForExit(boxTimeoutMs);
    checks.expect(status == 1, "exit status after the error: " + std::to_string(status));
    return checks.failures();
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    SetProcessDPIAware();
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    const std::wstring mode = args.empty() ? L"" : args[0];
    try {
        int failures = -1;
        if (mode == L"play" && args.size() == 4) {
            failures = play(args[1], args[2], _wtof(args[3].c_str()));
        } else if (mode == L"close-idle" && (args.size() == 3 || args.size() == 4)) {
            failures = closeIdle(args[1], args[2], args.size() == 4 ? _wtoi(args[3].c_str()) : 0);
        } else if (mode == L"close-in-pause" && args.size() == 3) {
            failures = closeInPause(args[1], args[2]);
        } else if (mode == L"error" && args.size() == 6) {
            failures = pictureError(args[1], args[2], args[3], args[4], args[5]);
        } else if (mode == L"version" && args.size() == 2) {
            failures = checkVersionRecord(args[1]);
        } else {
            std::fprintf(stderr, "wine_driver: unknown mode or wrong arguments\n");
            return 2;
        }
        std::printf("%s: %d failed check(s)\n", toUtf8(mode).c_str(), failures);
        return failures == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::printf("FAIL: %s\n", error.what());
        return 1;
    }
}
