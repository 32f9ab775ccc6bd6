#include "exchange/frmexportmessage.h"

#include "app/appicon.h"
#include "app/prompter.h"
#include "app/readablecolour.h"
#include "app/vendorlinks.h"
#include "app/widgets.h"
#include "decks/deckexchange.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmora {

FrmExportMessage::FrmExportMessage(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExportMessage"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setModal(true);

    RTB = new QTextBrowser(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(tr("Export message"));
    // Links are opened here, by the desktop, never followed inside the box.
    RTB->setOpenLinks(false);
    RTB->setOpenExternalLinks(false);
    RTB->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(RTB, &QTextBrowser::anchorClicked, this, [](const QUrl &url) { QDesktopServices::openUrl(url); });

    cmdOK = makeButton(this, "cmdOK", tr("&OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RTB);
    layout->addLayout(buttons);
    resize(560, 240);
    cmdOK->setFocus();
}

void FrmExportMessage::setExport(const QString &fileName, const QString &exportedPath)
{
    RTB->clear();
    // The rich text takes its link colour from the application when it is
    // read, not from the box's palette.
    RTB->document()->setDefaultStyleSheet(
        QStringLiteral("a { color: %1; }").arg(readableLink(RTB->palette(), QPalette::Base).name()));
    text_ = exchange::exportMessageText(fileName, exportedPath, vendorPageUrl(VendorPage::OnlineHelp).toString());
    RTB->setHtml(exchange::linkedHtml(text_));
}

} // namespace velmora
