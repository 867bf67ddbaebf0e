// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include <stdexcept>
#include <utility>

#include "WideText.h"

namespace {

constexpr wchar_t formClass[] = L"TorvamikForm";
constexpr wchar_t pictureClass[] = L"TorvamikPicture";
constexpr int buttonId = 100;
constexpr int programIconId = 1;
constexpr DWORD formStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

int systemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int scaled(int twipsLength, int dpi) {
    return MulDiv(twips::toPixels(twipsLength), dpi, 96);
}

RectPixels scaled(const RectTwips& rect, int dpi) {
    const RectPixels pixels = twips::toPixels(rect);
    return {MulDiv(pixels.left, dpi, 96), MulDiv(pixels.top, dpi, 96),
            MulDiv(pixels.width, dpi, 96), MulDiv(pixels.height, dpi, 96)};
}

void registerClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof(form);
        form.lpfnWndProc = DefWindowProcW;
        form.hInstance = instance;
        form.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIconId),
                                                   IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIconId),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
        form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        form.lpszClassName = formClass;
        WNDCLASSEXW picture = form;
        picture.hIcon = nullptr;
        picture.hIconSm = nullptr;
        picture.lpszClassName = pictureClass;
        return RegisterClassExW(&form) != 0 && RegisterClassExW(&picture) != 0;
    }();
    if (!registered) throw std::runtime_error("cannot register the window classes");
}

template <typename Procedure>
void setProcedure(HWND window, Procedure procedure, void* owner) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

}  // namespace

MainWindow::MainWindow(const ProgramDescription& description, std::function<void()> onClick)
    : onClick_(std::move(onClick)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClasses(instance);

    const int dpi = systemDpi();
    RECT frame{0, 0, scaled(description.form.clientWidth, dpi),
               scaled(description.form.clientHeight, dpi)};
    AdjustWindowRectEx(&frame, formStyle, FALSE, 0);
    window_ = CreateWindowExW(0, formClass, toWide(description.form.caption).c_str(), formStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window_) throw std::runtime_error("cannot create the main window");
    setProcedure(window_, &MainWindow::formProcedure, this);

    const ButtonDescription& command = description.button;
    const FontDescription& font = command.font;
    font_.reset(CreateFontW(-MulDiv(font.pixelSize, dpi, 96), 0, 0, 0, font.weight, font.italic,
                            font.underline, font.strikeOut, static_cast<DWORD>(font.charSet),
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, toWide(font.face).c_str()));
    const RectPixels button = scaled(command.rect, dpi);
    button_ =
        CreateWindowExW(0, L"BUTTON", toWide(command.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE |
                            (command.enabled ? 0 : WS_DISABLED),
                        button.left, button.top, button.width, button.height, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId)), instance, nullptr);
    const RectPixels area = scaled(description.picture.rect, dpi);
    // No text until a picture brings its description: a screen reader hears no invented name.
    picture_ = CreateWindowExW(0, pictureClass, L"", WS_CHILD | WS_VISIBLE, area.left, area.top,
                               area.width, area.height, window_, nullptr, instance, nullptr);
    if (!button_ || !picture_) throw std::runtime_error("cannot create the controls");
    setProcedure(picture_, &MainWindow::pictureProcedure, this);
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

MainWindow::~MainWindow() {
    if (window_ && !closed_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void MainWindow::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(button_);
}

void MainWindow::setButtonText(const std::wstring& text) {
    SetWindowTextW(button_, text.c_str());
    UpdateWindow(button_);
}

void MainWindow::disableButton() {
    EnableWindow(button_, FALSE);
}

SIZE MainWindow::pictureSize() const {
    RECT client{};
    GetClientRect(picture_, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void MainWindow::setPicture(LoadedPicture picture) {
    bitmap_ = std::move(picture.bitmap);
    SetWindowTextW(picture_, picture.description.c_str());
    InvalidateRect(picture_, nullptr, FALSE);
    UpdateWindow(picture_);
}

void MainWindow::close() {
    if (!closed_) DestroyWindow(window_);
}

bool MainWindow::handleDialogMessage(MSG& message) const {
    return !closed_ && IsDialogMessageW(window_, &message);
}

LRESULT CALLBACK MainWindow::formProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->handleFormMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleFormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == buttonId && HIWORD(wParam) == BN_CLICKED &&
                reinterpret_cast<HWND>(lParam) == button_) {
                // A click queued before the button went grey must not count.
                if (IsWindowEnabled(button_)) onClick_();
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (IsWindowEnabled(button_)) SetFocus(button_);
            return 0;
        case WM_DESTROY:
            closed_ = true;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::pictureProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_PAINT) {
        self->paintPicture();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::paintPicture() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(picture_, &paint);
    if (bitmap_) {
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ previous = SelectObject(source, bitmap_.get());
        const SIZE size = pictureSize();
        BitBlt(dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else {
        FillRect(dc, &paint.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    }
    EndPaint(picture_, &paint);
}
