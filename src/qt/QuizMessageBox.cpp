// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QuizMessageBox.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

QuizMessageBox::QuizMessageBox(Kind kind, const QString& text, const QString& title,
                               QWidget* parent)
    : QMessageBox(parent), kind_(kind) {
    setWindowTitle(title);
    // The text is plain and only read, never selected: QMessageBox then draws it as it is
    // instead of building a text document for it, the same pixels at a fraction of the code and
    // memory. Both are set before the text, so that the document is never made at all.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setTextFormat(Qt::PlainText);
    setText(text);
    if (kind == Kind::YesNo) {
        // The mnemonics make J and E answer; Return takes the default, Jah.
        yes_ = addButton(QStringLiteral("&Jah"), QMessageBox::YesRole);
        no_ = addButton(QStringLiteral("&Ei"), QMessageBox::NoRole);
        setDefaultButton(static_cast<QPushButton*>(yes_));
    } else {
        QAbstractButton* ok = addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        setDefaultButton(static_cast<QPushButton*>(ok));
        setEscapeButton(ok);
    }

    // QMessageBox sizes itself to its text; a spacer keeps short boxes wide enough that the
    // window manager can show the whole title.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addItem(
            new QSpacerItem(minimumBoxWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void QuizMessageBox::keyPressEvent(QKeyEvent* event) {
    if (kind_ == Kind::YesNo && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void QuizMessageBox::closeEvent(QCloseEvent* event) {
    if (kind_ == Kind::YesNo) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}
