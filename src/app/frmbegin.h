#pragma once

#include "app/services.h"

#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QPushButton;

namespace velmora {

class LinkLabel;

// The start screen: the way to deck design, to learning and testing and to
// deck import. Loaded once per run; the screens it leads to show this same
// window again when the user goes back.
class FrmBegin : public QWidget
{
    Q_OBJECT

public:
    enum class Destination { DeckManager, MainWindow, Import };
    // Makes the window a button leads to. The deck manager and the main
    // window are shown modeless while the start screen hides; the import
    // screen is shown modally (a QDialog is exec'd) over the start screen.
    // A button stays disabled until its window can be made.
    using WindowFactory = std::function<QWidget *(FrmBegin &begin)>;

    explicit FrmBegin(Services &services, QWidget *parent = nullptr);

    void setWindowFactory(Destination destination, WindowFactory factory);

    // The required-files check; the first call only. False when the data is
    // missing (the program has then been ended).
    bool Form_Load();

public slots:
    void cmdDeck_Click();
    void cmdTarot_Click();
    void cmdImport_Click();
    void cmdExit_Click();
    void Label1_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    // Shown again after a hide, the window comes back where it was.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void keepRoomForWrappedLinks();
    void showModeless(Destination destination);
    QPushButton *buttonFor(Destination destination) const;

    Services &services_;
    bool loaded_ = false;
    QByteArray placeBeforeHiding_;
    std::array<WindowFactory, 3> factories_;
    QPushButton *cmdDeck_ = nullptr;
    QPushButton *cmdTarot_ = nullptr;
    QPushButton *cmdImport_ = nullptr;
    QPushButton *cmdExit_ = nullptr;
    QGroupBox *frame1_ = nullptr;
    LinkLabel *label1_ = nullptr;
    QGroupBox *frame3_ = nullptr;
    LinkLabel *label61_ = nullptr;
    QGroupBox *fraFullBrand_ = nullptr;
    LinkLabel *lblCobrand_ = nullptr;
    LinkLabel *lblFullBrand_ = nullptr;
};

} // namespace velmora
