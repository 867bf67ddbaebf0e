#pragma once

#include <future>
#include <thread>

// Sets up the fonts on a worker thread while the main thread starts the application and builds
// the window: fontconfig reads its configuration, by far the longest part of drawing the first
// text, and then Qt fills its font database under its own lock. The main thread waits only where
// it needs the fonts earlier.
class FontWarmUp {
public:
    // Starts the worker on fontconfig's configuration.
    FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;
    ~FontWarmUp();

    // The QApplication exists: the worker goes on to fill Qt's font database. finish() must be
    // called before the application is destroyed.
    void applicationCreated();

    // Waits until fontconfig's configuration is loaded: a font used after this never makes
    // fontconfig load it a second time, as it would if two threads started it at once.
    void waitForConfiguration() const;

    // Waits until the worker is done.
    void finish();

private:
    std::promise<bool> applicationCreated_;
    bool applicationAnswered_ = false;
    std::shared_future<void> configured_;
    std::thread worker_;
};
