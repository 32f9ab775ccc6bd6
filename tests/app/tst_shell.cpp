#include "testhome.h"

#include "app/accesskey.h"
#include "app/orderlyending.h"
#include "app/shell.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

// A window whose close box ends the program, as the main window's does.
class EndingWindow : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        QWidget::closeEvent(event);
        EndProgram();
    }
};

// A window that refuses to close when asked, until it yields.
class StubbornWindow : public QWidget
{
public:
    bool yields = false;

protected:
    void closeEvent(QCloseEvent *event) override { event->setAccepted(yields); }
};

// A window holding work it could not save, as the card editor, the readings
// and the card of the day do when their save fails: it asks before closing
// when it may, and stays when it may not or is told No.
class HoldingWindow : public QWidget
{
public:
    HoldingWindow(bool answersYes, int &asked) : answersYes_(answersYes), asked_(asked)
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (closingMayAsk()) {
            ++asked_;
            event->setAccepted(answersYes_);
        } else {
            event->ignore();
        }
    }

private:
    bool answersYes_;
    int &asked_;
};

struct RecordedSession : SessionEnd
{
    bool interaction = false;
    int cancels = 0;
    int releases = 0;
    bool allowsInteraction() override { return interaction; }
    void cancel() override { ++cancels; }
    void release() override { ++releases; }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

    int ends_ = 0;

private slots:
    void initTestCase()
    {
        setProcessEnder([this] { ++ends_; });
    }
    void init() { ends_ = 0; }

    // A file where a folder belongs, or the other way round, is not the data.
    void requiredFiles_anyOneMissingOrOfTheWrongKind()
    {
        {
            TestHome home;
            QVERIFY(home.makeRequiredData());
            QVERIFY(requiredFilesPresent());
            QCOMPARE(requiredPaths().size(), 5);
        }
        for (const char *relative : {"tutor/Tutor1.vdk", "update.vdk", "tutor.vdk", "tutor", "temp"}) {
            for (const bool replace : {false, true}) {
                TestHome home;
                QVERIFY(home.makeRequiredData());
                const QString path = home.filePath(QLatin1String(relative));
                const bool folder = QFileInfo(path).isDir();
                QVERIFY(folder ? QDir(path).removeRecursively() : QFile::remove(path));
                if (replace && folder) {
                    QFile file(path);
                    QVERIFY(file.open(QIODevice::WriteOnly));
                } else if (replace) {
                    QVERIFY(QDir().mkpath(path));
                }
                QVERIFY2(!requiredFilesPresent(), relative);
            }
        }
    }

    // Shown and hidden windows are closed and the process ends; a window that
    // refuses (its user kept work that could not be saved) stops the ending
    // before any hidden window goes.
    void endProgram_closesShownThenHiddenWindows_aRefusalStopsIt()
    {
        QPointer<QWidget> shown = new QWidget;
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->show();
        StubbornWindow stubborn;
        stubborn.show();
        QWidget hidden;
        hidden.show();
        hidden.hide();
        int hiddenCloses = 0;
        struct Filter : QObject
        {
            int &count;
            explicit Filter(int &c) : count(c) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Close)
                    ++count;
                return false;
            }
        } filter(hiddenCloses);
        hidden.installEventFilter(&filter);

        QVERIFY(!endProgramInOrder());
        QCOMPARE(ends_, 0);
        QCOMPARE(hiddenCloses, 0);
        QVERIFY(stubborn.isVisible() && !closingAllWindows());

        stubborn.yields = true;
        EndProgram();
        QCOMPARE(ends_, 1);
        QCOMPARE(hiddenCloses, 1);
        QTRY_VERIFY_WITH_TIMEOUT(shown.isNull(), 60000);
    }

    // The main window's close box ends the program too: when EndProgram closes
    // it, it must not start a second round, and the process still ends once.
    void endProgram_windowThatEndsTheProgramOnClose_endsOnce()
    {
        EndingWindow first;
        EndingWindow second;
        first.show();
        second.show();

        EndProgram();

        QCOMPARE(ends_, 1);
        QVERIFY(first.closes == 1 && second.closes == 1);
        QVERIFY(!first.isVisible() && !second.isVisible());
        QVERIFY(!closingAllWindows());

        // Its own close box, outside EndProgram, ends the program.
        first.show();
        first.close();
        QCOMPARE(ends_, 2);
    }

    void sessionEnd_asksOnlyWithLeaveAndARefusalCancels_data()
    {
        QTest::addColumn<bool>("interaction");
        QTest::addColumn<bool>("holdsWork");
        QTest::addColumn<bool>("answersYes");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("ended");
        QTest::addRow("nothing held, no leave to ask") << false << false << false << 0 << true;
        QTest::addRow("nothing held, leave to ask") << true << false << false << 0 << true;
        QTest::addRow("work held, no leave to ask: stays unasked") << false << true << false << 0 << false;
        QTest::addRow("work held, asked, No") << true << true << false << 1 << false;
        QTest::addRow("work held, asked, Yes") << true << true << true << 1 << true;
    }

    void sessionEnd_asksOnlyWithLeaveAndARefusalCancels()
    {
        QFETCH(bool, interaction);
        QFETCH(bool, holdsWork);
        QFETCH(bool, answersYes);
        QFETCH(int, asked);
        QFETCH(bool, ended);
        QWidget plain;
        plain.show();
        int timesAsked = 0;
        QPointer<HoldingWindow> holding;
        if (holdsWork) {
            holding = new HoldingWindow(answersYes, timesAsked);
            holding->show();
        }
        const auto cleanUp = qScopeGuard([&] { delete holding.data(); });
        RecordedSession session;
        session.interaction = interaction;

        answerSessionEnd(session);

        QCOMPARE(timesAsked, asked);
        QCOMPARE(ends_, ended ? 1 : 0);
        QCOMPARE(session.cancels, ended ? 0 : 1);
        // Leave to ask, once given, is handed back whatever the outcome.
        QCOMPARE(session.releases, interaction ? 1 : 0);
        QCOMPARE(!holding.isNull() && holding->isVisible(), !ended);
        QVERIFY(closingMayAsk());
    }

    void unloadAllForms_closesEveryWindowButDoesNotEnd()
    {
        QWidget a;
        QWidget b;
        a.show();
        b.show();
        UnloadAllForms();
        QVERIFY(!a.isVisible() && !b.isVisible());
        QCOMPARE(ends_, 0);
    }

    // One lock per program folder, however the folder is spelt; released, it lets the next copy in.
    void singleInstance_oneLockPerProgramFolder()
    {
        TestHome home;
        SingleInstanceLock first;
        QVERIFY(first.tryAcquire());
        QDir(home.path()).mkpath(QStringLiteral("tutor"));
        qputenv("VELMORA_HOME", QFile::encodeName(home.path() + QStringLiteral("/tutor/..//")));
        SingleInstanceLock second;
        QCOMPARE(second.lockFilePath(), first.lockFilePath());
        QVERIFY(!second.tryAcquire());

        {
            TestHome elsewhere;
            SingleInstanceLock beside;
            QVERIFY(beside.lockFilePath() != first.lockFilePath());
            QVERIFY(beside.tryAcquire());
        }

        first.release();
        QVERIFY(second.tryAcquire());
        qputenv("VELMORA_HOME", QFile::encodeName(home.path()));
    }

    // The lock's folder is one only the user can write; another user's or an
    // open one is passed over, so nobody else can take the lock's name first.
    void singleInstance_lockFolderOnlyTheUserCanWrite_data()
    {
        QTest::addColumn<QString>("runtime");  // the XDG_RUNTIME_DIR given, or "unset"
        QTest::addColumn<QString>("cache");    // how the cache's velmora folder is found
        QTest::addColumn<QString>("expected"); // "runtime", "cache" or "none"
        const auto row = [](const char *runtime, const char *cache, const char *expected, const char *tag) {
            QTest::addRow("%s", tag) << QString::fromLatin1(runtime) << QString::fromLatin1(cache)
                                     << QString::fromLatin1(expected);
        };
        row("private", "absent", "runtime", "own runtime folder");
        row("unset", "absent", "cache", "no runtime folder");
        row("missing", "absent", "cache", "runtime folder missing");
        row("open", "absent", "cache", "runtime folder open to all");
        row("foreign", "absent", "cache", "runtime folder of another user");
        row("unset", "private", "cache", "cache folder already made");
        row("unset", "open", "none", "cache folder open to the group");
        row("unset", "foreign", "none", "cache folder of another user");
        row("unset", "link", "none", "cache folder a link");
    }
    void singleInstance_lockFolderOnlyTheUserCanWrite()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, cache);
        QFETCH(QString, expected);
        if ((runtime == "foreign" || cache == "foreign") && ::geteuid() != 0)
            QSKIP("giving a folder to another user needs the superuser");

        TestHome home;
        QTemporaryDir scratch;
        const QByteArray previousHome = qgetenv("HOME");
        const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray previousCache = qgetenv("XDG_CACHE_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", previousHome);
            previousRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", previousRuntime);
            previousCache.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", previousCache);
        });
        const auto makeFolder = [](const QString &path, const QString &kind) {
            if (kind == "link")
                return QDir().mkpath(path + ".target") && QFile::link(path + ".target", path);
            if (!QDir().mkpath(path))
                return false;
            ::chmod(QFile::encodeName(path).constData(), kind == "open" ? 0777 : 0700);
            return kind != "foreign" || ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
        };

        const QString runtimeFolder = scratch.filePath("runtime");
        if (runtime == "unset") {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder));
            if (runtime != "missing")
                QVERIFY(makeFolder(runtimeFolder, runtime));
        }
        const QString cacheHome = scratch.filePath("cache");
        qputenv("HOME", QFile::encodeName(scratch.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome));
        const QString cacheRoot = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        QVERIFY(cacheRoot.startsWith(scratch.path()));
        const QString cacheFolder = cacheRoot + "/velmora";
        if (cache != "absent") {
            QVERIFY(QDir().mkpath(cacheRoot));
            QVERIFY(makeFolder(cacheFolder, cache));
        }

        const QString folder = singleInstanceLockFolder();
        SingleInstanceLock lock;
        QVERIFY(lock.tryAcquire());
        if (expected == "none") {
            QVERIFY(folder.isEmpty());
            QVERIFY(lock.lockFilePath().isEmpty());
            return;
        }
        QCOMPARE(folder, expected == "runtime" ? runtimeFolder : cacheFolder);
        QCOMPARE(QFileInfo(lock.lockFilePath()).path(), folder);
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
        QCOMPARE(QFileInfo(folder).ownerId(), ::getuid());
        SingleInstanceLock second;
        QVERIFY(!second.tryAcquire());
    }

    void accessKey_notation()
    {
        // caption, shown text, access key
        const QList<std::array<QString, 3>> cases = {{"Exi&t", "Exit", "T"},
                                                     {"&Import Other Decks", "Import Other Decks", "I"},
                                                     {"Learn Tarot && Test", "Learn Tarot & Test", {}},
                                                     {"Q&&A &Help", "Q&A Help", "H"},
                                                     {"Oops&", "Oops", {}},
                                                     {"Download Decks:", "Download Decks:", {}}};
        for (const auto &[caption, shown, key] : cases) {
            QCOMPARE(captionDisplayText(caption), shown);
            const QChar accessKey = captionAccessKey(caption);
            QCOMPARE(accessKey.isNull() ? QString() : QString(accessKey), key);
        }
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
