#include "residentcontroller.h"

#include "app/services.h"
#include "resident/residentrules.h"
#include "resident/startupentry.h"
#include "resident/systemtrayframe.h"
#include "store/dbfile.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

namespace velmora {

ResidentController::ResidentController(Services &services, QWidget *mainWindow, SystemTrayFrame *frame, QObject *parent)
    : QObject(parent), services_(services), window_(mainWindow), frame_(frame), exeName_(applicationName()),
      programFolder_(QCoreApplication::applicationDirPath()), menu_(new QMenu(mainWindow))
{
    menu_->setObjectName(QStringLiteral("mnuPopUp"));
    menu_->setTitle(QStringLiteral("mnuPopUp"));
    mnuShow_ = menu_->addAction(tr("Show"));
    mnuShow_->setObjectName(QStringLiteral("mnuShow"));
    QFont bold = mnuShow_->font();
    bold.setBold(true);
    mnuShow_->setFont(bold);
    menu_->setDefaultAction(mnuShow_);
    mnuExit_ = menu_->addAction(tr("Exit"));
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuShow_, &QAction::triggered, this, &ResidentController::showWindow);
    connect(mnuExit_, &QAction::triggered, this, &ResidentController::exitRequested);

    connect(frame_, &SystemTrayFrame::runAtStartupChosen, this, &ResidentController::runChosen);
    connect(frame_, &SystemTrayFrame::dontRunAtStartupChosen, this, &ResidentController::dontRunChosen);
    connect(frame_, &SystemTrayFrame::trayBoxChanged, this, &ResidentController::trayBoxChanged);
}

ResidentController::~ResidentController()
{
    // Made without a window, the menu has no one else to delete it.
    if (menu_ && !menu_->parent())
        delete menu_.data();
}

void ResidentController::setProgram(const QString &exeName, const QString &programFolder)
{
    exeName_ = exeName;
    programFolder_ = programFolder;
}

namespace {
std::optional<bool> trayAvailableOverride;
}

void ResidentController::setTrayAvailable(std::optional<bool> available)
{
    trayAvailableOverride = available;
}

bool ResidentController::trayAvailable()
{
    return trayAvailableOverride.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void ResidentController::restoreStartupOptions()
{
    if (!StartupEntryExists(exeName_)) {
        frame_->setRunAtStartup(false);
        return;
    }
    // The option's action runs also when it was already chosen.
    if (frame_->runAtStartup())
        runChosen();
    else
        frame_->setRunAtStartup(true);
    if (runAtSysTraySet(services_.settings.value(QLatin1String(kRunAtSysTrayKey), QStringLiteral("False"))))
        frame_->setTrayBoxTicked(true);
}

bool ResidentController::goToTrayIfStartedAtLogon()
{
    return goToTrayIfStartedAtLogon(QCoreApplication::arguments().mid(1));
}

bool ResidentController::goToTrayIfStartedAtLogon(const QStringList &arguments)
{
    if (openingPlacement(frame_->trayBoxTicked(), arguments, trayAvailable()) == WindowPlacement::Shown)
        return false;
    goToTray();
    return true;
}

bool ResidentController::runAtSysTrayTicked() const
{
    return frame_->trayBoxTicked();
}

void ResidentController::goToTray()
{
    if (!window_)
        return;
    if (!trayAvailable()) {
        // Hidden with no tray to come back from, the window would be lost.
        window_->showMinimized();
        return;
    }
    if (!trayIcon_) {
        trayIcon_ = new QSystemTrayIcon(this);
        trayIcon_->setObjectName(QStringLiteral("trayIcon"));
        trayIcon_->setContextMenu(menu_);
        connect(trayIcon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick)
                showWindow();
        });
    }
    QIcon icon = window_->windowIcon();
    if (icon.isNull())
        icon = QApplication::windowIcon();
    trayIcon_->setIcon(icon);
    trayIcon_->setToolTip(tr("Recent"));
    trayIcon_->show();
    window_->setWindowState(window_->windowState() | Qt::WindowMinimized);
    window_->hide();
    store::closeIdleConnections();
}

void ResidentController::removeTrayIcon()
{
    if (trayIcon_)
        trayIcon_->hide();
}

void ResidentController::showWindow()
{
    if (window_) {
        window_->show();
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->raise();
        window_->activateWindow();
    }
    removeTrayIcon();
}

void ResidentController::runChosen()
{
    SetStartupEntry(services_.prompter, exeName_, programFolder_, true, window_);
    frame_->setTrayBoxEnabled(true);
}

void ResidentController::dontRunChosen()
{
    SetStartupEntry(services_.prompter, exeName_, programFolder_, false, window_);
    frame_->setTrayBoxEnabled(false);
    frame_->setTrayBoxTicked(false);
}

void ResidentController::trayBoxChanged(bool ticked)
{
    services_.settings.setValue(QLatin1String(kRunAtSysTrayKey), runAtSysTrayText(ticked));
}

} // namespace velmora
