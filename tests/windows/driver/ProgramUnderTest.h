#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What the driver sees of a message box of the program.
struct BoxContents {
    HWND handle = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;  // visible buttons, mnemonics removed, in creation order
    bool hasIcon = false;
};

// The program started from its file in a given folder, seen from outside through its windows,
// as a player would see it. Every wait is bounded and throws std::runtime_error on timeout.
class ProgramUnderTest {
public:
    ProgramUnderTest(const std::wstring& exe, const std::wstring& folder);
    ~ProgramUnderTest();  // kills the process if it still runs
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    HWND waitForMainWindow(DWORD timeoutMs);
    HWND mainWindow() const { return main_; }
    HWND button() const { return button_; }
    HWND pictureArea() const { return picture_; }

    // The next message box of the program; throws if none appears in time.
    BoxContents waitForBox(DWORD timeoutMs) const;
    // A box still open, if any.
    HWND openBox() const;
    // Presses the box's button with this caption (mnemonics ignored) and waits for the box to go.
    void answer(const BoxContents& box, const std::wstring& buttonCaption, DWORD timeoutMs) const;

    void clickStartButton() const;
    std::wstring buttonText() const;
    bool buttonEnabled() const;
    bool buttonHasFocus() const;
    RECT clientRect() const;
    // A child's rectangle in the main window's client coordinates.
    RECT childRect(HWND child) const;

    // The colour on screen at two points inside the picture area, away from where boxes open.
    std::vector<COLORREF> pictureSamples() const;

    // Waits for the process to end and returns its exit status.
    DWORD waitForExit(DWORD timeoutMs);
    bool hasExited() const;

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    HWND button_ = nullptr;
    HWND picture_ = nullptr;
};

std::wstring windowText(HWND window);
std::wstring className(HWND window);
std::wstring fromUtf8(const std::string& utf8);
std::string toUtf8(const std::wstring& wide);
