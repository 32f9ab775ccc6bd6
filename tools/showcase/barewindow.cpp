// The yardstick of scripts/startup-time: a Qt program with one plain window,
// which prints "barewindow: shown" once the window is painted and ends.
// With --label the window shows one line of text, so that the time also
// holds what any window with text pays for its fonts.

#include "paintwatcher.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--label")))
        (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Velmora"), &window));
    window.resize(600, 400);
    window.installEventFilter(new PaintWatcher(
        QStringLiteral("barewindow: shown"), [] { std::_Exit(0); }, &app));
    window.show();
    return QApplication::exec();
}
