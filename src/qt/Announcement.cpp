// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Announcement.h"

#include "AccessibleRoles.h"

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    installAccessibleRoles();
    setGeometry(0, 0, 0, 0);
}

void Announcement::announce(const QString& text) {
    hide();
    setAccessibleDescription(text);
    show();
}
