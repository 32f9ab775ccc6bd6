#include "fakes.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"
#include "urlcatcher.h"

#include "app/frmbegin.h"
#include "app/shell.h"
#include "app/vendorlinks.h"
#include "learn/frmmain.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

// The main window in the program's road: opened from the start screen, back
// to it, and out of the program.
class TstFrmMainShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void learnButton_opensTheMainWindowAndBackReturns();
    void exits_endTheProgram_data();
    void exits_endTheProgram();
    void withoutDefaultDeck_everyWindowCloses();
    void links_openTheirVendorPages();

private:
    // The start screen with the main window on offer, shown.
    FrmBegin *startScreen();
    FrmMain *openFromStartScreen(FrmBegin *begin);

    std::unique_ptr<TestHome> home_;
    std::unique_ptr<SettingsStore> settings_;
    ScriptedPrompter prompter_;
    FixedClock clock_;
    ScriptedRandom random_;
    std::unique_ptr<Services> services_;
    int ends_ = 0;
};

void TstFrmMainShell::initTestCase()
{
    setProcessEnder([this] { ++ends_; });
    home_ = std::make_unique<TestHome>();
    home_->makeFolders();
    QVERIFY(home_->createCatalog());
    QVERIFY(home_->createDeck(QStringLiteral("tutor.vdk")));
    QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
    QVERIFY(writeCards(paths::defaultDeck(), fullDeck(QSize(8, 8)).mid(0, 3)));
    QVERIFY(addCatalogRow(QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk")));
}

void TstFrmMainShell::init()
{
    ends_ = 0;
    prompter_.clear();
    settings_ = std::make_unique<SettingsStore>(home_->filePath(QStringLiteral("velmora.conf")));
    services_ = std::make_unique<Services>(Services{prompter_, clock_, random_, *settings_});
}

void TstFrmMainShell::cleanup()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    services_.reset();
    settings_.reset();
}

FrmBegin *TstFrmMainShell::startScreen()
{
    auto *begin = new FrmBegin(*services_);
    FrmMain::offerFromStartScreen(*begin, *services_);
    if (!begin->Form_Load())
        qFatal("the start screen did not load");
    begin->show();
    return begin;
}

FrmMain *TstFrmMainShell::openFromStartScreen(FrmBegin *begin)
{
    auto *learn = begin->findChild<QPushButton *>(QStringLiteral("cmdTarot"));
    if (!learn || !learn->isEnabled())
        return nullptr;
    QTest::mouseClick(learn, Qt::LeftButton);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<FrmMain *>(window); main && main->isVisible())
            return main;
    }
    return nullptr;
}

void TstFrmMainShell::learnButton_opensTheMainWindowAndBackReturns()
{
    FrmBegin *begin = startScreen();
    const QPointer<FrmMain> main = openFromStartScreen(begin);
    QVERIFY(main);
    QVERIFY(!begin->isVisible());
    QVERIFY(!main->isModal());
    QCOMPARE(main->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), int(TabSettings));
    // The first opening of the reminder writes its date and asks nothing.
    QVERIFY(settings_->contains(QStringLiteral("Duration")));
    QVERIFY(prompter_.records().isEmpty());

    QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QVERIFY(begin->isVisible());
    QTRY_VERIFY(main.isNull());

    // And again: every visit makes a window of its own.
    QVERIFY(openFromStartScreen(begin));
    QCOMPARE(ends_, 0);
}

void TstFrmMainShell::exits_endTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("Exit button") << QStringLiteral("cmdNav");
    QTest::addRow("Exit menu item") << QStringLiteral("mnuExit1");
    QTest::addRow("close box") << QString();
}

void TstFrmMainShell::exits_endTheProgram()
{
    QFETCH(QString, how);
    const QPointer<FrmBegin> begin = startScreen();
    const QPointer<FrmMain> main = openFromStartScreen(begin);
    QVERIFY(main);
    if (how == QLatin1String("cmdNav"))
        QTest::mouseClick(main->findChild<QPushButton *>(how), Qt::LeftButton);
    else if (!how.isEmpty())
        main->findChild<QAction *>(how)->trigger();
    else
        main->close();
    QCOMPARE(ends_, 1);
    // The hidden start screen went with it.
    QTRY_VERIFY(begin.isNull());
    QTRY_VERIFY(main.isNull());
}

void TstFrmMainShell::withoutDefaultDeck_everyWindowCloses()
{
    const QPointer<FrmBegin> begin = startScreen();
    const QString deck = paths::defaultDeck();
    QVERIFY(QFile::rename(deck, deck + QStringLiteral(".away")));
    const auto restore = qScopeGuard([&deck] { QFile::rename(deck + QStringLiteral(".away"), deck); });

    QVERIFY(!openFromStartScreen(begin));
    QCOMPARE(prompter_.messageTexts(), QStringList{QStringLiteral("Required files missing. Please reinstall Velmora")});
    QTRY_VERIFY(begin.isNull());
    QCOMPARE(ends_, 0);
}

void TstFrmMainShell::links_openTheirVendorPages()
{
    FrmMain *main = openFromStartScreen(startScreen());
    QVERIFY(main);
    UrlCatcher catcher;
    for (const char *name : {"Label6", "lblCobrand", "lblFullBrand"}) {
        auto *label = main->findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(label && label->isVisible(), name);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(catcher.urls, (QList<QUrl>{vendorPageUrl(VendorPage::HomePage), vendorPageUrl(VendorPage::CoBrand),
                                        vendorPageUrl(VendorPage::FullyBranded)}));
    QVERIFY(main->findChild<QMenu *>(QStringLiteral("mnuHelp")));
    QVERIFY(main->findChild<QAction *>(QStringLiteral("mnuAbout")));
}

QTEST_MAIN(TstFrmMainShell)
#include "tst_frmmain_shell.moc"
