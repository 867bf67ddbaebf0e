#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>
#include <system_error>

FontWarmUp::FontWarmUp() {
    std::promise<void> configured;
    configured_ = configured.get_future().share();
    auto work = [configured = std::move(configured),
                 application = applicationCreated_.get_future()]() mutable {
        // A configuration that fails to load fails again, and is handled, where Qt loads it.
        static_cast<void>(FcInit());
        configured.set_value();
        if (application.get()) static_cast<void>(QFontDatabase::families());
    };
    try {
        worker_ = std::thread(std::move(work));
    } catch (const std::system_error&) {
        // No thread to be had: Qt sets the fonts up on the main thread when it first needs them.
        // The promise went with the work, which leaves its future ready: nobody waits.
    }
}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::applicationCreated() {
    if (applicationAnswered_) return;
    applicationAnswered_ = true;
    applicationCreated_.set_value(true);
}

void FontWarmUp::waitForConfiguration() const {
    configured_.wait();
}

void FontWarmUp::finish() {
    if (!applicationAnswered_) {
        applicationAnswered_ = true;
        applicationCreated_.set_value(false);
    }
    if (worker_.joinable()) worker_.join();
}
