#include "app/frmabout.h"

#include "app/accessibility.h"
#include "app/appicon.h"
#include "app/linklabel.h"
#include "app/prompter.h"
#include "app/vendorlinks.h"
#include "app/widgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setPixmap(appIconPixmap(64));
    markDecorative(picIcon_);
    picIcon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    label2_ = new QLabel(QString::fromLatin1(kWindowCaption), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = label2_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    label2_->setFont(titleFont);

    label1_ =
        new QLabel(tr("Velmora is a tarot tutor and a workshop for tarot learning decks in one program. Memorize "
                      "the cards upright and reversed with their keywords and meanings, test yourself at three "
                      "levels, design decks of your own with your own meanings and share them with others. A goal "
                      "reminder keeps your personal goals in view while you learn."),
                   this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);

    frame1_ = new QGroupBox(tr("Card Drawings"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    label4_ = new QLabel(tr("The pictures of the default deck were drawn for Velmora by the program's "
                            "own card generator and come with the program."),
                         frame1_);
    label4_->setObjectName(QStringLiteral("Label4"));
    label4_->setWordWrap(true);
    auto *frameLayout = new QVBoxLayout(frame1_);
    frameLayout->addWidget(label4_);

    label3_ = new QLabel(tr("Home Business Opportunity. Start your own Internet business and make money "
                            "online. Get this software fully branded for your website."),
                         this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setWordWrap(true);

    lblCoBrand_ = new LinkLabel(tr("Click here for more details"), this);
    lblCoBrand_->setObjectName(QStringLiteral("lblCoBrand"));
    lblHomePage_ = new LinkLabel(tr("Visit the Velmora web site for news, help and the forum"), this);
    lblHomePage_->setObjectName(QStringLiteral("lblHomePage"));

    cmdOK_ = makeButton(this, "cmdOK", tr("&OK"));
    cmdOK_->setDefault(true);

    auto *text = new QVBoxLayout;
    text->addWidget(label2_);
    text->addWidget(label1_);
    text->addWidget(frame1_);
    text->addWidget(label3_);
    text->addWidget(lblCoBrand_);
    text->addSpacing(6);
    text->addWidget(lblHomePage_);

    auto *body = new QHBoxLayout;
    body->addWidget(picIcon_, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // Wrapped labels need the width before they know their height.
    const int width = 480;
    setFixedSize(width, layout->totalHeightForWidth(width));

    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(lblCoBrand_, &LinkLabel::clicked, this, &FrmAbout::lblCoBrand_Click);
    connect(lblHomePage_, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
}

void FrmAbout::cmdOK_Click()
{
    accept();
}

// Here the offer is the fully branded copy; the start screen's label of a
// similar name offers co-branding.
void FrmAbout::lblCoBrand_Click()
{
    OpenVendorPage(VendorPage::FullyBranded);
}

void FrmAbout::lblHomePage_Click()
{
    OpenVendorPage(VendorPage::HomePage);
}

} // namespace velmora
