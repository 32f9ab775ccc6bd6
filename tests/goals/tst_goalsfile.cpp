#include "cputime.h"
#include "filebytes.h"
#include "peakmemory.h"

#include "goals/goalsfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora::goals;
using velmora::test::fileBytes;
using velmora::test::writeFile;

namespace {

GoalRecord goal(const QString &name, const QString &description = {}, bool achieved = false, qint16 percentage = 0)
{
    return {name, QDate(2009, 3, 1), QDate(2009, 4, 15), description, achieved, percentage};
}

} // namespace

class TstGoalsFile : public QObject
{
    Q_OBJECT

private slots:
    void line_hasTheExactFormat_data()
    {
        QTest::addColumn<GoalRecord>("goal");
        QTest::addColumn<QString>("line");
        QTest::addRow("example") << goal(QStringLiteral("Learn the Major Arcana"),
                                         QStringLiteral("Ten minutes each evening"), false, 40)
                                 << QStringLiteral("\"Learn the Major Arcana\",#2009-03-01#,#2009-04-15#,"
                                                   "\"Ten minutes each evening\",#FALSE#,40\r\n");
        QTest::addRow("achieved, empty description")
            << goal(QStringLiteral("Cups"), {}, true, 100)
            << QStringLiteral("\"Cups\",#2009-03-01#,#2009-04-15#,\"\",#TRUE#,100\r\n");
        QTest::addRow("double quotes replaced") << goal(QStringLiteral("The \"Fool\""), QStringLiteral("say \"hi\""))
                                                << QStringLiteral("\"The ''Fool''\",#2009-03-01#,#2009-04-15#,"
                                                                  "\"say ''hi''\",#FALSE#,0\r\n");
    }

    void line_hasTheExactFormat()
    {
        QFETCH(GoalRecord, goal);
        QFETCH(QString, line);
        QCOMPARE(goalLine(goal), line);
    }

    void savedGoals_readBackAsSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addRow("commas and line breaks") << QStringLiteral("A, B") << QStringLiteral("one,\r\ntwo,\nthree\n\n");
        QTest::addRow("letters beyond ASCII") << QStringLiteral("Überprüfung ☽") << QStringLiteral("çà, 星");
        QTest::addRow("double quotes") << QStringLiteral("\"quoted\"") << QStringLiteral("a \"b\", c");
        QTest::addRow("hash and TRUE inside text") << QStringLiteral("#TRUE#") << QStringLiteral(",#2009-01-01#,");
    }

    void savedGoals_readBackAsSaved()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("goals.txt"));
        const GoalTable table{goal(QStringLiteral("first")), goal(name, description, true, 7),
                              goal(QStringLiteral("last"))};
        QVERIFY(!writeGoals(path, table).failed());

        const ReadOutcome read = readGoals(path);
        QVERIFY(read.exists);
        QVERIFY(!read.parsed.faulty);
        QCOMPARE(read.parsed.goals.size(), 3);
        GoalRecord expected = table[1];
        expected.name = quotableText(name);
        expected.description = quotableText(description);
        QCOMPARE(read.parsed.goals[1], expected);
        QCOMPARE(read.parsed.goals[2], table[2]);
        QVERIFY(fileBytes(path).contains(expected.name.toUtf8()));
    }

    void unparsableText_keepsGoalsReadBeforeTheFault_data()
    {
        const QByteArray good = "\"a\",#2009-03-01#,#2009-04-15#,\"d\",#FALSE#,40\r\n";
        const auto with = [&good](const char *from, const char *to) { return QByteArray(good).replace(from, to); };
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("goals");
        QTest::addColumn<int>("faultLine"); // 0: no fault
        QTest::addRow("blank lines between and at the end") << good + "\r\n" + good + "\r\n\r\n" << 2 << 0;
        QTest::addRow("line feeds only, no break at the end") << with("\r\n", "\n") + good.chopped(2) << 2 << 0;
        QTest::addRow("percentage above 100 taken as 100") << good + with("40\r\n", "250\r\n") << 2 << 0;
        QTest::addRow("missing field") << good + "\"b\",#2009-03-01#,\"d\",#FALSE#,4\r\n" << 1 << 2;
        QTest::addRow("bad date") << good + good + with("04-15", "02-30") << 2 << 3;
        QTest::addRow("line cut short") << good + good.left(20) << 1 << 2;
        QTest::addRow("quote never closed") << good + "\"b,#2009" << 1 << 2;
        QTest::addRow("fault after a text with line breaks")
            << QByteArray("\"a\",#2009-03-01#,#2009-04-15#,\"x\r\ny\",#TRUE#,1\r\nzz") << 1 << 3;
        QTest::addRow("unquoted name") << with("\"a\"", "a") << 0 << 1;
        QTest::addRow("blank around comma") << good + with(",#FALSE#", ", #FALSE#") << 1 << 2;
        QTest::addRow("true spelled otherwise") << with("#FALSE#", "#True#") << 0 << 1;
        QTest::addRow("trailing text after percentage") << with("40\r\n", "40x\r\n") << 0 << 1;
    }

    void unparsableText_keepsGoalsReadBeforeTheFault()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, goals);
        QFETCH(int, faultLine);
        const ParsedGoals parsed = parseGoals(decodeGoalsText(text));
        QCOMPARE(parsed.goals.size(), goals);
        QCOMPARE(parsed.faulty, faultLine != 0);
        QCOMPARE(parsed.faultLine, faultLine);
        for (const GoalRecord &read : parsed.goals)
            QVERIFY(read.percentage <= 100);
    }

    void bytesThatAreNotUtf8_readAsLatin1()
    {
        QCOMPARE(decodeGoalsText("caf\xc3\xa9"), QStringLiteral("café"));
        QCOMPARE(decodeGoalsText("caf\xe9 \xc3\xa9"), QString::fromLatin1("caf\xe9 \xc3\xa9"));
        const ParsedGoals parsed =
            parseGoals(decodeGoalsText("\"Ma\xeetrise\",#2009-03-01#,#2009-04-15#,\"\",#FALSE#,0"));
        QCOMPARE(parsed.goals.value(0).name, QStringLiteral("Maîtrise"));
    }

    void writeExcept_leavesOutIndexesAndAbsentTableTouchesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("goals.txt"));
        const GoalTable table{goal(QStringLiteral("0")), goal(QStringLiteral("1")), goal(QStringLiteral("2"))};
        QVERIFY(!writeGoals(path, table, {0, 2}).failed());
        QCOMPARE(fileBytes(path), goalLine(table[1]).toUtf8());
        QVERIFY(writeGoals(path, table, {0, 1, 2}).written);
        QCOMPARE(fileBytes(path), QByteArray());

        QVERIFY(writeFile(path, "kept"));
        const WriteOutcome absent = writeGoals(path, {});
        QVERIFY(!absent.written && !absent.failed());
        QCOMPARE(fileBytes(path), QByteArray("kept"));
    }

    void failedWrite_reportsAndKeepsTheFile()
    {
        QTemporaryDir dir;
        const WriteOutcome noFolder =
            writeGoals(dir.filePath(QStringLiteral("missing/goals.txt")), {goal(QStringLiteral("a"))});
        QVERIFY(noFolder.failed());
        QVERIFY(!noFolder.written);
        // A folder in the file's place: refused, nothing replaced.
        const QString folder = dir.filePath(QStringLiteral("goals.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("goals.txt")));
        QVERIFY(writeGoals(folder, {goal(QStringLiteral("a"))}).failed());
        QVERIFY(QFileInfo(folder).isDir());
    }

    void keepBeside_neverReplacesAnEarlierCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("goals.txt"));
        QCOMPARE(keepBeside(path, "one"), path + QStringLiteral(".bak"));
        // Nor writes through a link, even one that leads nowhere yet.
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), path + QStringLiteral(".bak2")));
        QCOMPARE(keepBeside(path, "two"), path + QStringLiteral(".bak3"));
        QCOMPARE(fileBytes(path + QStringLiteral(".bak")), QByteArray("one"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("elsewhere"))));
    }

    void hugeOrRandomInput_endsQuickly_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("goals");
        QTest::addColumn<bool>("cut"); // told that more was left unread
        const QByteArray line = "\"a\",#2009-03-01#,#2009-04-15#,\"d\",#FALSE#,40\r\n";
        QTest::addRow("1 MB line, quote never closed") << "\"" + QByteArray(1 << 20, 'x') << 0 << false;
        QTest::addRow("1 MB description")
            << "\"a\",#2009-03-01#,#2009-04-15#,\"" + QByteArray(1 << 20, ',') + "\",#FALSE#,1\r\n"
            << 1 << false;
        QByteArray random(1 << 20, '\0');
        QRandomGenerator generator(14);
        generator.fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
        QTest::addRow("random bytes") << random << 0 << false;
        QTest::addRow("a million goal lines") << line.repeated(1000000) << kMaxGoals << true;
        QTest::addRow("a million blank lines") << QByteArray("\r\n").repeated(1000000) << 0 << false;
        QTest::addRow("80 MB of goals in one line")
            << line + "\"a\",#2009-03-01#,#2009-04-15#,\"" + QByteArray(80 << 20, 'x') + "\",#FALSE#,1\r\n" + line << 1
            << true;
    }

    void hugeOrRandomInput_endsQuickly()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, goals);
        QFETCH(bool, cut);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("goals.txt"));
        QVERIFY(writeFile(path, text));
        text.clear();
        velmora::test::resetPeakMemory();
        const qint64 memoryBefore = velmora::test::peakMemoryMb();
        const velmora::test::CpuTimer work;
        const ReadOutcome read = readGoals(path);
        QCOMPARE(read.parsed.goals.size(), goals);
        QCOMPARE(read.parsed.cut, cut);
        QVERIFY2(work.elapsed() < 10000 * velmora::test::kSanitizerSlowdown,
                 qPrintable(QString::number(work.elapsed())));
        QVERIFY2(velmora::test::peakMemoryMb() - memoryBefore < 200,
                 qPrintable(QString::number(velmora::test::peakMemoryMb())));
    }
};

QTEST_GUILESS_MAIN(TstGoalsFile)
#include "tst_goalsfile.moc"
