#include "app/frmbegin.h"

#include "app/accessibility.h"
#include "app/appicon.h"
#include "app/helpmenu.h"
#include "app/linklabel.h"
#include "app/prompter.h"
#include "app/shell.h"
#include "app/vendorlinks.h"
#include "app/widgets.h"
#include "app/windowplace.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace velmora {

namespace {

QPushButton *startButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = makeButton(parent, name, caption);
    button->setToolTip(tip);
    button->setMinimumHeight(44);
    return button;
}

LinkLabel *makeLink(QWidget *parent, const char *name, const QString &caption)
{
    return named(new LinkLabel(caption, parent), name);
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, QWidget *content)
{
    auto *frame = named(new QGroupBox(caption, parent), name);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(content);
    return frame;
}

} // namespace

FrmBegin::FrmBegin(Services &services, QWidget *parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("frmBegin"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    cmdDeck_ = startButton(this, "cmdDeck", tr("&Design A New Deck"),
                           tr("Design && use your own meaning and keywords for tarot cards. A wonderful "
                              "way to design decks to teach your students."));
    cmdTarot_ = startButton(this, "cmdTarot", tr("&Learn Tarot && Test"), tr("Learn The Cards & Take Tarot Test"));
    cmdImport_ = startButton(this, "cmdImport", tr("&Import Other Decks"),
                             tr("Click here to import new tarot learning deck from your harddisk"));
    cmdExit_ = startButton(this, "cmdExit", tr("Exi&t"), QString());
    for (QPushButton *button : {cmdDeck_, cmdTarot_, cmdImport_})
        button->setEnabled(false);

    label1_ = makeLink(this, "Label1", tr("Click here to see and download other Tarot Learning Decks"));
    frame1_ = makeFrame(this, "Frame1", tr("Download Decks:"), label1_);

    label61_ = makeLink(this, "Label61",
                        tr("Talk tarot with other learners and deck designers: click here to visit "
                           "our online discussion forum."));
    frame3_ = makeFrame(this, "Frame3", tr("Velmora Tarot Forum"), label61_);

    lblCobrand_ = makeLink(this, "lblCobrand",
                           tr("Co-brand this software for your site. Put your own name, web address "
                              "and logo on Velmora and hand it out to your visitors. Click Here for more "
                              "info on co-branding."));
    lblFullBrand_ = makeLink(this, "lblFullBrand",
                             tr("Home Business Opportunity. Start your own Internet business and make "
                                "money online. Get this software fully branded for your website. Click "
                                "here for more details."));
    fraFullBrand_ = new QGroupBox(this);
    fraFullBrand_->setObjectName(QStringLiteral("fraFullBrand"));
    auto *brandLayout = new QVBoxLayout(fraFullBrand_);
    brandLayout->addWidget(lblCobrand_);
    brandLayout->addSpacing(6);
    brandLayout->addWidget(lblFullBrand_);

    auto *icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(48)); // drawn once, for the window icon
    markDecorative(icon);
    auto *title = new QLabel(QStringLiteral("Velmora"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    title->setFont(titleFont);
    auto *header = new QHBoxLayout;
    header->addWidget(icon);
    header->addWidget(title);
    header->addStretch();

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdDeck_, cmdTarot_, cmdImport_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdExit_);

    auto *links = new QVBoxLayout;
    links->addWidget(frame1_);
    links->addWidget(frame3_);
    links->addWidget(fraFullBrand_);
    links->addStretch();

    auto *body = new QHBoxLayout;
    body->addLayout(buttons, 2);
    body->addSpacing(12);
    body->addLayout(links, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addSpacing(6);
    layout->addLayout(body);
    setMinimumWidth(600);
    keepWindowPlace(*this, services_.settings);

    connect(cmdDeck_, &QPushButton::clicked, this, &FrmBegin::cmdDeck_Click);
    connect(cmdTarot_, &QPushButton::clicked, this, &FrmBegin::cmdTarot_Click);
    connect(cmdImport_, &QPushButton::clicked, this, &FrmBegin::cmdImport_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &FrmBegin::cmdExit_Click);
    // The keys the windows with a menu offer there.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &FrmBegin::cmdExit_Click);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { showAboutBox(this); });
    connect(label1_, &LinkLabel::clicked, this, &FrmBegin::Label1_Click);
    connect(label61_, &LinkLabel::clicked, this, &FrmBegin::Label61_Click);
    connect(lblCobrand_, &LinkLabel::clicked, this, &FrmBegin::lblCobrand_Click);
    connect(lblFullBrand_, &LinkLabel::clicked, this, &FrmBegin::lblFullBrand_Click);
}

void FrmBegin::showEvent(QShowEvent *event)
{
    keepRoomForWrappedLinks();
    QWidget::showEvent(event);
}

void FrmBegin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        keepRoomForWrappedLinks();
    QWidget::changeEvent(event);
}

// A window's smallest size is its layout's, which leaves out the lines the
// links wrap into at that width: shrunk that far, their text was cut. At the
// smallest width each link is narrowest and needs the most lines.
void FrmBegin::keepRoomForWrappedLinks()
{
    if (layout() != nullptr)
        setMinimumHeight(layout()->totalHeightForWidth(minimumWidth()));
}

void FrmBegin::setWindowFactory(Destination destination, WindowFactory factory)
{
    const bool usable = bool(factory);
    factories_.at(std::size_t(destination)) = std::move(factory);
    buttonFor(destination)->setEnabled(usable);
}

QPushButton *FrmBegin::buttonFor(Destination destination) const
{
    switch (destination) {
    case Destination::DeckManager:
        return cmdDeck_;
    case Destination::MainWindow:
        return cmdTarot_;
    case Destination::Import:
        return cmdImport_;
    }
    return cmdDeck_;
}

bool FrmBegin::Form_Load()
{
    if (loaded_)
        return true;
    loaded_ = true;
    if (requiredFilesPresent())
        return true;
    services_.prompter.tell(tr("Required files are missing\rPlease Reinstall Software"), PromptIcon::Information, this);
    EndProgram();
    return false;
}

void FrmBegin::showModeless(Destination destination)
{
    const WindowFactory &factory = factories_.at(std::size_t(destination));
    if (!factory)
        return;
    QWidget *window = factory(*this);
    if (!window)
        return;
    window->show();
    hide();
}

void FrmBegin::cmdDeck_Click()
{
    showModeless(Destination::DeckManager);
}

void FrmBegin::cmdTarot_Click()
{
    showModeless(Destination::MainWindow);
}

void FrmBegin::cmdImport_Click()
{
    const WindowFactory &factory = factories_.at(std::size_t(Destination::Import));
    if (!factory)
        return;
    QWidget *window = factory(*this);
    if (!window)
        return;
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        const QPointer<QDialog> guard(dialog);
        dialog->exec();
        delete guard.data();
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
}

void FrmBegin::cmdExit_Click()
{
    EndProgram();
}

void FrmBegin::Label1_Click()
{
    OpenVendorPage(VendorPage::OtherDecks);
}

void FrmBegin::Label61_Click()
{
    OpenVendorPage(VendorPage::HomePage);
}

void FrmBegin::lblCobrand_Click()
{
    OpenVendorPage(VendorPage::CoBrand);
}

void FrmBegin::lblFullBrand_Click()
{
    OpenVendorPage(VendorPage::FullyBranded);
}

void FrmBegin::setVisible(bool visible)
{
    // A window system places a window anew when it is shown again unless the
    // program names the place: the one the user left it at.
    if (!visible && isVisible())
        placeBeforeHiding_ = saveGeometry();
    else if (visible && !isVisible() && !placeBeforeHiding_.isEmpty())
        restoreGeometry(placeBeforeHiding_);
    QWidget::setVisible(visible);
}

// With nothing else on screen the close box ends the program, as Exit would;
// while another window is in use only the start screen goes.
void FrmBegin::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (closingAllWindows() || anyOtherWindowVisible(this))
        return;
    EndProgram();
}

} // namespace velmora
