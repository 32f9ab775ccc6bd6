#include "filebytes.h"
#include "scriptedprompter.h"

#include "learn/testreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <unistd.h>

using namespace velmora;

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// A language whose marks and words are longer or shorter than the English.
class LongerLanguage : public QTranslator
{
public:
    [[nodiscard]] bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char * /*disambiguation*/,
                      int /*n*/) const override
    {
        static const QHash<QString, QString> words{
            {QStringLiteral(" (Reversed)"), QStringLiteral(" (umgekehrt)")},
            {QStringLiteral("Correct"), QStringLiteral("Richtig")},
            {QStringLiteral("%1 Out Of %2 Correct"), QStringLiteral("%1 von %2 richtig")},
            {QStringLiteral("%1/%2 choice(s) from %3 questions were correct"),
             QStringLiteral("%1/%2 Auswahl(en) aus %3 Fragen waren richtig")},
            {QStringLiteral("Test Report For %1"), QStringLiteral("Testbericht f\u00fcr %1")},
            {QStringLiteral("Text file"), QStringLiteral("Textdatei")},
        };
        return qstrcmp(context, "TestReport") == 0 ? words.value(QString::fromUtf8(source)) : QString();
    }
};

} // namespace

class TestReportTest : public QObject
{
    Q_OBJECT

private slots:
    void questionLine_padsNamesToTheResultColumn()
    {
        struct Case
        {
            int number;
            QString name;
            bool reversed;
            TestType type;
            int score;
            int toChoose;
            QString expected;
        };
        const TestType description = TestType::Description;
        const TestType keywords = TestType::Keywords;
        const QString star = QStringLiteral("The Star");
        const QString name25(25, QLatin1Char('x')), name26(26, QLatin1Char('y')), name50(50, QLatin1Char('w'));
        const QString nonAscii = QStringLiteral("Åsa’s Kärlek"); // letters outside ASCII count as one each
        const QList<Case> cases = {
            {1, star, true, description, 1, 0, "01.      The Star (Reversed)" + blanks(17) + "Correct"},
            {1, star, false, keywords, 2, 3, "01.      The Star" + blanks(28) + "2 Out Of 3 Correct"},
            {9, star, false, description, 0, 0, "09.      The Star" + blanks(28) + "Wrong"},
            {12, star, false, description, 3, 0, "12.      The Star" + blanks(28) + "Correct"}, // any score but 0
            {100, star, true, keywords, 0, 7, "100.      The Star (Reversed)" + blanks(17) + "0 Out Of 7 Correct"},
            {2, name25, true, description, 1, 0, "02.      " + name25 + " (Reversed)Correct"},
            {3, name26, true, description, 1, 0, "03.      " + name26 + " (Reversed) Correct"},
            {5, name50, false, keywords, 5, 5, "05.      " + name50 + " 5 Out Of 5 Correct"},
            {6, nonAscii, false, description, 1, 0, "06.      " + nonAscii + blanks(24) + "Correct"},
        };
        for (const Case &c : cases)
            QCOMPARE(reportQuestionLine(c.number, ReportQuestion{c.name, c.reversed, c.score}, c.type, c.toChoose),
                     c.expected);

        QCOMPARE(summaryText(keywords, 13, 3, 78), QStringLiteral("13/234 choice(s) from 78 questions were correct"));
        QCOMPARE(summaryText(keywords, 0, 5, 0), QStringLiteral("0/0 choice(s) from 0 questions were correct"));
    }

    void oneQuestionReport_hasEveryPartInOrder()
    {
        ReportInput in;
        in.appTitle = QString::fromLatin1(kAppTitle);
        in.type = TestType::Description;
        in.questions = {ReportQuestion{QStringLiteral("The Fool"), false, 1}};
        in.questionCount = 1;
        in.correctTotal = 1;
        const TestReport report = buildTestReport(in);
        const QStringList lines = report.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines, QStringList({QStringLiteral("Test Report For Velmora"), QString(23, QLatin1Char('-')),
                                     QString(), "01.      The Fool" + blanks(28) + "Correct",
                                     QString(64, QLatin1Char('_')), QStringLiteral("1 out of 1 questions correct")}));
        QCOMPARE(report.summary, lines.last());
        QVERIFY(!report.text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))));

        // A description test keeps the run's own total; a keyword test adds its scores to it.
        in.correctTotal = 0;
        QCOMPARE(buildTestReport(in).summary, QStringLiteral("0 out of 1 questions correct"));
        in.type = TestType::Keywords;
        in.keywordsToChoose = 3;
        in.questions.append({QStringLiteral("The Star"), true, 2});
        in.questionCount = 2;
        QCOMPARE(buildTestReport(in).correctTotal, 3);
    }

    void translatedReport_keepsColumnsNumbersAndPattern()
    {
        LongerLanguage language;
        QCoreApplication::installTranslator(&language);
        const auto resultColumn = [](const QString &line) {
            return line.indexOf(QRegularExpression(QStringLiteral(" (Richtig|\\d+ von)"))) + 1;
        };
        const QString star = QStringLiteral("The Star");
        const QString reversed = reportQuestionLine(1, {star, true, 1}, TestType::Description, 0);
        const QString upright = reportQuestionLine(2, {star, false, 2}, TestType::Keywords, 3);
        QCOMPARE(reversed, "01.      The Star (umgekehrt)" + blanks(16) + "Richtig");
        QCOMPARE(upright, "02.      The Star" + blanks(28) + "2 von 3 richtig");
        QCOMPARE(resultColumn(reversed), resultColumn(upright));
        // Past its column a long name still keeps one blank before the result.
        QCOMPARE(reportQuestionLine(3, {QString(25, QLatin1Char('x')), true, 1}, TestType::Description, 0),
                 "03.      " + QString(25, QLatin1Char('x')) + " (umgekehrt) Richtig");

        ReportInput in;
        in.appTitle = QString::fromLatin1(kAppTitle);
        in.type = TestType::Keywords;
        in.questions = {ReportQuestion{star, false, 2}};
        in.keywordsToChoose = 3;
        in.questionCount = 1234;
        const QStringList lines = buildTestReport(in).text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Testbericht f\u00fcr Velmora"));
        QCOMPARE(lines.at(1), QString(lines.first().size(), QLatin1Char('-')));
        // No digit grouping or other locale form, whatever the language.
        QCOMPARE(lines.last(), QStringLiteral("2/3702 Auswahl(en) aus 1234 Fragen waren richtig"));

        test::ScriptedPrompter prompter;
        prompter.queueFileName(QString());
        QVERIFY(!saveTestReport(prompter, QStringLiteral("x")));
        QCOMPARE(prompter.records().first().request.filter, QStringLiteral("Textdatei (*.txt)"));
        QCoreApplication::removeTranslator(&language);
    }

    void save_asksForATextFileAndReplacesItWithUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        test::ScriptedPrompter prompter;
        prompter.strictOk = true;
        prompter.queueFileName(QString()); // cancelled: nothing written, nothing told
        QVERIFY(!saveTestReport(prompter, QStringLiteral("x")));
        QVERIFY(QDir(dir.path()).isEmpty());
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
        QCOMPARE(test::fileBytes(path),
                 QByteArray("01.      \xC3\x84sset d\xE2\x80\x99\xC3\x89p\xC3\xA9\x65s (Reversed)") +
                     QByteArray(12, ' ') + "Correct\r\n");
        QVERIFY(prompter.messages().isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.txt")});

        // Typed without a suffix, the name gets the text filter's; another suffix stays.
        prompter.queueFileName(dir.filePath(QStringLiteral("second")));
        prompter.queueFileName(dir.filePath(QStringLiteral("third.log")));
        QVERIFY(saveTestReport(prompter, QStringLiteral("2")));
        QVERIFY(saveTestReport(prompter, QStringLiteral("3")));
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{QStringLiteral("report.txt"), QStringLiteral("second.txt"), QStringLiteral("third.log")}));
    }

    void failedWrite_isToldAndNotSuccess_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addRow("folder that does not exist") << QStringLiteral("missing/report.txt");
        QTest::addRow("name of a folder") << QStringLiteral("sub");
        QTest::addRow("full disk") << QStringLiteral("/dev/full");
    }
    void failedWrite_isToldAndNotSuccess()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QString path = QDir::isAbsolutePath(target) ? target : dir.filePath(target);
        if (path == QStringLiteral("/dev/full") && !QFile::exists(path))
            QSKIP("no /dev/full on this system");

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

    void readOnlyFolder_isToldAndKeepsTheOldFile()
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
        QCOMPARE(test::fileBytes(path), QByteArray("first\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestReportTest)
#include "tst_testreport.moc"
