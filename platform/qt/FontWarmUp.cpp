#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>

FontWarmUp::FontWarmUp() {
    std::promise<void> configured;
    configured_ = configured.get_future().share();
    worker_ = std::thread([configured = std::move(configured),
                           application = applicationCreated_.get_future()]() mutable {
        // A configuration that fails to load fails again, and is handled, where Qt loads it.
        static_cast<void>(FcInit());
        configured.set_value();
        if (application.get()) static_cast<void>(QFontDatabase::families());
    });
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
