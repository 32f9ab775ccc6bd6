#include "systemtrayframe.h"

#include "app/widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

// A wrapped label asks the layout for no height of its own, so a tab at its
// smallest cuts its last line (seen with a larger or right-to-left font):
// at each width it asks for the height its whole text needs there.
class WholeText : public QObject
{
public:
    explicit WholeText(QLabel *label) : QObject(label), label_(label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == label_ && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
                                  event->type() == QEvent::LayoutDirectionChange)) {
            const int needed = label_->heightForWidth(label_->width());
            if (needed > 0 && needed != label_->minimumHeight())
                label_->setMinimumHeight(needed);
        }
        return false;
    }

private:
    QLabel *label_;
};

} // namespace

SystemTrayFrame::SystemTrayFrame(QWidget *parent)
    : QGroupBox(tr("Run on Windows Start-Up"), parent),
      optRun_(named(new QRadioButton(tr("Run at start-&up"), this), QStringLiteral("optRun"))),
      optDontRun_(named(new QRadioButton(tr("D&on't run at start-up"), this), QStringLiteral("optDontRun"))),
      chkSysTray_(named(new QCheckBox(tr("Start at s&ystem tray"), this), QStringLiteral("chkSysTray"))),
      label14_(named(new QLabel(tr("This is a very important setting. Remember that if you want to get "
                                   "the most benefit from this program then you must have it running at "
                                   "all times.\nIt is also important that you keep your goals in mind, "
                                   "hence starting in system tray will be a deterrent to those goals."),
                                this),
                     QStringLiteral("Label14")))
{
    setObjectName(QStringLiteral("fraSystemTray"));
    setAccessibleName(title());
    for (QAbstractButton *button :
         {static_cast<QAbstractButton *>(optRun_), static_cast<QAbstractButton *>(optDontRun_),
          static_cast<QAbstractButton *>(chkSysTray_)}) {
        button->setFocusPolicy(Qt::StrongFocus);
    }
    label14_->setWordWrap(true);
    label14_->setTextFormat(Qt::PlainText);
    label14_->setAccessibleName(label14_->text());
    new WholeText(label14_);

    optDontRun_->setChecked(true);
    chkSysTray_->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(optRun_);
    layout->addWidget(optDontRun_);
    layout->addWidget(chkSysTray_);
    layout->addWidget(label14_);

    connect(optRun_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            emit runAtStartupChosen();
    });
    connect(optDontRun_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            emit dontRunAtStartupChosen();
    });
    connect(chkSysTray_, &QCheckBox::toggled, this, &SystemTrayFrame::trayBoxChanged);
}

bool SystemTrayFrame::runAtStartup() const
{
    return optRun_->isChecked();
}

void SystemTrayFrame::setRunAtStartup(bool run)
{
    (run ? optRun_ : optDontRun_)->setChecked(true);
}

bool SystemTrayFrame::trayBoxTicked() const
{
    return chkSysTray_->isChecked();
}

bool SystemTrayFrame::trayBoxEnabled() const
{
    return chkSysTray_->isEnabled();
}

void SystemTrayFrame::setTrayBoxTicked(bool ticked)
{
    chkSysTray_->setChecked(ticked);
}

void SystemTrayFrame::setTrayBoxEnabled(bool enabled)
{
    chkSysTray_->setEnabled(enabled);
}

} // namespace velmora
