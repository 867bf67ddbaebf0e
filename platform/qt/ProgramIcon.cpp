#include "ProgramIcon.h"

QIcon programIcon() {
    // The same pixels as the installed icon theme files, compiled in from packaging/icons.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/ee.torvamik.Torvamik-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}
