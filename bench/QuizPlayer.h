// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QObject>

class MainWindow;
class PaintProbe;

// Plays the whole quiz in the running program as a quick player would: starts it once the window
// is painted, answers every question, closes every box. For each feedback box it writes
// "switch MILLISECONDS" to standard output: from the click that closes the box to the end of the
// update that painted the new picture on the screen.
class QuizPlayer : public QObject {
public:
    explicit QuizPlayer(QObject* parent);

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    void painted(const std::vector<QWidget*>& widgets, long long endNs);
    void close(QMessageBox* box);

    PaintProbe* probe_;
    MainWindow* window_ = nullptr;
    unsigned answerPattern_ = 0x2f6b1d35u;
    long long boxClosedAt_ = 0;
    qint64 pictureBeforeClose_ = 0;
};
