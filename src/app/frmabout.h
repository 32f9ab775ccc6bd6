#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace velmora {

class LinkLabel;

// The about box, shown modally from the Help menu.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);

public slots:
    void cmdOK_Click();
    void lblCoBrand_Click();
    void lblHomePage_Click();

private:
    QLabel *picIcon_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *label1_ = nullptr;
    QGroupBox *frame1_ = nullptr;
    QLabel *label4_ = nullptr;
    QLabel *label3_ = nullptr;
    LinkLabel *lblCoBrand_ = nullptr;
    LinkLabel *lblHomePage_ = nullptr;
    QPushButton *cmdOK_ = nullptr;
};

} // namespace velmora
