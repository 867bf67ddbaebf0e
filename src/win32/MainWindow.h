// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>

#include "Owned.h"
#include "PictureLoader.h"
#include "WindowDescription.h"

// Form1 with Command1 and Image1 as Windows windows, built once from the program's description.
// Lengths go from twips to pixels at 96 dots per inch and then scale with the system's DPI; the
// size and the controls' places never change afterwards.
class MainWindow {
public:
    // onClick runs on a click of the button, inside the window procedure.
    MainWindow(const ProgramDescription& description, std::function<void()> onClick);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    bool isClosed() const { return closed_; }

    void show(int showCommand);
    void setButtonText(const std::wstring& text);
    void disableButton();
    // Takes the picture, already drawn at pictureSize(), and paints it at once. Its description
    // becomes the picture control's window text, which the control never draws but a screen
    // reader reads as its name.
    void setPicture(LoadedPicture picture);
    SIZE pictureSize() const;
    void close();

    // Keyboard navigation of the dialog-like window: Space and Return press the focused button.
    bool handleDialogMessage(MSG& message) const;

private:
    static LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK pictureProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    LRESULT handleFormMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paintPicture();

    std::function<void()> onClick_;
    HWND window_ = nullptr;
    HWND button_ = nullptr;
    HWND picture_ = nullptr;
    FontHandle font_;
    BitmapHandle bitmap_;
    bool closed_ = false;
};
