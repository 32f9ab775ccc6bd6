#include "testhome.h"

#include "app/accesskey.h"
#include "app/shell.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QWidget>

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

// A window that refuses to close when asked.
class StubbornWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

void layDownRequiredData(const TestHome &home)
{
    home.makeFolders();
    for (const char *file : {"tutor/Tutor1.vdk", "update.vdk", "tutor.vdk"}) {
        QFile touched(home.filePath(QLatin1String(file)));
        QVERIFY(touched.open(QIODevice::WriteOnly));
    }
}

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

    void requiredFiles_allFivePresent()
    {
        TestHome home;
        layDownRequiredData(home);
        QVERIFY(requiredFilesPresent());
        QCOMPARE(requiredPaths().size(), 5);
    }

    void requiredFiles_anyOneMissing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("folder");
        QTest::addRow("default deck") << QStringLiteral("tutor/Tutor1.vdk") << false;
        QTest::addRow("catalog") << QStringLiteral("update.vdk") << false;
        QTest::addRow("template") << QStringLiteral("tutor.vdk") << false;
        QTest::addRow("deck folder") << QStringLiteral("tutor") << true;
        QTest::addRow("exchange folder") << QStringLiteral("temp") << true;
    }

    void requiredFiles_anyOneMissing()
    {
        QFETCH(QString, relative);
        QFETCH(bool, folder);
        TestHome home;
        layDownRequiredData(home);
        const QString path = home.filePath(relative);
        QVERIFY(folder ? QDir(path).removeRecursively() : QFile::remove(path));
        QVERIFY(!requiredFilesPresent());
    }

    // A file where a folder belongs, or the other way round, is not the data.
    void requiredFiles_wrongKindIsMissing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("folder");
        QTest::addRow("exchange folder is a file") << QStringLiteral("temp") << true;
        QTest::addRow("catalog is a folder") << QStringLiteral("update.vdk") << false;
    }

    void requiredFiles_wrongKindIsMissing()
    {
        QFETCH(QString, relative);
        QFETCH(bool, folder);
        TestHome home;
        layDownRequiredData(home);
        const QString path = home.filePath(relative);
        if (folder) {
            QVERIFY(QDir(path).removeRecursively());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkpath(path));
        }
        QVERIFY(!requiredFilesPresent());
    }

    void endProgram_closesShownAndHiddenWindowsThenEnds()
    {
        QPointer<QWidget> shown = new QWidget;
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->show();
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

        EndProgram();

        QCOMPARE(ends_, 1);
        QCOMPARE(hiddenCloses, 1);
        QTRY_VERIFY(shown.isNull());
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
        QCOMPARE(first.closes, 1);
        QCOMPARE(second.closes, 1);
        QVERIFY(!first.isVisible());
        QVERIFY(!second.isVisible());
        QVERIFY(!closingAllWindows());

        // Its own close box, outside EndProgram, ends the program.
        first.show();
        first.close();
        QCOMPARE(ends_, 2);
    }

    void endProgram_windowRefusingToClose_stillEnds()
    {
        StubbornWindow stubborn;
        stubborn.show();
        QWidget other;
        other.show();
        EndProgram();
        QCOMPARE(ends_, 1);
        QVERIFY(!other.isVisible());
    }

    void unloadAllForms_closesEveryWindowButDoesNotEnd()
    {
        QWidget a;
        QWidget b;
        a.show();
        b.show();
        UnloadAllForms();
        QVERIFY(!a.isVisible());
        QVERIFY(!b.isVisible());
        QCOMPARE(ends_, 0);
    }

    void singleInstance_oneLockPerProgramFolder()
    {
        TestHome home;
        SingleInstanceLock first;
        SingleInstanceLock second;
        QCOMPARE(first.lockFilePath(), second.lockFilePath());
        QVERIFY(first.tryAcquire());
        QVERIFY(!second.tryAcquire());

        {
            TestHome elsewhere;
            SingleInstanceLock beside;
            QVERIFY(beside.lockFilePath() != first.lockFilePath());
            QVERIFY(beside.tryAcquire());
        }

        first.release();
        QVERIFY(second.tryAcquire());
    }

    // The same folder reached by another spelling is the same installation.
    void singleInstance_sameFolderOtherSpelling()
    {
        TestHome home;
        const QString lockPath = SingleInstanceLock().lockFilePath();
        qputenv("VELMORA_HOME", QFile::encodeName(home.path() + QStringLiteral("/tutor/..//")));
        QDir(home.path()).mkpath(QStringLiteral("tutor"));
        QCOMPARE(SingleInstanceLock().lockFilePath(), lockPath);
    }

    void accessKey_notation_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("key");
        QTest::addRow("marked letter") << QStringLiteral("Exi&t") << QStringLiteral("Exit") << QStringLiteral("T");
        QTest::addRow("first letter") << QStringLiteral("&Import Other Decks") << QStringLiteral("Import Other Decks")
                                      << QStringLiteral("I");
        QTest::addRow("doubled ampersand")
            << QStringLiteral("Learn Tarot && Test") << QStringLiteral("Learn Tarot & Test") << QString();
        QTest::addRow("doubled then marked")
            << QStringLiteral("Q&&A &Help") << QStringLiteral("Q&A Help") << QStringLiteral("H");
        QTest::addRow("ampersand at the end") << QStringLiteral("Oops&") << QStringLiteral("Oops") << QString();
        QTest::addRow("none") << QStringLiteral("Download Decks:") << QStringLiteral("Download Decks:") << QString();
    }

    void accessKey_notation()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QFETCH(QString, key);
        QCOMPARE(captionDisplayText(caption), shown);
        const QChar accessKey = captionAccessKey(caption);
        QCOMPARE(accessKey.isNull() ? QString() : QString(accessKey), key);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
