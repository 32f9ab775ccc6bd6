#pragma once

// The plain-text test report shown on the results tab and saved as a file.

#include "learn/testrun.h"

#include <QString>
#include <QVector>

class QWidget;

namespace velmora {

class Deck;
class Prompter;

struct ReportQuestion
{
    QString cardName;
    bool reversed = false;
    int score = 0;
};

struct ReportInput
{
    QString appTitle;
    TestType type = TestType::Keywords;
    QVector<ReportQuestion> questions; // in the order asked
    int correctTotal = 0;              // a keyword test adds its scores to this
    int keywordsToChoose = 0;
    int questionCount = 0; // rows of the card set
};

struct TestReport
{
    QString text;
    QString summary; // also the report's last line
    int correctTotal = 0;
};

// "01.      The Star (Reversed)                 Correct" and the like; number counts from 1.
[[nodiscard]] QString reportQuestionLine(int number, const ReportQuestion &question, TestType type,
                                         int keywordsToChoose);
[[nodiscard]] QString summaryText(TestType type, int correctTotal, int keywordsToChoose, int questionCount);
[[nodiscard]] TestReport buildTestReport(const ReportInput &input);

// The report of a finished run: card names are looked up in all cards of the
// deck, and a keyword test's scores are added to the run's total.
[[nodiscard]] TestReport writeTestReport(TestRun &run, Deck &deck, TestType type);

inline constexpr char kReportFilePattern[] = "*.txt";

// Writes the report followed by CR LF, replacing the file. The text is UTF-8
// (see the definition for why). False with a reason when anything of the
// write fails, including the final flush to disk.
[[nodiscard]] bool saveReportFile(const QString &path, const QString &reportText, QString *error = nullptr);

// Asks for a file name and saves; a failed write is told to the user. True
// when a file was written, false when cancelled or failed.
bool saveTestReport(Prompter &prompter, const QString &reportText, QWidget *parent = nullptr);

} // namespace velmora
