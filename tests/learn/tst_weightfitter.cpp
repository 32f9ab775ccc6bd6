#include "review/reviewlog.h"
#include "review/reviewsettings.h"
#include "servicesrig.h"

#include "learn/settingspage.h"
#include "learn/weightfitter.h"
#include "store/historydb.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <random>

using namespace velmora;
using namespace velmora::review;
using namespace velmora::test;

// The settings tab's Optimize and Reset: the grades read from the history,
// the outcome told, the weights kept and given to what schedules.
class TstWeightFitter : public QObject
{
    Q_OBJECT

private slots:
    void optimize_keepsWeightsThatPredictBetter_data();
    void optimize_keepsWeightsThatPredictBetter();
    void reset_givesTheDefaultsBack();
    void damagedHistory_isTold();

private:
    // A learner whose successes strengthen memory less than the defaults
    // assume, graded `facets` times over in sessions at 19:00 UTC.
    static bool writeHistory(const QString &path, int facets, double growth);
    QString optimize(ServicesRig &rig, SettingsPage &page, const QString &history);
};

bool TstWeightFitter::writeHistory(const QString &path, int facets, double growth)
{
    store::HistoryDb history;
    if (!history.open(path) || !history.exec("BEGIN"))
        return false;
    FsrsSettings learner;
    learner.weights[8] = growth;
    const Fsrs memory(learner);
    const Fsrs scheduler;
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int facet = 0; facet < facets; ++facet) {
        ReviewRecord review;
        review.deckFile = QStringLiteral("Tutor1.vdk");
        review.cardId = facet / 3 + 1;
        review.facet = Facet(facet % 3);
        MemoryState mind;
        QDateTime at(QDate(2026, 1, 1 + facet % 28), QTime(19, 0), Qt::UTC);
        for (int grade = 0; grade < 8; ++grade) {
            const double recall = mind.phase == Phase::New ? 0.6 : memory.retrievability(mind, at);
            review.grade = uniform(random) < recall ? Grade::Good : Grade::Again;
            review.reviewed = at;
            review.after = scheduler.next(review.before, at, review.grade).value();
            mind = memory.next(mind, at, review.grade).value();
            if (!ReviewLog(history).writeReview(review))
                return false;
            review.before = review.after;
            const qint64 interval = at.secsTo(std::max(review.after.due, at.addSecs(600)));
            at = at.addSecs(interval + qint64(uniform(random) * 0.5 * double(interval)));
        }
    }
    return history.exec("COMMIT");
}

QString TstWeightFitter::optimize(ServicesRig &rig, SettingsPage &page, const QString &history)
{
    WeightFitter fitter(rig.services, page, history, &page);
    auto *button = page.findChild<QPushButton *>(QStringLiteral("cmdOptimize"));
    QTest::mouseClick(button, Qt::LeftButton);
    // A second press while fitting starts nothing more.
    QTest::mouseClick(button, Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return !rig.prompter.messages().isEmpty(); }, 60000))
        return QStringLiteral("no message");
    QTest::qWait(100);
    return rig.prompter.messages().size() == 1 ? rig.prompter.messages().first().text
                                               : QStringLiteral("%1 messages").arg(rig.prompter.messages().size());
}

void TstWeightFitter::optimize_keepsWeightsThatPredictBetter_data()
{
    QTest::addColumn<int>("facets");
    QTest::addColumn<double>("growth");
    QTest::addColumn<QString>("told"); // the message's start
    QTest::addColumn<bool>("own");
    QTest::addRow("a slower learner") << 600 << 1.2 << "The weights now follow your own reviews" << true;
    QTest::addRow("too few grades") << 30 << 1.2 << "Too few reviews to fit the weights to: " << false;
    QTest::addRow("no history yet") << 0 << 1.2 << "Too few reviews to fit the weights to: 0 of the 400" << false;
}

void TstWeightFitter::optimize_keepsWeightsThatPredictBetter()
{
    QFETCH(int, facets);
    QFETCH(double, growth);
    ServicesRig rig;
    const QString history = rig.folder.filePath(QStringLiteral("history.db"));
    if (facets > 0)
        QVERIFY(writeHistory(history, facets, growth));
    SettingsPage page(new QWidget);
    page.setReviewSettings(readReviewSettings(rig.settings));
    QSignalSpy changed(&page, &SettingsPage::reviewSettingsChanged);

    const QString message = optimize(rig, page, history);
    QFETCH(QString, told);
    QVERIFY2(message.startsWith(told), qPrintable(message));
    QFETCH(bool, own);
    const ReviewSettings shown = page.reviewSettings();
    QCOMPARE(shown.ownWeights(), own);
    QCOMPARE(changed.size(), own ? 1 : 0);
    // Kept at once, for the next start, and what the scheduler is given.
    const ReviewSettings kept = readReviewSettings(rig.settings);
    QCOMPARE(kept.ownWeights(), own);
    for (int i = 0; i < kWeightCount; ++i)
        QVERIFY(std::abs(kept.weights[size_t(i)] - shown.weights[size_t(i)]) < 1e-6);
    QCOMPARE(shown.fsrs().weights, shown.weights);
    const auto *line = page.findChild<QLineEdit *>(QStringLiteral("txtWeights"));
    QVERIFY(line->isReadOnly());
    QVERIFY2(own ? line->text().startsWith(QStringLiteral("Own: ")) : line->text() == QStringLiteral("Defaults"),
             qPrintable(line->text()));
    QVERIFY(line->accessibleDescription().contains(weightsText(shown.weights)));
    QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("cmdResetWeights"))->isEnabled(), own);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("cmdOptimize"))->isEnabled());
}

void TstWeightFitter::reset_givesTheDefaultsBack()
{
    ServicesRig rig;
    ReviewSettings settings;
    settings.weights[20] = 0.3;
    writeReviewSettings(rig.settings, settings);
    SettingsPage page(new QWidget);
    page.setReviewSettings(readReviewSettings(rig.settings));
    QVERIFY(page.reviewSettings().ownWeights());
    WeightFitter fitter(rig.services, page, rig.folder.filePath(QStringLiteral("history.db")), &page);
    auto *reset = page.findChild<QPushButton *>(QStringLiteral("cmdResetWeights"));
    QVERIFY(reset->isEnabled());
    QTest::mouseClick(reset, Qt::LeftButton);
    QVERIFY(!page.reviewSettings().ownWeights());
    QVERIFY(!readReviewSettings(rig.settings).ownWeights());
    QVERIFY(rig.settings.value(QString::fromLatin1(review::settingskeys::kWeights)).isEmpty());
    QVERIFY(!reset->isEnabled());
}

void TstWeightFitter::damagedHistory_isTold()
{
    ServicesRig rig;
    const QString history = rig.folder.filePath(QStringLiteral("history.db"));
    QFile file(history);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    SettingsPage page(new QWidget);
    const QString told = optimize(rig, page, history);
    QVERIFY2(told.startsWith(QStringLiteral("The weights could not be fitted. ")), qPrintable(told));
    QCOMPARE(rig.prompter.messages().first().icon, PromptIcon::Warning);
    QVERIFY(!page.reviewSettings().ownWeights());
}

QTEST_MAIN(TstWeightFitter)
#include "tst_weightfitter.moc"
