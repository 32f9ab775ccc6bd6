#include "compose/startscreen.h"

#include "app/application.h"
#include "app/prompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velmora::QtPrompter prompter;
    return velmora::runVelmora({prompter, velmora::offerWindowsFromStartScreen, {}});
}
