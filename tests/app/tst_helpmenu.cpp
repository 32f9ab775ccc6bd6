#include "fakes.h"
#include "scriptedprompter.h"
#include "urlcatcher.h"

#include "app/frmabout.h"
#include "app/helpmenu.h"
#include "app/linklabel.h"
#include "app/vendorlinks.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::test;

class TestHelpMenu : public QObject
{
    Q_OBJECT

    struct Rig
    {
        QTemporaryDir dir;
        ScriptedPrompter prompter;
        FixedClock clock;
        ScriptedRandom random;
        SettingsStore settings{dir.filePath(QStringLiteral("velmora.conf"))};
        Services services{prompter, clock, random, settings};
        QMainWindow owner;
        QMenu *help = addHelpMenu(owner.menuBar(), services, &owner);
    };

private slots:
    void pages_haveTheirAddresses_data()
    {
        QTest::addColumn<VendorPage>("page");
        QTest::addColumn<QString>("tail");
        QTest::addRow("online help") << VendorPage::OnlineHelp << QStringLiteral("ssd.php?page=help-web-page");
        QTest::addRow("home page") << VendorPage::HomePage << QStringLiteral("ssd.php?page=home-page");
        QTest::addRow("download") << VendorPage::Download << QStringLiteral("ssd.php?page=download-web-page");
        QTest::addRow("co-brand") << VendorPage::CoBrand << QStringLiteral("ssd.php?page=co-brand");
        QTest::addRow("fully branded") << VendorPage::FullyBranded << QStringLiteral("ssd.php?page=fully-branded");
        QTest::addRow("other decks") << VendorPage::OtherDecks << QStringLiteral("download-other-tarot-decks.html");
        QTest::addRow("deck sharing") << VendorPage::DeckSharing << QStringLiteral("how-to-share-your-tarot-deck.html");
    }

    void pages_haveTheirAddresses()
    {
        QFETCH(VendorPage, page);
        QFETCH(QString, tail);
        const QString base = vendorBaseUrl().toString();
        QVERIFY(base.endsWith(QLatin1Char('/')));
        QVERIFY(vendorBaseUrl().scheme().startsWith(QStringLiteral("http")));
        const QUrl url = vendorPageUrl(page);
        QVERIFY(url.isValid());
        QVERIFY2(url.toString().startsWith(base), qPrintable(url.toString()));
        QVERIFY2(url.toString().endsWith(tail), qPrintable(url.toString()));
        if (tail.startsWith(QStringLiteral("ssd.php")))
            QCOMPARE(url.toString(), base + tail);
        QCOMPARE(url.host(), vendorBaseUrl().host());

        UrlCatcher catcher;
        OpenVendorPage(page);
        QCOMPARE(catcher.urls, QList<QUrl>{url});
    }

    void menu_holdsItsItemsInOrder()
    {
        Rig rig;
        QCOMPARE(rig.help->objectName(), QStringLiteral("mnuHelp"));
        QCOMPARE(rig.help->title(), QStringLiteral("&Help"));
        QStringList shape;
        for (QAction *action : rig.help->actions())
            shape.append(action->isSeparator() ? QStringLiteral("-")
                                               : action->objectName() + QLatin1Char('=') + action->text());
        QCOMPARE(shape,
                 (QStringList{QStringLiteral("mnuOnline=&Online Help"), QStringLiteral("mnuVisit=&Visit Us Online"),
                              QStringLiteral("-"), QStringLiteral("mnuUpdate=Check for Software &Update"),
                              QStringLiteral("-"), QStringLiteral("mnuAbout=&About Software")}));
        QCOMPARE(rig.owner.menuBar()->findChild<QMenu *>(QStringLiteral("mnuHelp")), rig.help);
    }

    void menu_itemsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<VendorPage>("page");
        QTest::addRow("mnuOnline") << QStringLiteral("mnuOnline") << VendorPage::OnlineHelp;
        QTest::addRow("mnuVisit") << QStringLiteral("mnuVisit") << VendorPage::HomePage;
        QTest::addRow("mnuUpdate") << QStringLiteral("mnuUpdate") << VendorPage::Download;
    }

    void menu_itemsOpenTheirPages()
    {
        QFETCH(QString, name);
        QFETCH(VendorPage, page);
        UrlCatcher catcher;
        Rig rig;
        auto *action = rig.help->findChild<QAction *>(name);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(catcher.urls, QList<QUrl>{vendorPageUrl(page)});
    }

    void about_isModalOverTheOwnerAndOkCloses()
    {
        Rig rig;
        rig.owner.show();
        QString seen;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<FrmAbout *>(QApplication::activeModalWidget());
            if (!about)
                return;
            seen = about->objectName() + QLatin1Char('|') + about->windowTitle();
            if (about->parentWidget() != &rig.owner)
                seen += QStringLiteral("|wrong owner");
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTimer::singleShot(3000, this, [] {
            if (QWidget *stuck = QApplication::activeModalWidget())
                stuck->close();
        });
        rig.help->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(seen, QStringLiteral("frmAbout|Velmora v1.70"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void about_showsItsContent()
    {
        FrmAbout about;
        const auto label = [&about](const char *name) {
            auto *found = about.findChild<QLabel *>(QLatin1String(name));
            return found ? found : new QLabel(&about);
        };
        QVERIFY(!label("picIcon")->pixmap().isNull());
        QCOMPARE(label("Label2")->text(), QStringLiteral("Velmora v1.70"));
        QCOMPARE(label("Label3")->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                                "Get this software fully branded for your website."));
        QCOMPARE(label("lblCoBrand")->text(), QStringLiteral("Click here for more details"));
        auto *frame = about.findChild<QGroupBox *>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QVERIFY(frame->findChild<QLabel *>(QStringLiteral("Label4")));
        // The default deck's drawings are the program's own.
        QVERIFY(!label("Label4")->text().contains(QStringLiteral("1911")));
        QVERIFY(!label("Label1")->text().contains(QStringLiteral("public"), Qt::CaseInsensitive));
        QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
    }

    // Unlike the start screen's co-branding label, the about box's offers the
    // fully branded copy.
    void about_linksOpenTheirPages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<VendorPage>("page");
        QTest::addRow("lblCoBrand") << QStringLiteral("lblCoBrand") << VendorPage::FullyBranded;
        QTest::addRow("lblHomePage") << QStringLiteral("lblHomePage") << VendorPage::HomePage;
    }

    void about_linksOpenTheirPages()
    {
        QFETCH(QString, name);
        QFETCH(VendorPage, page);
        UrlCatcher catcher;
        FrmAbout about;
        about.show();
        auto *link = about.findChild<LinkLabel *>(name);
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(catcher.urls, QList<QUrl>{vendorPageUrl(page)});
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
