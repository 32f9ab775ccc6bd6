#include "filebytes.h"
#include "tinyfilesystem.h"

#include "app/safesave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace velmora;
using velmora::test::fileBytes;
using velmora::test::TinyFileSystem;

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    void save_replacesTheFileWholeAndLeavesNoTemporaryFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        QVERIFY(saveFileAtomically(path, QByteArray(100000, 'a')));
        QVERIFY(saveFileAtomically(path, "short"));
        QCOMPARE(fileBytes(path), QByteArray("short"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.txt")});
    }

    void refusedSave_saysWhyAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addRow("folder that does not exist") << QStringLiteral("missing/report.txt");
        QTest::addRow("name of a folder") << QStringLiteral("sub");
    }
    void refusedSave_saysWhyAndKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QString error;
        QVERIFY(!saveFileAtomically(dir.filePath(target), "text", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
    }

    // Whether the bytes fit in a file buffer or not, the disk being full is
    // found before the rename, and named.
    void fullFileSystem_failsAndKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addRow("text that fits in the buffer") << 5000;
        QTest::addRow("text larger than the buffer") << 40000;
    }
    void fullFileSystem_failsAndKeepsTheOldFile()
    {
        QFETCH(int, size);
        TinyFileSystem disk;
        if (!disk.mounted())
            QSKIP("no small file system can be mounted here (needs root and tmpfs)");
        const QString path = disk.filePath(QStringLiteral("report.txt"));
        QVERIFY(velmora::test::writeFile(path, "the old report\r\n"));
        QVERIFY(disk.fill());

        QString error;
        QVERIFY(!saveFileAtomically(path, QByteArray(size, 'n'), &error));
        QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(fileBytes(path), QByteArray("the old report\r\n"));
        QVERIFY(QFile::remove(disk.filePath(QStringLiteral("filler"))));
        QVERIFY(saveFileAtomically(path, QByteArray(size, 'n')));
        QCOMPARE(fileBytes(path).size(), size);
    }

    void device_isWrittenInPlaceNotReplaced()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full on this system");
        QString error;
        QVERIFY(!saveFileAtomically(QStringLiteral("/dev/full"), "text", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
        QVERIFY(saveFileAtomically(QStringLiteral("/dev/null"), "text"));
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
