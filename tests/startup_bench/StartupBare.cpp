// A bare Qt main window of the program's size, ended at its first paint:
// what any Qt program costs to start and show a window here.

#include "FirstPaintQuit.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaintQuit quit;
    application.installEventFilter(&quit);
    QMainWindow window;
    window.resize(1280, 800);
    window.show();
    return QApplication::exec();
}
