#include "PictureArea.h"

#include <QPainter>
#include <cmath>

QSize PictureArea::sizeInDevicePixels() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void PictureArea::setPicture(QImage picture) {
    picture.setDevicePixelRatio(devicePixelRatioF());
    picture_ = std::move(picture);
    // Shown at once, not at the next turn of the event loop.
    if (isVisible()) repaint();
}

void PictureArea::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}
