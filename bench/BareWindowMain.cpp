// The reference for start-up and memory: an empty Qt window of the program's size and nothing
// else, with the same first-paint report as the program.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

#include "FirstPaintReport.h"

int main(int argc, char* argv[]) {
    if (argc != 3) return 2;
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    new FirstPaintReport(&application);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Torvamik!"));
    window.setFixedSize(width, height);
    window.show();
    return QApplication::exec();
}
