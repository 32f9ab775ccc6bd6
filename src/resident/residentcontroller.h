#pragma once

// Resident mode on the main window: keeps fraSystemTray, the logon entry and
// the "RunAtSysTray" setting in step, and puts the window into the tray.
//
// The main window makes one controller over itself and its frame, then in
// its opening calls restoreStartupOptions() and, last of all,
// goToTrayIfStartedAtLogon(); when that answers true the window is in the
// tray (or minimised where there is no tray) and must not be shown.

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

class QAction;
class QSystemTrayIcon;
class QWidget;

namespace velmora {

struct Services;
class SystemTrayFrame;

class ResidentController : public QObject
{
    Q_OBJECT

public:
    // The program is applicationName() in the executable's folder.
    ResidentController(Services &services, QWidget *mainWindow, SystemTrayFrame *frame, QObject *parent = nullptr);
    ~ResidentController() override;

    // Another executable name and folder for the logon entry (tests, tools).
    void setProgram(const QString &exeName, const QString &programFolder);
    // Whether a tray is there to go to, for every controller of the process;
    // by default (nullopt) QSystemTrayIcon says. Tests stand in for a tray host.
    static void setTrayAvailable(std::optional<bool> available);

    // Opening steps 1 to 3: the frame from the entry and the setting; an
    // existing entry is written again with the current folder.
    void restoreStartupOptions();
    // Opening step 4 with the program's own arguments.
    bool goToTrayIfStartedAtLogon();
    // Opening step 4: arguments without the program name. True when the
    // window went to the tray (or was minimised for want of one).
    bool goToTrayIfStartedAtLogon(const QStringList &arguments);

    // What "Save Current Settings As Default" writes as "RunAtSysTray".
    [[nodiscard]] bool runAtSysTrayTicked() const;

    // The icon with the tip "Recent" and the window's icon; the window is
    // minimised and hidden, or only minimised where no tray is available.
    void goToTray();
    void removeTrayIcon();
    // mnuShow: the window shown in its normal state, the icon removed.
    void showWindow();

    [[nodiscard]] QSystemTrayIcon *trayIcon() const { return trayIcon_; }
    [[nodiscard]] QMenu *trayMenu() const { return menu_; }
    [[nodiscard]] QAction *showAction() const { return mnuShow_; }
    [[nodiscard]] QAction *exitAction() const { return mnuExit_; }

signals:
    // mnuExit: the main window is to close as its own Exit command does.
    void exitRequested();

private:
    void runChosen();
    void dontRunChosen();
    void trayBoxChanged(bool ticked);
    [[nodiscard]] static bool trayAvailable();

    Services &services_;
    QPointer<QWidget> window_;
    SystemTrayFrame *frame_;
    QString exeName_;
    QString programFolder_;
    // The menu is a child of the window, which deletes it with itself, as it
    // does any window's pop-up; the icon is the controller's child.
    QPointer<QMenu> menu_;
    QAction *mnuShow_ = nullptr;
    QAction *mnuExit_ = nullptr;
    QSystemTrayIcon *trayIcon_ = nullptr;
};

} // namespace velmora
