#include "filebytes.h"

#include "app/programfolder.h"
#include "store/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<bool>("catalogFile"); // else a folder of the catalog's name
        QTest::addColumn<QString>("chosen");   // "exe": the executable's folder
        QTest::addRow("VELMORA_HOME over a portable copy") << "/elsewhere/" << true << "/elsewhere";
        QTest::addRow("build folder or portable copy") << "" << true << "exe";
        QTest::addRow("installed: a folder of the catalog's name") << "" << false << "/u/velmora";
    }
    void rule()
    {
        QFETCH(QString, home);
        QFETCH(bool, catalogFile);
        QFETCH(QString, chosen);
        QTemporaryDir exe;
        const QString catalog = exe.filePath(QStringLiteral("update.vdk"));
        QVERIFY(catalogFile ? writeFile(catalog, "x") : QDir().mkdir(catalog));
        QCOMPARE(paths::chooseProgramFolder(home, exe.path(), QStringLiteral("/u/velmora/")),
                 chosen == QLatin1String("exe") ? exe.path() : chosen);
    }

    // The first start copies what is missing; the user's files are never replaced.
    void fill_copiesOnlyWhatIsMissing()
    {
        QTemporaryDir installed;
        QTemporaryDir user;
        QVERIFY(writeFile(installed.filePath(QStringLiteral("update.vdk")), "catalog"));
        QVERIFY(writeFile(installed.filePath(QStringLiteral("tutor.vdk")), "template"));
        QVERIFY(writeFile(installed.filePath(QStringLiteral("tutor/Tutor1.vdk")), "deck"));
        const QString folder = user.filePath(QStringLiteral("share/velmora"));
        QVERIFY(writeFile(folder + QStringLiteral("/update.vdk"), "the user's catalog"));
        QVERIFY(QFile::link(QStringLiteral("/nowhere"), folder + QStringLiteral("/tutor.vdk")));

        QString error;
        for (int start = 0; start < 2; ++start) {
            QVERIFY2(fillProgramFolder(installed.path(), folder, &error), qPrintable(error));
            QCOMPARE(fileBytes(folder + QStringLiteral("/update.vdk")), QByteArray("the user's catalog"));
            QCOMPARE(QFile::symLinkTarget(folder + QStringLiteral("/tutor.vdk")), QStringLiteral("/nowhere"));
            QCOMPARE(fileBytes(folder + QStringLiteral("/tutor/Tutor1.vdk")), QByteArray("deck"));
            QVERIFY(QFileInfo(folder + QStringLiteral("/temp")).isDir());
            QCOMPARE(QDir(folder + QStringLiteral("/tutor"))
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QStringLiteral("Tutor1.vdk")});
        }

        // No installed catalog: nothing to fill from, nothing made.
        const QString other = user.filePath(QStringLiteral("other"));
        QVERIFY(fillProgramFolder(user.filePath(QStringLiteral("none")), other, &error));
        QVERIFY(!QFileInfo::exists(other));
        // A file where the folder should be: told, not crashed.
        QVERIFY(writeFile(user.filePath(QStringLiteral("blocked")), "x"));
        QVERIFY(!fillProgramFolder(installed.path(), user.filePath(QStringLiteral("blocked")), &error));
        QVERIFY(error.contains(QStringLiteral("blocked")));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
