#include "deckbuilder.h"
#include "fakes.h"
#include "scriptedprompter.h"
#include "testhome.h"

#include "learn/testreport.h"
#include "store/database.h"
#include "store/paths.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace velmora;

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ReportInput input(TestType type, QVector<ReportQuestion> questions, int keywordsToChoose, int questionCount)
{
    ReportInput in;
    in.appTitle = QString::fromLatin1(kAppTitle);
    in.type = type;
    in.questions = std::move(questions);
    in.keywordsToChoose = keywordsToChoose;
    in.questionCount = questionCount;
    return in;
}

} // namespace

class TestReportTest : public QObject
{
    Q_OBJECT

private slots:
    void questionLine_data();
    void questionLine();
    void summary_data();
    void summary();
    void oneQuestionReport_hasEveryPartInOrder();
    void reportTotal_data();
    void reportTotal();
    void finishedRun_reportsCardNamesFromTheDeck();
    void save_asksForATextFileAndReplacesItWithUtf8();
    void saveDialog_cancelWritesNothing();
    void failedWrite_isToldAndNotSuccess_data();
    void failedWrite_isToldAndNotSuccess();
    void readOnlyFolder_isToldAndKeepsTheOldFile();
};

void TestReportTest::questionLine_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("toChoose");
    QTest::addColumn<QString>("expected");
    const int description = int(TestType::Description);
    const int keywords = int(TestType::Keywords);
    const QString star = QStringLiteral("The Star");

    QTest::addRow("reversed, right") << 1 << star << true << description << 1 << 0
                                     << "01.      The Star (Reversed)" + blanks(17) + "Correct";
    QTest::addRow("upright, keywords") << 1 << star << false << keywords << 2 << 3
                                       << "01.      The Star" + blanks(28) + "2 Out Of 3 Correct";
    QTest::addRow("upright, wrong") << 9 << star << false << description << 0 << 0
                                    << "09.      The Star" + blanks(28) + "Wrong";
    QTest::addRow("any score but 0 is right")
        << 12 << star << false << description << 3 << 0 << "12.      The Star" + blanks(28) + "Correct";
    QTest::addRow("three digits") << 100 << star << true << keywords << 0 << 7
                                  << "100.      The Star (Reversed)" + blanks(17) + "0 Out Of 7 Correct";
    const QString name25 = QString(25, QLatin1Char('x'));
    const QString name26 = QString(26, QLatin1Char('y'));
    const QString name36 = QString(36, QLatin1Char('z'));
    const QString name50 = QString(50, QLatin1Char('w'));
    QTest::addRow("reversed name filling its column")
        << 2 << name25 << true << description << 1 << 0 << "02.      " + name25 + " (Reversed)Correct";
    QTest::addRow("reversed name past its column")
        << 3 << name26 << true << description << 1 << 0 << "03.      " + name26 + " (Reversed) Correct";
    QTest::addRow("upright name filling its column")
        << 4 << name36 << false << description << 0 << 0 << "04.      " + name36 + "Wrong";
    QTest::addRow("upright name past its column")
        << 5 << name50 << false << keywords << 5 << 5 << "05.      " + name50 + " 5 Out Of 5 Correct";
    const QString nonAscii = QStringLiteral("Åsa’s Kärlek");
    QTest::addRow("letters outside ASCII count as one each")
        << 6 << nonAscii << false << description << 1 << 0 << "06.      " + nonAscii + blanks(24) + "Correct";
}

void TestReportTest::questionLine()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(bool, reversed);
    QFETCH(int, type);
    QFETCH(int, score);
    QFETCH(int, toChoose);
    QFETCH(QString, expected);
    QCOMPARE(reportQuestionLine(number, ReportQuestion{name, reversed, score}, TestType(type), toChoose), expected);
}

void TestReportTest::summary_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("toChoose");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("expected");
    const int description = int(TestType::Description);
    const int keywords = int(TestType::Keywords);
    QTest::addRow("description, all right") << description << 22 << 0 << 22 << "22 out of 22 questions correct";
    QTest::addRow("description, none right") << description << 0 << 3 << 5 << "0 out of 5 questions correct";
    QTest::addRow("keywords, advanced, all right")
        << keywords << 70 << 7 << 10 << "70/70 choice(s) from 10 questions were correct";
    QTest::addRow("keywords, beginner") << keywords << 13 << 3 << 78
                                        << "13/234 choice(s) from 78 questions were correct";
    QTest::addRow("keywords, no questions") << keywords << 0 << 5 << 0 << "0/0 choice(s) from 0 questions were correct";
}

void TestReportTest::summary()
{
    QFETCH(int, type);
    QFETCH(int, total);
    QFETCH(int, toChoose);
    QFETCH(int, questions);
    QFETCH(QString, expected);
    QCOMPARE(summaryText(TestType(type), total, toChoose, questions), expected);
}

void TestReportTest::oneQuestionReport_hasEveryPartInOrder()
{
    ReportInput in = input(TestType::Description, {ReportQuestion{QStringLiteral("The Fool"), false, 1}}, 0, 1);
    in.correctTotal = 1;
    const TestReport report = buildTestReport(in);
    const QStringList lines = report.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines, QStringList({QStringLiteral("Test Report For Velmora"), QString(23, QLatin1Char('-')), QString(),
                                 "01.      The Fool" + blanks(28) + "Correct", QString(64, QLatin1Char('_')),
                                 QStringLiteral("1 out of 1 questions correct")}));
    QCOMPARE(report.summary, lines.last());
    QVERIFY(!report.text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))));
}

void TestReportTest::reportTotal_data()
{
    QTest::addColumn<TestType>("type");
    QTest::addColumn<int>("givenTotal");
    QTest::addColumn<QString>("summary");
    QTest::addRow("keyword scores are added")
        << TestType::Keywords << 0 << "10/21 choice(s) from 3 questions were correct";
    QTest::addRow("description total kept") << TestType::Description << 1 << "1 out of 3 questions correct";
}

void TestReportTest::reportTotal()
{
    QFETCH(TestType, type);
    QFETCH(int, givenTotal);
    QFETCH(QString, summary);
    ReportInput in = input(type,
                           {ReportQuestion{QStringLiteral("A"), false, 7}, ReportQuestion{QStringLiteral("B"), true, 3},
                            ReportQuestion{QStringLiteral("C"), false, 0}},
                           7, 3);
    in.correctTotal = givenTotal;
    const TestReport report = buildTestReport(in);
    QCOMPARE(report.summary, summary);
    QCOMPARE(report.correctTotal, type == TestType::Keywords ? 10 : givenTotal);
    QVERIFY(report.text.endsWith(QStringLiteral("_\r\n") + summary));
}

void TestReportTest::finishedRun_reportsCardNamesFromTheDeck()
{
    test::TestHome home;
    home.makeFolders();
    QVERIFY(home.createDeck(QStringLiteral("tutor/Tutor1.vdk")));
    Database deck;
    QVERIFY(OpenDatabase(deck, paths::defaultDeck()));
    QVector<test::CardRow> rows;
    for (int id = 1; id <= 12; ++id)
        rows.append(test::plainCard(id, id <= 10 ? 0 : 1));
    rows[3].name = QStringLiteral("Ten of Pentacles and a Name Far Too Long");
    QVERIFY(test::addCards(deck, rows));
    ResultSet cards;
    QVERIFY(OpenResultSet(cards, deck, QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID")));

    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    PressOutcome last;
    const auto allRight = [&last] {
        TestAnswer answer;
        for (int slot : last.keywords ? last.keywords->correctSlots : QVector<int>())
            answer.checkedKeywords[std::size_t(slot)] = true;
        return answer;
    };
    const TestOptions options{TestType::Keywords, 2, true};
    while ((last = run.press(cards, deck, options, allRight)).kind == PressOutcome::Kind::Question) {
    }
    QCOMPARE(last.kind, PressOutcome::Kind::Ended);

    const TestReport report = writeTestReport(run, deck, TestType::Keywords);
    QCOMPARE(report.summary, QStringLiteral("70/70 choice(s) from 10 questions were correct"));
    QCOMPARE(run.correctTotal(), 70);
    const QStringList lines = report.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3 + 10 + 2);
    for (int i = 0; i < 10; ++i) {
        const int id = run.askedCardIds()[i];
        QCOMPARE(lines[3 + i],
                 reportQuestionLine(i + 1, ReportQuestion{rows[id - 1].name, false, 7}, TestType::Keywords, 7));
    }
}

void TestReportTest::save_asksForATextFileAndReplacesItWithUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    test::ScriptedPrompter prompter;
    prompter.queueFileName(path);
    prompter.queueFileName(path);
    QVERIFY(saveTestReport(prompter, QString(500, QLatin1Char('a'))));
    const FileDialogRequest request = prompter.records().first().request;
    QCOMPARE(request.filter, QStringLiteral("Text file (*.txt)"));
    QVERIFY(request.startName.isEmpty());
    QVERIFY(request.confirmOverwrite);

    const QString text =
        reportQuestionLine(1, ReportQuestion{QStringLiteral("Ässet d’Épées"), true, 1}, TestType::Description, 0);
    QVERIFY(saveTestReport(prompter, text));
    QCOMPARE(readAll(path), QByteArray("01.      \xC3\x84sset d\xE2\x80\x99\xC3\x89p\xC3\xA9\x65s (Reversed)") +
                                QByteArray(12, ' ') + "Correct\r\n");
    QVERIFY(prompter.messages().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.txt")});
}

void TestReportTest::saveDialog_cancelWritesNothing()
{
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    prompter.strictOk = true;
    prompter.queueFileName(QString());
    QVERIFY(!saveTestReport(prompter, QStringLiteral("x")));
    QVERIFY(prompter.messages().isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestReportTest::failedWrite_isToldAndNotSuccess_data()
{
    QTest::addColumn<QString>("target");
    QTest::addRow("folder that does not exist") << QStringLiteral("missing/report.txt");
    QTest::addRow("a file where a folder should be") << QStringLiteral("plain.txt/report.txt");
    QTest::addRow("name of a folder") << QStringLiteral("sub");
    QTest::addRow("full disk") << QStringLiteral("/dev/full");
}

void TestReportTest::failedWrite_isToldAndNotSuccess()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QFile plain(dir.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = QDir::isAbsolutePath(target) ? target : dir.filePath(target);
    if (path == QStringLiteral("/dev/full") && !QFile::exists(path))
        QSKIP("no /dev/full on this system");

    QString error;
    QVERIFY(!saveReportFile(path, QStringLiteral("report"), &error));
    QVERIFY(!error.isEmpty());

    test::ScriptedPrompter prompter;
    prompter.queueFileName(path);
    QVERIFY(!saveTestReport(prompter, QStringLiteral("report")));
    const QList<Prompt> messages = prompter.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().icon, PromptIcon::Critical);
    QCOMPARE(messages.first().title, QStringLiteral("Velmora"));
    QVERIFY(messages.first().text.startsWith(QStringLiteral("The test report could not be saved to ") + path +
                                             QStringLiteral("\r\n")));
    if (path == QStringLiteral("/dev/full"))
        QVERIFY(!QFileInfo(path).isFile()); // still the device, not replaced by a file
}

void TestReportTest::readOnlyFolder_isToldAndKeepsTheOldFile()
{
    if (::geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    QVERIFY(saveReportFile(path, QStringLiteral("first")));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    test::ScriptedPrompter prompter;
    prompter.queueFileName(path);
    QVERIFY(!saveTestReport(prompter, QStringLiteral("second")));
    QCOMPARE(prompter.messages().size(), 1);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(readAll(path), QByteArray("first\r\n"));
}

QTEST_GUILESS_MAIN(TestReportTest)
#include "tst_testreport.moc"
