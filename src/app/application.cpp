#include "app/application.h"

#include "app/appicon.h"
#include "app/frmabout.h"
#include "app/frmbegin.h"
#include "app/prompter.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/unattendedprompter.h"
#include "app/updatereminder.h"
#include "learn/frmmain.h"
#include "learn/showcase.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <map>

namespace velmora {

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
    if (options.quitWhenShown && options.show.isEmpty())
        options.show = QStringLiteral("begin");
    return options;
}

// The screens --show can open, each over the start screen, and the window
// that will be painted once it is up.
using ShowcaseOpener = std::function<QWidget *(FrmBegin &begin, Services &services)>;

const std::map<QString, ShowcaseOpener> &showcase()
{
    static const std::map<QString, ShowcaseOpener> screens = {
        {QStringLiteral("begin"), [](FrmBegin &begin, Services &) -> QWidget * { return &begin; }},
        {QStringLiteral("about"),
         [](FrmBegin &begin, Services &) -> QWidget * {
             auto *about = new FrmAbout(&begin);
             about->setAttribute(Qt::WA_DeleteOnClose);
             about->open();
             return about;
         }},
        {QStringLiteral("begin-tooltip"),
         [](FrmBegin &begin, Services &) -> QWidget * {
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

// Announces the first paint of a window on standard output.
class PaintWatcher : public QObject
{
public:
    PaintWatcher(QString name, bool quit, QObject *parent) : QObject(parent), name_(std::move(name)), quit_(quit) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !announced_) {
            announced_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                std::printf("velmora: shown %s\n", name_.toLocal8Bit().constData());
                std::fflush(stdout);
                if (quit_)
                    EndProgram();
            });
        }
        return false;
    }

private:
    QString name_;
    bool quit_ = false;
    bool announced_ = false;
};

void openShowcase(const Options &options, FrmBegin &begin, Services &services, QObject *owner)
{
    QWidget *window = nullptr;
    if (mainWindowShowcaseNames().contains(options.show)) {
        window = openMainWindowShowcase(begin, options.show);
    } else {
        const auto found = showcase().find(options.show);
        if (found == showcase().end()) {
            std::fprintf(stderr, "velmora: no screen named %s\n", options.show.toLocal8Bit().constData());
            return;
        }
        window = found->second(begin, services);
    }
    if (window)
        window->installEventFilter(new PaintWatcher(options.show, options.quitWhenShown, owner));
}

} // namespace

int runVelmora(int argc, char *argv[])
{
    // Card pictures decode into buffers of several megabytes. Fresh pages are
    // costly to fault in, so freed memory is kept for the next picture rather
    // than handed back to the system (a 1000x1700 picture loads 3x faster).
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(appIcon());
    const Options options = readOptions(QCoreApplication::arguments());

    QtPrompter windowPrompter;
    UnattendedPrompter unattendedPrompter;
    Prompter &prompter = options.unattended ? static_cast<Prompter &>(unattendedPrompter) : windowPrompter;

    SingleInstanceLock lock;
    if (!lock.tryAcquire()) {
        prompter.tell(QStringLiteral("Application is already running"));
        EndProgram();
        return 0;
    }

    SettingsStore settings;
    SystemClock clock;
    StdRandomSource random;
    Services services{prompter, clock, random, settings};

    setProcessEnder([&settings, &lock] {
        settings.sync();
        lock.release();
        std::fflush(nullptr);
        std::_Exit(0);
    });
    setQuitWhenNoWindowLeft(true);

    UpdateReminder(services);

    QPointer<FrmBegin> begin = new FrmBegin(services);
    FrmMain::offerFromStartScreen(*begin, services);
    if (!begin->Form_Load())
        return 0;
    begin->show();
    if (!options.show.isEmpty())
        openShowcase(options, *begin, services, &app);

    const int code = QApplication::exec();
    setProcessEnder({});
    settings.sync();
    return code;
}

} // namespace velmora
