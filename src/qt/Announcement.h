// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// Tells a screen reader a text while nothing has the focus: a notification without size or
// pixels, shown anew for each text. Qt 6.4 tells a screen reader of a changed description by the
// object alone, and Orca 43 then speaks nothing, but it speaks a notification as it appears.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& text);
};
