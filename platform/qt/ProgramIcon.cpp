#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int unit = size / 16;
    const QRect frame(unit, 2 * unit, size - 2 * unit - 1, size - 4 * unit - 1);
    painter.fillRect(frame, Qt::white);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width() + 1, 3 * unit), Qt::cyan);
    painter.setPen(QPen(Qt::black, unit));
    painter.drawRect(frame);
    return pixmap;
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) icon.addPixmap(drawIcon(size));
    return icon;
}
