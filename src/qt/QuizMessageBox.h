// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

// The quiz's message boxes: no icon anywhere, buttons in Estonian.
class QuizMessageBox : public QMessageBox {
public:
    enum class Kind { YesNo, Ok };
    static constexpr int minimumBoxWidth = 240;

    QuizMessageBox(Kind kind, const QString& text, const QString& title, QWidget* parent);

    QAbstractButton* yesButton() const { return yes_; }
    QAbstractButton* noButton() const { return no_; }

protected:
    // A Yes/No box closes only through one of its buttons: Escape and the window manager's close
    // do nothing, instead of counting as No.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Kind kind_;
    QAbstractButton* yes_ = nullptr;
    QAbstractButton* no_ = nullptr;
};
