#include "learn/studycards.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where poppler finds a word on a page, as a share of the page's width.
double wordAt(const QString &pdf, int page, const QString &word)
{
    const QString boxes =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                          QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch width = QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\"")).match(boxes);
    const QRegularExpressionMatch found =
        QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\"[^>]*>") + QRegularExpression::escape(word) +
                           QStringLiteral("</word>"))
            .match(boxes);
    return width.hasMatch() && found.hasMatch() ? found.captured(1).toDouble() / width.captured(1).toDouble() : -1;
}

} // namespace

class TstStudyCards : public QObject
{
    Q_OBJECT

private slots:
    void eleven_onTwoSheets_backsBehindTheirFronts_onEitherPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("named");
        QTest::newRow("A4") << int(QPageSize::A4) << "A4";
        QTest::newRow("Letter") << int(QPageSize::Letter) << "letter";
    }
    void eleven_onTwoSheets_backsBehindTheirFronts_onEitherPaper()
    {
        QFETCH(int, paper);
        QFETCH(QString, named);
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(), "poppler-utils is missing");
        QImage picture(300, 500, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVector<StudyCard> cards;
        // The first has no picture, so its front names it.
        cards.append({QStringLiteral("Alpha"), QStringLiteral("<i>start</i>, leap"), QStringLiteral("Upright text"),
                      QString(2000, QLatin1Char('w')), QImage()});
        for (int i = 2; i <= 11; ++i)
            cards.append({QStringLiteral("Card%1").arg(i), QStringLiteral("k"), QStringLiteral("u"),
                          QStringLiteral("r"), picture});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cards.pdf"));
        QFile file(path);
        const QByteArray pdf = studyCardsPdf(cards, QPageSize::PageSizeId(paper), QStringLiteral("Deck"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
        file.close();

        const QString info = run(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(") + named + QStringLiteral(")")), qPrintable(info));
        // Front: first column; back of the same sheet: last column.
        QVERIFY(wordAt(path, 1, QStringLiteral("Alpha")) < 1.0 / 3);
        QVERIFY(wordAt(path, 2, QStringLiteral("Alpha")) > 2.0 / 3);
        QVERIFY(wordAt(path, 2, QStringLiteral("Card3")) < 1.0 / 3);
        QVERIFY(wordAt(path, 4, QStringLiteral("Card10")) > 2.0 / 3);
        QVERIFY(wordAt(path, 4, QStringLiteral("Card11")) > 0);
        QVERIFY(wordAt(path, 3, QStringLiteral("Card10")) < 0);
        const QString backs = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(backs.contains(QStringLiteral("<i>start</i>, leap")));
        if (qEnvironmentVariableIsSet("VELMORA_KEEP_PDF"))
            QFile::copy(path, qEnvironmentVariable("VELMORA_KEEP_PDF") + named + QStringLiteral(".pdf"));
    }
};

QTEST_MAIN(TstStudyCards)
#include "tst_studycards.moc"
