// The yardstick of scripts/startup-time: a Qt program with one plain window,
// which prints "barewindow: shown" once the window is painted and ends.

#include "paintwatcher.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(600, 400);
    window.installEventFilter(new PaintWatcher(
        QStringLiteral("barewindow: shown"), [] { std::_Exit(0); }, &app));
    window.show();
    return QApplication::exec();
}
