#pragma once

// The frame fraSystemTray of the main window's settings tab: whether the
// program starts at logon and whether such a start goes to the tray. Passive:
// it shows what it is told and reports every change of its controls, whether
// the user or the program made it.

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace velmora {

class SystemTrayFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit SystemTrayFrame(QWidget *parent = nullptr);

    [[nodiscard]] bool runAtStartup() const;
    // Chooses optRun or optDontRun; runAtStartupChosen/dontRunAtStartupChosen
    // follow only when the choice changes.
    void setRunAtStartup(bool run);

    [[nodiscard]] bool trayBoxTicked() const;
    [[nodiscard]] bool trayBoxEnabled() const;
    void setTrayBoxTicked(bool ticked);
    void setTrayBoxEnabled(bool enabled);

signals:
    void runAtStartupChosen();
    void dontRunAtStartupChosen();
    void trayBoxChanged(bool ticked);

private:
    QRadioButton *optRun_;
    QRadioButton *optDontRun_;
    QCheckBox *chkSysTray_;
    QLabel *label14_;
};

} // namespace velmora
