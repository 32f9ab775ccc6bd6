#include "progress/chartloader.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "servicesrig.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace velmora;
using namespace velmora::progress;
using namespace velmora::test;

// The charts plugin looked for and, when it cannot be loaded, the progress
// window without its charts. This test's own folder holds no plugin, so
// VELMORA_CHARTS_DIR decides.
class TstChartsMissing : public QObject
{
    Q_OBJECT

private slots:
    void loader_takesTheFirstRegularFileAndSaysWhyItFails();
    void progressWindow_withoutCharts_stillListsExportsAndPractises();

private:
    QTemporaryDir folder_;
};

void TstChartsMissing::loader_takesTheFirstRegularFileAndSaysWhyItFails()
{
    const QString built = qEnvironmentVariable("VELMORA_BUILD_DIR");
    QDir dir(folder_.path());
    QVERIFY(dir.mkpath(QStringLiteral("folder/velmora-charts.so")) && dir.mkpath(QStringLiteral("junk")));
    QFile junk(dir.filePath(QStringLiteral("junk/velmora-charts.so")));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("no plugin") > 0);
    junk.close();

    QVERIFY(loadCharts({dir.filePath(QStringLiteral("folder")), built}).factory);
    const LoadedCharts failed = loadCharts({dir.filePath(QStringLiteral("junk")), built});
    QVERIFY(!failed.factory);
    QVERIFY2(failed.errorText.contains(junk.fileName()), qPrintable(failed.errorText));
    QVERIFY(loadCharts({dir.filePath(QStringLiteral("folder"))}).errorText.contains(QLatin1String("not found")));
}

void TstChartsMissing::progressWindow_withoutCharts_stillListsExportsAndPractises()
{
    TestHome home;
    ServicesRig rig;
    qputenv("VELMORA_CHARTS_DIR", QFile::encodeName(folder_.filePath(QStringLiteral("junk"))));
    const QString path = folder_.filePath(QString::fromLatin1(kHistoryFileName));
    {
        HistoryFile history;
        const TestRecord test{rig.clock.now(),
                              QStringLiteral("Tutor1.vdk"),
                              QStringLiteral("<b>Classic</b>"),
                              TestKind::Keywords,
                              1,
                              {0},
                              {{3, QStringLiteral("Card 3"), false, 0, 1}}};
        QVERIFY(history.open(path) && history.record(test));
    }
    FrmProgress window(rig.services, path);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.reload();
    window.show();

    QVERIFY(!window.findChild<QGraphicsView *>());
    const QList<QLabel *> missing = window.findChildren<QLabel *>(QStringLiteral("lblChartsMissing"));
    QCOMPARE(missing.size(), 2);
    for (QLabel *label : missing) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->text().endsWith(loadCharts(chartPluginFolders()).errorText));
    }
    QCOMPARE(window.findChild<QTableWidget *>(QStringLiteral("tblMissed"))->rowCount(), 1);

    QSignalSpy practice(&window, &FrmProgress::practiceRequested);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdMemorizeMissed")), Qt::LeftButton);
    QCOMPARE(practice.size(), 1);
    const QString csv = folder_.filePath(QStringLiteral("progress.csv"));
    rig.prompter.queueFileName(csv);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdExportCsv")), Qt::LeftButton);
    QVERIFY(QFile::exists(csv));
}

QTEST_MAIN(TstChartsMissing)
#include "tst_chartsmissing.moc"
