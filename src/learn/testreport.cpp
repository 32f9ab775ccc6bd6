#include "learn/testreport.h"

#include "app/prompter.h"
#include "app/safesave.h"
#include "store/deck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace velmora {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
constexpr int kClosingRuleLength = 64;
constexpr int kPlainColumn = 36;

} // namespace

QString reportQuestionLine(int number, const ReportQuestion &question, TestType type, int keywordsToChoose)
{
    QString line =
        QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) + QStringLiteral(".      ") + question.cardName;
    // The results line up whatever length the translated mark has.
    const QString mark = question.reversed ? QCoreApplication::translate("TestReport", " (Reversed)") : QString();
    line += mark;
    // A name longer than its column still keeps one blank before the result,
    // so the two never run together.
    const auto padding = kPlainColumn - question.cardName.size() - mark.size();
    line += QString(padding < 0 ? 1 : padding, QLatin1Char(' '));
    if (type == TestType::Description)
        line += question.score != 0 ? QCoreApplication::translate("TestReport", "Correct")
                                    : QCoreApplication::translate("TestReport", "Wrong");
    else
        line += QCoreApplication::translate("TestReport", "%1 Out Of %2 Correct")
                    .arg(QString::number(question.score), QString::number(keywordsToChoose));
    return line;
}

QString summaryText(TestType type, int correctTotal, int keywordsToChoose, int questionCount)
{
    if (type == TestType::Description)
        return QCoreApplication::translate("TestReport", "%1 out of %2 questions correct")
            .arg(QString::number(correctTotal), QString::number(questionCount));
    return QCoreApplication::translate("TestReport", "%1/%2 choice(s) from %3 questions were correct")
        .arg(QString::number(correctTotal), QString::number(keywordsToChoose * questionCount),
             QString::number(questionCount));
}

TestReport buildTestReport(const ReportInput &input)
{
    TestReport report;
    report.correctTotal = input.correctTotal;
    const QString header = QCoreApplication::translate("TestReport", "Test Report For %1").arg(input.appTitle);
    report.text = header + kLineBreak + QString(header.size(), QLatin1Char('-')) + kLineBreak;
    for (int i = 0; i < input.questions.size(); ++i) {
        const ReportQuestion &question = input.questions[i];
        report.text += kLineBreak + reportQuestionLine(i + 1, question, input.type, input.keywordsToChoose);
        if (input.type == TestType::Keywords)
            report.correctTotal += question.score;
    }
    report.summary = summaryText(input.type, report.correctTotal, input.keywordsToChoose, input.questionCount);
    report.text += kLineBreak + QString(kClosingRuleLength, QLatin1Char('_')) + kLineBreak + report.summary;
    return report;
}

TestReport writeTestReport(TestRun &run, Deck &deck, TestType type)
{
    ReportInput input;
    input.appTitle = QString::fromLatin1(kAppTitle);
    input.type = type;
    input.correctTotal = run.correctTotal();
    input.keywordsToChoose = run.keywordsToChoose();
    input.questionCount = run.rowCount();

    QHash<int, QString> names;
    for (const Card &card : deck.cards().value_or(QVector<Card>()))
        names.insert(card.id, card.name); // card IDs are unique in a deck the store opens
    const QVector<int> &ids = run.askedCardIds();
    for (int i = 0; i < ids.size(); ++i) {
        ReportQuestion question;
        question.cardName = names.value(ids[i]);
        question.reversed = run.questionReversals().value(i);
        question.score = run.questionScores().value(i);
        input.questions.append(question);
    }
    TestReport report = buildTestReport(input);
    run.setCorrectTotal(report.correctTotal);
    return report;
}

bool saveReportFile(const QString &path, const QString &reportText, QString *error)
{
    // UTF-8: Linux has no single-byte system code page to follow; its locales,
    // editors and terminals read UTF-8, which carries every letter a card name
    // may hold, and a report in plain ASCII comes out byte for byte as a
    // single-byte code page would write it. No byte-order mark, so such a file
    // stays exactly that.
    return saveFileAtomically(path, (reportText + kLineBreak).toUtf8(), error);
}

bool saveTestReport(Prompter &prompter, const QString &reportText, QWidget *parent)
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("TestReport", "Save Current Result");
    // Only the description is translated: the pattern is what the dialog matches.
    request.filter = qtFileFilter(QCoreApplication::translate("TestReport", "Text file") + QLatin1Char('|') +
                                  QString::fromLatin1(kReportFilePattern));
    request.startName = QString();
    request.confirmOverwrite = true;
    QString path = prompter.saveFileName(request, parent);
    if (path.isEmpty())
        return false;
    // The only filter is text files: a name typed without a suffix gets it.
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).exists())
        path += QStringLiteral(".txt");

    QString reason;
    if (saveReportFile(path, reportText, &reason))
        return true;
    prompter.ask(Prompt{QCoreApplication::translate("TestReport", "The test report could not be saved to %1\r\n%2")
                            .arg(QDir::toNativeSeparators(path), reason),
                        PromptIcon::Critical, PromptButtons::Ok, QString::fromLatin1(kAppTitle)},
                 parent);
    return false;
}

} // namespace velmora
