#pragma once

#include <QtGlobal>

// The offscreen platform warns on every fixed-size window that it cannot pass size hints on;
// the warning says nothing about the code under test and buries real output.
inline void quietOffscreenWarnings() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
            previous(type, context, message);
        });
}
