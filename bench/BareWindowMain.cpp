// The reference for start-up and memory: an empty Qt window of the program's size and nothing
// else, with the same first-paint report as the program. With "button" it also shows one push
// button with the program's caption: the least any window with text costs (the font database).
// Usage: torvamik_bench_bare_window WIDTH HEIGHT [button]
#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "FirstPaintReport.h"

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) return 2;
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    new FirstPaintReport(&application);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Torvamik!"));
    window.setFixedSize(width, height);
    if (argc == 4 && std::strcmp(argv[3], "button") == 0) {
        auto* button = new QPushButton(QStringLiteral("Alusta mängu."), &window);
        button->setGeometry(8, 8, width - 16, 49);
    }
    window.show();
    return QApplication::exec();
}
