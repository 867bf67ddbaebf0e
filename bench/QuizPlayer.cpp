// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QuizPlayer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "MainWindow.h"
#include "Monotonic.h"
#include "PaintProbe.h"
#include "PictureArea.h"

namespace {

// About the quickest a person reads a short box and clicks it.
constexpr int reactionMs = 250;

}  // namespace

QuizPlayer::QuizPlayer(QObject* parent)
    : QObject(parent),
      probe_(new PaintProbe(this, [this](const std::vector<QWidget*>& widgets, long long endNs) {
          painted(widgets, endNs);
      })) {
    parent->installEventFilter(probe_);
    parent->installEventFilter(this);
}

bool QuizPlayer::eventFilter(QObject* target, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(target)) {
            QTimer::singleShot(reactionMs, box, [this, box] { close(box); });
        }
    }
    return false;
}

void QuizPlayer::painted(const std::vector<QWidget*>& widgets, long long endNs) {
    if (window_ == nullptr) {
        for (QWidget* widget : widgets) {
            if (auto* window = qobject_cast<MainWindow*>(widget->window())) {
                window_ = window;
                QTimer::singleShot(reactionMs, &window->button(), &QPushButton::click);
                return;
            }
        }
        return;
    }
    if (boxClosedAt_ == 0) return;
    PictureArea& area = window_->pictureArea();
    for (QWidget* widget : widgets) {
        if (widget == &area && area.picture().cacheKey() != pictureBeforeClose_) {
            std::printf("switch %.3f\n", static_cast<double>(endNs - boxClosedAt_) / 1e6);
            std::fflush(stdout);
            boxClosedAt_ = 0;
            return;
        }
    }
}

void QuizPlayer::close(QMessageBox* box) {
    QAbstractButton* target = nullptr;
    bool feedback = false;
    for (QAbstractButton* button : box->buttons()) {
        const QMessageBox::ButtonRole role = box->buttonRole(button);
        if (role == QMessageBox::AcceptRole) {
            target = button;
            feedback = box->text().startsWith(QStringLiteral("Vastus oli"));
        }
        // A fixed mix of Jah and Ei, so that the scores and the feedback pictures vary.
        const bool sayYes = (answerPattern_ & 1u) != 0;
        if ((role == QMessageBox::YesRole && sayYes) || (role == QMessageBox::NoRole && !sayYes)) {
            target = button;
        }
    }
    answerPattern_ = (answerPattern_ >> 1) | ((answerPattern_ & 1u) << 31);
    if (target == nullptr) return;
    if (!feedback && box->buttons().size() == 1) {
        std::printf("error %s\n", qPrintable(box->text().simplified()));
        std::fflush(stdout);
    }
    if (feedback && window_ != nullptr) {
        pictureBeforeClose_ = window_->pictureArea().picture().cacheKey();
        boxClosedAt_ = monotonicNanoseconds();
    }
    target->click();
}
