#include "readings/readingpages.h"

#include "store/pictures.h"

#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::readings;

namespace {

// Red on top, blue below: a turned picture shows blue on top.
QImage twoColours()
{
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixelColor(x, y, Qt::red);
    return image;
}

Reading hostileReading(int number)
{
    Reading reading{number,
                    QDateTime(QDate(2026, 12, 1), QTime(9, 0)).addDays(number),
                    QStringLiteral("Tutor1.vdk"),
                    QStringLiteral("<script>alert(1)</script> deck"),
                    Spread::ThreeCards,
                    QStringLiteral("Question %1 <img src=x onerror=alert(2)>").arg(number),
                    QStringLiteral("Interpretation %1 & <i>more</i>\nsecond line").arg(number),
                    {}};
    reading.cards = {{1, QStringLiteral("<b>Tower</b>"), false, QStringLiteral("k1, k2"), QStringLiteral("up <u>")},
                     {2, QStringLiteral("Sun"), true, QStringLiteral("k3"), QStringLiteral("down")},
                     {3, QStringLiteral("Moon"), false, {}, {}}};
    return reading;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TstReadingPages : public QObject
{
    Q_OBJECT

private slots:
    void html_escapesEveryTextAndCarriesItsPicturesTurnedForReversedCards()
    {
        const auto picture = [](const Reading &, const ReadingCard &card) {
            return card.name == QLatin1String("Moon") ? QImage() : twoColours();
        };
        const QString html = readingsHtml({hostileReading(1)}, picture);
        for (const char *raw : {"<script>", "<b>Tower", "<img src=x", "<i>more", "<u>", "& <"})
            QVERIFY2(!html.contains(QLatin1String(raw)), raw);
        QVERIFY(html.contains(QStringLiteral("&lt;b&gt;Tower&lt;/b&gt; (upright)")));
        QVERIFY(html.contains(QStringLiteral("Interpretation 1 &amp; &lt;i&gt;more&lt;/i&gt;<br>second line")));

        const QRegularExpression embedded(
            QStringLiteral("<img alt=\"([^\"]*)\" src=\"data:image/png;base64,([^\"]+)\">"));
        QStringList pictured;
        for (const QRegularExpressionMatch &match : embedded.globalMatch(html)) {
            const QImage image = QImage::fromData(QByteArray::fromBase64(match.captured(2).toLatin1()), "PNG");
            QVERIFY(!image.isNull());
            const bool turned = image.pixelColor(image.width() / 2, 2) == QColor(Qt::blue);
            pictured.append(match.captured(1) + (turned ? QStringLiteral(" turned") : QString()));
        }
        QCOMPARE(pictured, (QStringList{QStringLiteral("&lt;b&gt;Tower&lt;/b&gt;"), QStringLiteral("Sun turned")}));
        QVERIFY(!html.contains(QStringLiteral("src=\"http")) && !html.contains(QStringLiteral("src=\"file")));
    }

    void pdf_holdsEveryReadingOverPages_asPopplerReadsIt()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        QVERIFY2(!pdftotext.isEmpty() && !pdfinfo.isEmpty(), "poppler-utils is not installed");
        QVector<Reading> readings;
        for (int i = 1; i <= 12; ++i)
            readings.append(hostileReading(i));
        const QByteArray pdf = readingsPdf(readings, [](const Reading &, const ReadingCard &) { return twoColours(); });
        QVERIFY(pdf.startsWith("%PDF-"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("readings.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
        file.close();

        const QString info = run(pdfinfo, {path});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        QVERIFY2(pages.captured(1).toInt() >= 3, qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("A4")));
        const QString text = run(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        for (int i = 1; i <= 12; ++i)
            QVERIFY2(text.contains(QStringLiteral("Question %1 <img src=x onerror=alert(2)>").arg(i)),
                     qPrintable(text.left(2000)));
        QVERIFY(text.contains(QStringLiteral("<b>Tower</b> (upright)")));
        QVERIFY(text.contains(QStringLiteral("Sun (reversed)")));
        // Kept for a look at a rendered page.
        if (qEnvironmentVariableIsSet("VELMORA_KEEP_PDF"))
            QFile::copy(path, qEnvironmentVariable("VELMORA_KEEP_PDF"));
    }
};

QTEST_MAIN(TstReadingPages)
#include "tst_readingpages.moc"
