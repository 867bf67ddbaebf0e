// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "AccessibleRoles.h"

#include <QAccessibleWidget>

#include "Announcement.h"
#include "MainWindow.h"
#include "PictureArea.h"

namespace {

// Qt's accessibility cache owns the interfaces a factory makes.
QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("MainWindow")) {
        return new QAccessibleWidget(static_cast<MainWindow*>(object), QAccessible::Window);
    }
    if (className == QLatin1String("PictureArea")) {
        return new QAccessibleWidget(static_cast<PictureArea*>(object), QAccessible::Graphic);
    }
    if (className == QLatin1String("Announcement")) {
        return new QAccessibleWidget(static_cast<Announcement*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(makeInterface), true);
}
