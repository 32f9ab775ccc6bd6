// The sweep of working folders left behind: only old directories named as
// the exchange names them go, with what they hold; a file or a link under
// such a name, a folder in use, another name, and whatever a link points to
// stay as they are.

#include "store/workfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::store;

namespace {

const QDateTime kNow = QDateTime::currentDateTimeUtc();

bool writeFile(const QString &path, const QByteArray &bytes = "bytes")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Sets the time an entry (not what a link points to) was last written.
bool setWritten(const QString &path, const QDateTime &when)
{
    const timespec times[2] = {{when.toSecsSinceEpoch(), 0}, {when.toSecsSinceEpoch(), 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// A folder as a package import leaves it: a deck, its journal, a folder in it.
bool makeLeftover(const QString &path, const QDateTime &written)
{
    return QDir().mkpath(path + QStringLiteral("/inner")) && writeFile(path + QStringLiteral("/deck.vdk")) &&
           writeFile(path + QStringLiteral("/deck.vdk-journal")) &&
           writeFile(path + QStringLiteral("/inner/collection")) &&
           setWritten(path + QStringLiteral("/inner/collection"), written) &&
           setWritten(path + QStringLiteral("/deck.vdk"), written) &&
           setWritten(path + QStringLiteral("/deck.vdk-journal"), written) &&
           setWritten(path + QStringLiteral("/inner"), written) && setWritten(path, written);
}

} // namespace

class TestWorkFolders : public QObject
{
    Q_OBJECT

private slots:
    void sweep_takesOnlyOldFoldersOfItsOwnName_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minutesAgo");
        QTest::addColumn<bool>("swept");
        QTest::newRow("left an hour ago") << "folder"
                                          << "~velmora-package-a1B2c3" << 60 << true;
        QTest::newRow("left just over the age") << "folder"
                                                << "~velmora-package-zzzzzz" << 11 << true;
        QTest::newRow("in use") << "folder"
                                << "~velmora-package-a1B2c3" << 1 << false;
        QTest::newRow("a file under the name") << "file"
                                               << "~velmora-package-a1B2c3" << 60 << false;
        QTest::newRow("a link to a folder") << "link"
                                            << "~velmora-package-a1B2c3" << 60 << false;
        QTest::newRow("another program's folder") << "folder"
                                                  << "~other-package-a1B2c3" << 60 << false;
        QTest::newRow("five characters") << "folder"
                                         << "~velmora-package-a1B2c" << 60 << false;
        QTest::newRow("seven characters") << "folder"
                                          << "~velmora-package-a1B2c3d" << 60 << false;
        QTest::newRow("a dot in the name") << "folder"
                                           << "~velmora-package-a1.2c3" << 60 << false;
    }
    void sweep_takesOnlyOldFoldersOfItsOwnName()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(int, minutesAgo);
        QFETCH(bool, swept);
        QTemporaryDir work;
        QTemporaryDir elsewhere;
        const QDateTime written = kNow.addSecs(-60LL * minutesAgo);
        const QString path = work.filePath(name);
        const QString target = elsewhere.filePath(QStringLiteral("kept"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(makeLeftover(path, written));
        } else if (kind == QLatin1String("file")) {
            QVERIFY(writeFile(path));
            QVERIFY(setWritten(path, written));
        } else {
            QVERIFY(makeLeftover(target, written));
            QVERIFY(QFile::link(target, path));
            QVERIFY(setWritten(path, written));
        }

        QCOMPARE(sweepPackageWorkFolders(work.path(), kNow.addSecs(-kLeftoverWorkFolderSecs)), swept ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), !swept);
        if (kind == QLatin1String("link")) {
            QVERIFY(QFileInfo(path).isSymLink());
            QVERIFY(QFileInfo::exists(target + QStringLiteral("/inner/collection")));
        }
    }

    void sweep_leavesAFolderWhoseContentsWereWrittenLately()
    {
        QTemporaryDir work;
        const QString path = work.filePath(QStringLiteral("~velmora-package-q9W8e7"));
        QVERIFY(makeLeftover(path, kNow.addSecs(-3600)));
        // A deck being written changes its file, not the folder around it.
        QVERIFY(setWritten(path + QStringLiteral("/deck.vdk"), kNow));
        QVERIFY(setWritten(path, kNow.addSecs(-3600)));
        QCOMPARE(sweepPackageWorkFolders(work.path(), kNow.addSecs(-kLeftoverWorkFolderSecs)), 0);
        QVERIFY(QFileInfo::exists(path + QStringLiteral("/deck.vdk")));
    }

    void sweep_removesLinksInsideAsLinks()
    {
        QTemporaryDir work;
        QTemporaryDir elsewhere;
        const QString path = work.filePath(QStringLiteral("~velmora-package-L1nk5s"));
        QVERIFY(makeLeftover(elsewhere.filePath(QStringLiteral("decks")), kNow));
        QVERIFY(writeFile(elsewhere.filePath(QStringLiteral("notes.txt"))));
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("decks")), path + QStringLiteral("/decks")));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("notes.txt")), path + QStringLiteral("/notes")));
        QVERIFY(setWritten(path + QStringLiteral("/decks"), kNow.addSecs(-3600)));
        QVERIFY(setWritten(path + QStringLiteral("/notes"), kNow.addSecs(-3600)));
        QVERIFY(setWritten(path, kNow.addSecs(-3600)));

        QCOMPARE(sweepPackageWorkFolders(work.path(), kNow.addSecs(-kLeftoverWorkFolderSecs)), 1);
        QVERIFY(!QFileInfo(path).exists());
        QVERIFY(QFileInfo::exists(elsewhere.filePath(QStringLiteral("decks/inner/collection"))));
        QVERIFY(QFileInfo::exists(elsewhere.filePath(QStringLiteral("decks/deck.vdk"))));
        QVERIFY(QFileInfo::exists(elsewhere.filePath(QStringLiteral("notes.txt"))));
    }

    void sweep_takesTheFoldersTheExchangeMakes()
    {
        QTemporaryDir work;
        QTemporaryDir made(packageWorkTemplate(work.path()));
        QVERIFY(made.isValid());
        made.setAutoRemove(false);
        QVERIFY(writeFile(made.filePath(QStringLiteral("collection"))));
        QCOMPARE(sweepPackageWorkFolders(work.path(), kNow.addSecs(-kLeftoverWorkFolderSecs)), 0);
        QCOMPARE(sweepPackageWorkFolders(work.path(), kNow.addSecs(3600)), 1);
        QVERIFY(!QFileInfo::exists(made.path()));
    }

    void sweep_ofAFolderThatIsNoneOrALink_removesNothing()
    {
        QTemporaryDir work;
        QTemporaryDir elsewhere;
        QVERIFY(makeLeftover(elsewhere.filePath(QStringLiteral("~velmora-package-a1B2c3")), kNow.addSecs(-3600)));
        const QString link = work.filePath(QStringLiteral("temp"));
        QVERIFY(QFile::link(elsewhere.path(), link));
        QCOMPARE(sweepPackageWorkFolders(link, kNow.addSecs(3600)), 0);
        QCOMPARE(sweepPackageWorkFolders(work.filePath(QStringLiteral("missing")), kNow.addSecs(3600)), 0);
        QVERIFY(QFileInfo::exists(elsewhere.filePath(QStringLiteral("~velmora-package-a1B2c3/deck.vdk"))));
    }
};

QTEST_GUILESS_MAIN(TestWorkFolders)
#include "tst_workfolders.moc"
