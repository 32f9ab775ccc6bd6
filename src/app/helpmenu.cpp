#include "app/helpmenu.h"

#include "app/frmabout.h"
#include "app/vendorlinks.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace velmora {

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void showAboutBox(QWidget *owner)
{
    FrmAbout about(owner);
    about.exec();
}

QMenu *addHelpMenu(QMenuBar *menuBar, Services & /*services*/, QWidget *owner)
{
    QMenu *help = menuBar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addItem(help, "mnuOnline", QCoreApplication::translate("HelpMenu", "&Online Help")),
                     &QAction::triggered, help, [] { OpenVendorPage(VendorPage::OnlineHelp); });
    QObject::connect(addItem(help, "mnuVisit", QCoreApplication::translate("HelpMenu", "&Visit Us Online")),
                     &QAction::triggered, help, [] { OpenVendorPage(VendorPage::HomePage); });
    help->addSeparator();
    QObject::connect(addItem(help, "mnuUpdate", QCoreApplication::translate("HelpMenu", "Check for Software &Update")),
                     &QAction::triggered, help, [] { OpenVendorPage(VendorPage::Download); });
    help->addSeparator();
    QAction *about = addItem(help, "mnuAbout", QCoreApplication::translate("HelpMenu", "&About Software"));
    about->setShortcut(QKeySequence::HelpContents);
    QObject::connect(about, &QAction::triggered, help, [owner] { showAboutBox(owner); });
    return help;
}

} // namespace velmora
