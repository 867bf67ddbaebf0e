#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>

#include "ProgramIconPixels.h"

QIcon programIcon() {
    // The same pixels as the installed icon theme files, compiled in already decoded: reading
    // the PNG files at start-up would cost the PNG decoder's code and time before the first
    // paint.
    QIcon icon;
    for (const IconPixels& pixels : programIconPixels) {
        const QImage image(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
                           pixels.size * 4, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
