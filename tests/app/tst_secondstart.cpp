// The hand-off of a second start to the running copy, both ends in one
// process: the second start's end runs on a thread of its own, as it would
// block the running copy's event loop otherwise.

#include "app/secondstart.h"

#include <QDialog>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <future>

using namespace velmora;

class TstSecondStart : public QObject
{
    Q_OBJECT

private slots:
    void arguments_reachTheRunningCopy_andOnlyAWholeMessageCounts()
    {
        QTemporaryDir folder;
        const QString path = secondStartSocketPath(folder.filePath(QStringLiteral("velmora-1-ab.lock")));
        QCOMPARE(path, folder.filePath(QStringLiteral("velmora-1-ab.socket")));
        QVERIFY(!handToRunningCopy(path, {QStringLiteral("velmora")}, 500));

        // A file a dead copy left there does not keep the next one from listening.
        QFile leftOver(path);
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.close();
        SecondStartListener listener(path);
        QVERIFY(listener.listen());
        QSignalSpy started(&listener, &SecondStartListener::secondStarted);

        const QStringList arguments{QStringLiteral("velmora"), QStringLiteral("deck ünïcode.vdk")};
        std::future<bool> handed = std::async(std::launch::async, [&] { return handToRunningCopy(path, arguments); });
        QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 60000);
        QVERIFY(handed.get());
        QCOMPARE(started.first().first().toStringList(), arguments);

        // Anything but a command line is dropped unanswered.
        std::future<bool> garbage = std::async(std::launch::async, [&] {
            QLocalSocket socket;
            socket.connectToServer(path);
            if (!socket.waitForConnected(3000))
                return false;
            socket.write(QByteArray("\xff\xff\xff\xff") + QByteArray(100, 'x'));
            socket.waitForBytesWritten(3000);
            socket.waitForReadyRead(3000);
            return !socket.readAll().isEmpty();
        });
        while (garbage.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
            QCoreApplication::processEvents();
        QVERIFY(!garbage.get());
        QCOMPARE(started.size(), 1);
    }

    // A logon start leaves the running copy alone; another start raises the
    // modal window first, else a shown one, else the main window from the tray.
    void answer_raisesTheWindowTheUserWorksIn()
    {
        QWidget start;
        start.setObjectName(QStringLiteral("frmBegin"));
        QWidget main;
        main.setObjectName(QStringLiteral("frmMain"));
        QCOMPARE(answerSecondStart({QStringLiteral("velmora"), QStringLiteral("/STARTUP")}), nullptr);
        QVERIFY(!main.isVisible());
        QCOMPARE(answerSecondStart({QStringLiteral("velmora")}), &main);
        QVERIFY(main.isVisible());

        main.showMinimized();
        QCOMPARE(answerSecondStart({QStringLiteral("velmora")}), &main);
        QVERIFY(!main.isMinimized());

        QDialog modal(&main);
        modal.setModal(true);
        modal.show();
        QCOMPARE(answerSecondStart({QStringLiteral("velmora")}), &modal);
    }
};

QTEST_MAIN(TstSecondStart)
#include "tst_secondstart.moc"
