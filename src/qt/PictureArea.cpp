// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureArea.h"

#include <QAccessible>
#include <QPainter>
#include <cmath>

#include "AccessibleRoles.h"
#include "PictureLoader.h"

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    // Before the name below makes Qt describe this widget and its window, so both get their role.
    installAccessibleRoles();
    setAccessibleName(QStringLiteral("Pilt"));
}

QSize PictureArea::sizeInDevicePixels() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void PictureArea::setPicture(QImage picture) {
    picture.setDevicePixelRatio(devicePixelRatioF());
    picture_ = std::move(picture);
    const QString description = picture_.text(QString::fromLatin1(pictureDescriptionKey));
    if (description != accessibleDescription()) {
        setAccessibleDescription(description);
    } else {
        // A new picture is worth telling even when it is described as the last one was.
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    // Shown at once, not at the next turn of the event loop.
    if (isVisible()) repaint();
}

void PictureArea::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}
