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

    // A window that refuses to close does not keep the program alive.
    void endProgram_closesShownHiddenAndStubbornWindowsThenEnds()
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
        QVERIFY(first.closes == 1 && second.closes == 1);
        QVERIFY(!first.isVisible() && !second.isVisible());
        QVERIFY(!closingAllWindows());

        // Its own close box, outside EndProgram, ends the program.
        first.show();
        first.close();
        QCOMPARE(ends_, 2);
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
