// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <QWidget>

#include "WindowDescription.h"

class PictureArea;

// Form1 with Command1 and Image1, built once from the program's description. Its size and the
// controls' places never change afterwards.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const ProgramDescription& description);

    QPushButton& button() const { return *button_; }
    PictureArea& pictureArea() const { return *pictureArea_; }
    bool isClosed() const { return closed_; }
    // The button's caption, which is also the window's status for a screen reader.
    void setCaption(const QString& text);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* button_;
    PictureArea* pictureArea_;
    bool closed_ = false;
};
