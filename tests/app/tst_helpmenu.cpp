#include "servicesrig.h"
#include "urlcatcher.h"

#include "app/frmabout.h"
#include "app/helpmenu.h"
#include "app/linklabel.h"
#include "app/vendorlinks.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::test;

class TestHelpMenu : public QObject
{
    Q_OBJECT

    struct Rig : ServicesRig
    {
        QMainWindow owner;
        QMenu *help = addHelpMenu(owner.menuBar(), services, &owner);
    };

private slots:
    void menu_holdsItsItemsInOrderAndTheyOpenTheirPages()
    {
        Rig rig;
        QStringList shape;
        for (QAction *action : rig.help->actions())
            shape.append(action->isSeparator() ? QStringLiteral("-")
                                               : action->objectName() + QLatin1Char('=') + action->text());
        QCOMPARE(shape, (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "-",
                                     "mnuUpdate=Check for Software &Update", "-", "mnuAbout=&About Software"}));
        const QList<std::pair<const char *, VendorPage>> items = {{"mnuOnline", VendorPage::OnlineHelp},
                                                                  {"mnuVisit", VendorPage::HomePage},
                                                                  {"mnuUpdate", VendorPage::Download}};
        for (const auto &[name, page] : items) {
            UrlCatcher catcher;
            rig.help->findChild<QAction *>(QLatin1String(name))->trigger();
            QCOMPARE(catcher.urls, QList<QUrl>{vendorPageUrl(page)});
        }
    }

    // Modal over its owner, with its content, and OK closes it. Unlike the
    // start screen's co-branding label, the about box's offers the fully
    // branded copy.
    void about_isModalOverTheOwnerWithItsContentAndLinks()
    {
        Rig rig;
        rig.owner.show();
        QString seen;
        QList<QUrl> opened;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<FrmAbout *>(QApplication::activeModalWidget());
            if (!about)
                return;
            seen = about->objectName() + QLatin1Char('|') + about->windowTitle();
            if (about->parentWidget() != &rig.owner)
                seen += QStringLiteral("|wrong owner");
            const auto label = [about](const char *name) {
                auto *found = about->findChild<QLabel *>(QLatin1String(name));
                return found ? found : new QLabel(about);
            };
            QVERIFY(!label("picIcon")->pixmap().isNull());
            // The default deck's drawings are the program's own.
            QVERIFY(!label("Label4")->text().contains(QStringLiteral("1911")));
            QVERIFY(!label("Label1")->text().contains(QStringLiteral("public"), Qt::CaseInsensitive));
            UrlCatcher catcher;
            for (const char *name : {"lblCoBrand", "lblHomePage"}) {
                auto *link = about->findChild<LinkLabel *>(QLatin1String(name));
                QVERIFY2(link, name);
                QTest::mouseClick(link, Qt::LeftButton);
            }
            opened = catcher.urls;
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTimer::singleShot(3000, this, [] {
            if (QWidget *stuck = QApplication::activeModalWidget())
                stuck->close();
        });
        rig.help->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(seen, QStringLiteral("frmAbout|Velmora v1.70"));
        QCOMPARE(opened, (QList<QUrl>{vendorPageUrl(VendorPage::FullyBranded), vendorPageUrl(VendorPage::HomePage)}));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
