// velmora-showcase: the program's own start-up, then a named screen opened
// over the start screen, for screenshots (scripts/screenshots), start-up
// timing (scripts/startup-time) and process tests. The product has none of
// these switches.
//
//   --unattended       prompts go to standard error and get the cautious
//                      answer instead of a window (see unattendedprompter.h)
//   --show NAME        once the start screen is up, open the named screen
//                      ("begin", "begin-tooltip", "about", and the main
//                      window's "main", "memorize", "test-description",
//                      "test-keywords", "results", and the progress
//                      window's "progress", "progress-deck",
//                      "progress-week", "progress-review", and the review
//                      window's "review", "review-answer", "review-summary");
//                      prints
//                      "velmora: shown NAME" on standard output when it has
//                      been painted
//   --quit-when-shown  end the program as soon as that line is printed

#include "compose/startscreen.h"
#include "deckscreens.h"
#include "exchangescreens.h"
#include "mainwindowscreens.h"
#include "paintwatcher.h"
#include "personalscreens.h"
#include "progressscreens.h"
#include "reviewscreens.h"
#include "unattendedprompter.h"

#include "app/application.h"
#include "app/frmabout.h"
#include "app/frmbegin.h"
#include "app/prompter.h"
#include "app/shell.h"
#include "app/startahead.h"

#include <QApplication>
#include <QPushButton>
#include <QToolTip>

#include <cstdio>
#include <functional>
#include <map>

using namespace velmora;

namespace {

struct Options
{
    bool unattended = false;
    bool quitWhenShown = false;
    QString show;
};

Options readOptions(const QStringList &arguments)
{
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--unattended"))
            options.unattended = true;
        else if (argument == QLatin1String("--quit-when-shown"))
            options.quitWhenShown = true;
        else if (argument == QLatin1String("--show") && i + 1 < arguments.size())
            options.show = arguments[++i];
        else if (argument.startsWith(QLatin1String("--show=")))
            options.show = argument.mid(7);
    }
    if (options.show.isEmpty())
        options.show = QStringLiteral("begin");
    return options;
}

// The screens of the start screen and the about box, and the window that
// will be painted once each is up.
using ScreenOpener = std::function<QWidget *(FrmBegin &begin)>;

const std::map<QString, ScreenOpener> &startScreens()
{
    static const std::map<QString, ScreenOpener> screens = {
        {QStringLiteral("begin"), [](FrmBegin &begin) -> QWidget * { return &begin; }},
        {QStringLiteral("about"),
         [](FrmBegin &begin) -> QWidget * {
             auto *about = new FrmAbout(&begin);
             about->setAttribute(Qt::WA_DeleteOnClose);
             about->open();
             return about;
         }},
        {QStringLiteral("begin-tooltip"),
         [](FrmBegin &begin) -> QWidget * {
             auto *button = begin.findChild<QPushButton *>(QStringLiteral("cmdDeck"));
             if (!button)
                 return &begin;
             QToolTip::showText(button->mapToGlobal(button->rect().center()), button->toolTip(), button);
             for (QWidget *widget : QApplication::topLevelWidgets()) {
                 if (widget->inherits("QTipLabel"))
                     return widget;
             }
             return &begin;
         }},
    };
    return screens;
}

void openScreen(const Options &options, FrmBegin &begin, Services &services)
{
    QWidget *window = nullptr;
    if (exchangeShowcaseNames().contains(options.show)) {
        window = openExchangeShowcase(begin, services, options.show);
    } else if (deckShowcaseNames().contains(options.show)) {
        window = openDeckShowcase(begin, options.show);
    } else if (progressShowcaseNames().contains(options.show)) {
        window = openProgressShowcase(begin, services, options.show);
    } else if (personalShowcaseNames().contains(options.show)) {
        window = openPersonalShowcase(begin, services, options.show);
    } else if (reviewShowcaseNames().contains(options.show)) {
        window = openReviewShowcase(services, options.show);
    } else if (mainWindowShowcaseNames().contains(options.show)) {
        window = openMainWindowShowcase(begin, services, options.show);
    } else if (const auto found = startScreens().find(options.show); found != startScreens().end()) {
        window = found->second(begin);
    } else {
        std::fprintf(stderr, "velmora: no screen named %s\n", options.show.toLocal8Bit().constData());
        return;
    }
    if (!window)
        return;
    std::function<void()> whenShown;
    if (options.quitWhenShown)
        whenShown = [] { EndProgram(); };
    window->installEventFilter(
        new PaintWatcher(QStringLiteral("velmora: shown ") + options.show, std::move(whenShown), qApp));
}

} // namespace

int main(int argc, char *argv[])
{
    startStartupClock();
    StartAhead ahead;
    QApplication app(argc, argv);
    ahead.applicationMade();
    const Options options = readOptions(QCoreApplication::arguments());
    QtPrompter windowPrompter;
    UnattendedPrompter unattendedPrompter;
    Prompter &prompter = options.unattended ? static_cast<Prompter &>(unattendedPrompter) : windowPrompter;
    const int code =
        runVelmora({prompter, offerWindowsFromStartScreen,
                    [&options](FrmBegin &begin, Services &services) { openScreen(options, begin, services); },
                    [](QWidget *raised) {
                        std::printf("velmora: raised %s\n", raised ? qPrintable(raised->objectName()) : "nothing");
                        std::fflush(stdout);
                    },
                    [&ahead] { ahead.fontsNeeded(); }});
    ahead.finish();
    return code;
}
