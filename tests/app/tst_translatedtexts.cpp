#include "filebytes.h"
#include "servicesrig.h"
#include "testhome.h"

#include "app/frmabout.h"
#include "app/frmbegin.h"
#include "app/helpmenu.h"
#include "app/linklabel.h"
#include "app/prompter.h"
#include "resident/residentcontroller.h"
#include "resident/startupentry.h"
#include "resident/systemtrayframe.h"
#include "store/catalog.h"
#include "store/deck.h"
#include "store/regularfile.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <QtTest>

#include <cerrno>
#include <cstring>

using namespace velmora;

namespace {

// Every text that reaches the translation system comes back in brackets, so
// a text that bypasses it shows bare, and a message built from pieces shows
// whether it was translated whole before its pieces went in.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char * /*context*/, const char *sourceText, const char * /*disambiguation*/,
                      int /*n*/) const override
    {
        return QLatin1Char('<') + QString::fromUtf8(sourceText) + QLatin1Char('>');
    }
    bool isEmpty() const override { return false; }
};

bool marked(const QString &text)
{
    return text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>'));
}

// The texts of the window a user reads: captions, titles, tooltips, the
// names a screen reader says. The program's name and version stay as they are.
QStringList unmarkedTexts(const QWidget &window)
{
    QStringList bare;
    const auto check = [&bare](const QObject *owner, const QString &text) {
        if (!text.isEmpty() && text != QLatin1String(kAppTitle) && text != QLatin1String(kWindowCaption) &&
            !marked(text))
            bare.append(owner->objectName() + QStringLiteral(": ") + text);
    };
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        check(widget, widget->toolTip());
        check(widget, widget->accessibleName());
        check(widget, widget->accessibleDescription());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(widget, button->text());
        else if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->pixmap().isNull())
            check(widget, label->text());
        else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            check(widget, frame->title());
        else if (const auto *link = qobject_cast<const LinkLabel *>(widget))
            check(widget, link->text());
        else if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
            // A pop-up menu shows no title; one in a menu bar is its caption.
            if (qobject_cast<const QMenuBar *>(menu->parentWidget()))
                check(widget, menu->title());
            for (const QAction *action : menu->actions())
                check(action, action->text());
        }
    }
    return bare;
}

} // namespace

class TestTranslatedTexts : public QObject
{
    Q_OBJECT

    MarkingTranslator translator_;

private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&translator_)); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&translator_); }

    void storeMessages_areTranslatedWholeWithNamesInsertedAsTheyAre()
    {
        test::TestHome home;
        // A name that looks like a placeholder must not take in a later argument.
        const QString missing = home.filePath(QStringLiteral("gone%2.vdk"));
        Deck deck;
        QVERIFY(!deck.open(missing));
        QCOMPARE(deck.errorText(),
                 QStringLiteral("<The <deck> file gone%2.vdk is missing. It may have been moved or deleted.>"));
        Catalog catalog;
        QVERIFY(!catalog.open(Access::ReadOnly, missing));
        QCOMPARE(catalog.errorText(),
                 QStringLiteral("<The <catalog> file gone%2.vdk is missing. It may have been moved or deleted.>"));

        home.makeFolders();
        store::RegularFile folder;
        QVERIFY(!folder.open(home.filePath(QStringLiteral("tutor"))));
        QCOMPARE(folder.errorText(), QStringLiteral("<tutor is a folder, not a file, so it is not read.>"));
        Deck notADeck;
        QVERIFY(!notADeck.open(home.filePath(QStringLiteral("tutor"))));
        QVERIFY2(marked(notADeck.errorText()) && notADeck.errorText().contains(QLatin1String("<deck>")),
                 qPrintable(notADeck.errorText()));
    }

    // The number goes into the translated sentence; the system's reason follows on a line of its own.
    void startupEntryFailure_isOneSentenceWithTheNumberInside()
    {
        QTemporaryDir config;
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QVERIFY(test::writeFile(config.filePath(QStringLiteral("autostart")), "not a folder"));
        test::ScriptedPrompter prompter;
        SetStartupEntry(prompter, QStringLiteral("velmora"), QStringLiteral("/opt"), true);
        QCOMPARE(prompter.messageTexts(),
                 QStringList{QStringLiteral("<Error %1 opening key>\r\n%2")
                                 .arg(QString::number(ENOTDIR), QString::fromLocal8Bit(std::strerror(ENOTDIR)))});
        qunsetenv("XDG_CONFIG_HOME");
    }

    void windowsOfTheStart_showOnlyTranslatedTexts()
    {
        test::ServicesRig rig;
        FrmBegin begin(rig.services);
        QVERIFY2(unmarkedTexts(begin).isEmpty(), qPrintable(unmarkedTexts(begin).join(QLatin1String("; "))));

        FrmAbout about;
        QVERIFY2(unmarkedTexts(about).isEmpty(), qPrintable(unmarkedTexts(about).join(QLatin1String("; "))));

        QWidget window;
        auto *menuBar = new QMenuBar(&window);
        QVERIFY(marked(addHelpMenu(menuBar, rig.services, &window)->title()));
        auto *frame = new SystemTrayFrame(&window);
        ResidentController resident(rig.services, &window, frame);
        QVERIFY(frame->title() == QStringLiteral("<Run on Windows Start-Up>"));
        QVERIFY2(unmarkedTexts(window).isEmpty(), qPrintable(unmarkedTexts(window).join(QLatin1String("; "))));
        QCOMPARE(resident.trayMenu()->actions().size(), 2);
        for (const QAction *action : resident.trayMenu()->actions())
            QVERIFY2(marked(action->text()), qPrintable(action->text()));
    }
};

QTEST_MAIN(TestTranslatedTexts)
#include "tst_translatedtexts.moc"
