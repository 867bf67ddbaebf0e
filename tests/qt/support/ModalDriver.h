#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// Hands every modal box that opens to a handler, once, by polling the application's active modal
// widget from a timer tied to this object. The handler answers the box (or checks that it cannot
// be answered in some way) while the code under test sits in the box's exec().
class ModalDriver : public QObject {
public:
    using Handler = std::function<void(QMessageBox& box)>;

    explicit ModalDriver(Handler handler) : handler_(std::move(handler)) {
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
        timer_.start(1);
    }

    int boxesSeen() const { return boxesSeen_; }

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        if (box->property("driven").toBool()) {
            // A handler that failed before answering must not leave the test hanging.
            if (box == current_ && openSince_.elapsed() > giveUpMs) {
                qWarning("ModalDriver: box still open after %d ms, closing it", giveUpMs);
                box->done(QDialog::Rejected);
            }
            return;
        }
        box->setProperty("driven", true);
        current_ = box;
        openSince_.start();
        ++boxesSeen_;
        handler_(*box);
    }

    static constexpr int giveUpMs = 10000;
    QPointer<QMessageBox> current_;
    QElapsedTimer openSince_;

    Handler handler_;
    QTimer timer_;
    int boxesSeen_ = 0;
};
