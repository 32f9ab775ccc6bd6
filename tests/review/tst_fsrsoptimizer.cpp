#include "review/fsrsoptimizer.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>

using namespace velmora::review;

namespace {

QString dataPath(const char *name)
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tests/review/data/") + QLatin1String(name);
}

// "facet,minute,grade,new" from 2026-01-01T00:00Z, as tools/fsrs-fixture writes it.
std::vector<LoggedGrade> readLog(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 base = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    std::vector<LoggedGrade> grades;
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split(',');
        if (f.size() == 4)
            grades.push_back({f[0].toInt(), base + f[1].toLongLong() * 60000, Grade(f[2].toInt()), f[3] == "1"});
    }
    return grades;
}

// Histories of a learner whose memory follows `truth`, asked when the
// defaults expect 90 % recall.
std::vector<FacetHistory> simulated(const Weights &truth, int facets, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    FsrsSettings learner;
    learner.weights = truth;
    const Fsrs memory(learner);
    const Fsrs scheduler;
    const QDateTime start(QDate(2026, 1, 1), QTime(18, 0), Qt::UTC);
    std::vector<LoggedGrade> log;
    for (int facet = 0; facet < facets; ++facet) {
        MemoryState seen;
        MemoryState mind;
        QDateTime at = start.addDays(facet % 60);
        for (int review = 0; review < 8; ++review) {
            const double recall = mind.phase == Phase::New ? 0.6 : memory.retrievability(mind, at);
            const Grade grade =
                uniform(random) < recall ? (uniform(random) < 0.8 ? Grade::Good : Grade::Easy) : Grade::Again;
            log.push_back({facet, at.toMSecsSinceEpoch(), grade, review == 0});
            seen = scheduler.next(seen, at, grade).value();
            mind = memory.next(mind, at, grade).value();
            // Up to half the interval late, so that the curve is seen beyond its 90 % point.
            const qint64 interval = at.secsTo(std::max(seen.due, at.addSecs(600)));
            at = at.addSecs(interval + qint64(uniform(random) * 0.5 * double(interval)));
        }
    }
    return facetHistories(log, LearningDays());
}

} // namespace

class TstFsrsOptimizer : public QObject
{
    Q_OBJECT

private slots:
    void histories_data();
    void histories();
    void bounds_data();
    void bounds();
    void gradientDescends();
    void referenceHistory_lossWithinOnePercent();
    void ownWeights_keptOnlyWhenTheyPredictBetter_data();
    void ownWeights_keptOnlyWhenTheyPredictBetter();
    void stop_givesNoWeights();
};

void TstFsrsOptimizer::histories_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("startHour");
    QTest::addColumn<QStringList>("grades"); // "facet new local-time grade"
    QTest::addColumn<QString>("expected");   // "grade/days ..." per history, '|' between
    QTest::addRow("out of order; same day is 0")
        << "UTC" << 0 << QStringList{"1 0 2026-01-05T09:00 3", "1 1 2026-01-01T09:00 1", "1 0 2026-01-01T09:10 3"}
        << "1/0 3/0 3/4";
    QTest::addRow("after midnight is the evening before")
        << "Europe/Berlin" << 4
        << QStringList{"1 1 2026-03-01T20:00 3", "1 0 2026-03-02T01:30 3", "1 0 2026-03-02T04:30 3"} << "3/0 3/0 3/1";
    QTest::addRow("spring change: a learning day of 23 hours")
        << "Europe/Berlin" << 4 << QStringList{"1 1 2026-03-28T04:10 3", "1 0 2026-03-29T04:05 2"} << "3/0 2/1";
    QTest::addRow("autumn change in New York")
        << "America/New_York" << 4
        << QStringList{"1 1 2026-10-31T23:00 3", "1 0 2026-11-01T03:59 3", "1 0 2026-11-01T04:00 3"} << "3/0 3/0 3/1";
    QTest::addRow("a start is looked for; a start begins again")
        << "UTC" << 0
        << QStringList{"2 0 2026-01-01T09:00 3", "2 1 2026-01-02T09:00 3", "2 0 2026-01-04T09:00 1",
                       "2 1 2026-01-10T09:00 4", "2 0 2026-01-20T09:00 3"}
        << "3/0 1/2|4/0 3/10";
    QTest::addRow("nothing to predict is left out")
        << "UTC" << 0 << QStringList{"1 1 2026-01-01T09:00 3", "1 0 2026-01-01T09:10 3", "2 1 2026-01-01T09:00 3"}
        << "";
    QTest::addRow("facets apart") << "UTC" << 0
                                  << QStringList{"2 1 2026-01-01T09:00 3", "1 1 2026-01-03T09:00 3",
                                                 "2 0 2026-01-02T09:00 1", "1 0 2026-01-04T09:00 2"}
                                  << "3/0 2/1|3/0 1/1";
}

void TstFsrsOptimizer::histories()
{
    QFETCH(QString, zone);
    QFETCH(int, startHour);
    QFETCH(QStringList, grades);
    const LearningDays days{QTimeZone(zone.toLatin1()), startHour};
    std::vector<LoggedGrade> log;
    for (const QString &line : grades) {
        const QStringList f = line.split(QLatin1Char(' '));
        const QDateTime at(QDateTime::fromString(f[2], Qt::ISODate).date(),
                           QDateTime::fromString(f[2], Qt::ISODate).time(), days.zone);
        log.push_back({f[0].toInt(), at.toMSecsSinceEpoch(), Grade(f[3].toInt()), f[1] == QLatin1String("1")});
    }
    QStringList shown;
    for (const FacetHistory &history : facetHistories(log, days)) {
        QStringList reviews;
        for (const TrainingReview &review : history)
            reviews.append(QStringLiteral("%1/%2").arg(int(review.grade)).arg(review.elapsedDays));
        shown.append(reviews.join(QLatin1Char(' ')));
    }
    QTEST(shown.join(QLatin1Char('|')), "expected");
}

void TstFsrsOptimizer::bounds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const QString defaults = weightsText(FsrsSettings::kDefaultWeights);
    QTest::addRow("the defaults") << defaults << true;
    QTest::addRow("one short") << defaults.section(QStringLiteral(", "), 0, 19) << false;
    QTest::addRow("one more") << defaults + QStringLiteral(", 0.1") << false;
    QTest::addRow("not a number") << QString(defaults).replace(QStringLiteral("0.1542"), QStringLiteral("nan"))
                                  << false;
    QTest::addRow("decay above its bound")
        << QString(defaults).replace(QStringLiteral("0.1542"), QStringLiteral("0.9")) << false;
    QTest::addRow("first stability below its bound")
        << QString(defaults).replace(QStringLiteral("0.2120"), QStringLiteral("0")) << false;
}

void TstFsrsOptimizer::bounds()
{
    QFETCH(QString, text);
    const std::optional<Weights> parsed = parseWeights(text);
    QTEST(parsed.has_value(), "accepted");
    if (parsed)
        QCOMPARE(weightsText(*parsed), text);
    Weights wild;
    wild.fill(1e9);
    wild[3] = -5.0;
    wild[20] = std::nan("");
    const Weights clamped = clampWeights(wild);
    QVERIFY(withinBounds(clamped));
    QCOMPARE(clamped[3], 0.001);
    QCOMPARE(clamped[20], FsrsSettings::kDefaultWeights[20]);
}

// The analytic gradient points where the loss falls: a small step against
// it lowers the loss of a history the defaults do not fit.
void TstFsrsOptimizer::gradientDescends()
{
    Weights truth = FsrsSettings::kDefaultWeights;
    truth[20] = 0.5;
    truth[8] = 1.2;
    const std::vector<FacetHistory> histories = simulated(truth, 200, 7);
    const double before = logLoss(histories, FsrsSettings::kDefaultWeights).mean();
    FitOptions oneStep;
    oneStep.epochs = 1;
    oneStep.batchPredictions = 1 << 30;
    oneStep.learningRate = 0.005;
    const Weights stepped = fitWeights(histories, FsrsSettings::kDefaultWeights, oneStep).value();
    QVERIFY(stepped != FsrsSettings::kDefaultWeights);
    QVERIFY2(logLoss(histories, stepped).mean() < before, qPrintable(weightsText(stepped)));
}

// Both sets of weights are measured by our loss on the same predictions; the
// reference's own figure for its weights is in the fixture as a check that
// the two losses are the same loss.
void TstFsrsOptimizer::referenceHistory_lossWithinOnePercent()
{
    const std::vector<LoggedGrade> log = readLog(dataPath("fsrs-train-history.csv"));
    const std::vector<FacetHistory> histories = facetHistories(log, {});
    QFile file(dataPath("fsrs-train-reference.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    std::optional<Weights> reference;
    QList<QList<QByteArray>> singles;
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split(' ');
        if (f.size() == 2 && f[0] == "weights")
            reference = parseWeights(QString::fromLatin1(f[1]));
        else if (f.size() == 4 && f[0] == "prediction")
            singles.append(f);
    }
    QVERIFY(reference);
    QVERIFY(singles.size() > 20);
    // Our loss of each single prediction is the reference's: the loss (and the
    // reading of the log into days) is the same on both sides.
    for (const QList<QByteArray> &single : std::as_const(singles)) {
        std::vector<LoggedGrade> facetLog;
        std::copy_if(log.begin(), log.end(), std::back_inserter(facetLog),
                     [&](const LoggedGrade &grade) { return grade.facet == single[1].toInt(); });
        const std::vector<FacetHistory> one = facetHistories(facetLog, {});
        QCOMPARE(one.size(), size_t(1));
        // The history up to the nth prediction, and up to the one before.
        const auto upTo = [&](int predictions) {
            FacetHistory prefix{one[0][0]};
            for (size_t i = 1; i < one[0].size() && predictions > 0; ++i) {
                prefix.push_back(one[0][i]);
                predictions -= one[0][i].elapsedDays > 0 ? 1 : 0;
            }
            return logLoss({prefix}, *reference).loss;
        };
        const int nth = single[2].toInt();
        const double loss = upTo(nth) - upTo(nth - 1);
        QVERIFY2(std::abs(loss - single[3].toDouble()) < 1e-4 + 1e-3 * loss,
                 qPrintable(QStringLiteral("facet %1: %2").arg(QString::fromLatin1(single[1])).arg(loss)));
    }

    const LossSum ofReference = logLoss(histories, *reference);
    QVERIFY(ofReference.predictions > 3000);

    const Weights ours = fitWeights(histories, FsrsSettings::kDefaultWeights).value();
    const double ourLoss = logLoss(histories, ours).mean();
    qInfo("log loss of our fit %.6f, of the reference's weights %.6f, of the defaults %.6f", ourLoss,
          ofReference.mean(), logLoss(histories, FsrsSettings::kDefaultWeights).mean());
    QVERIFY2(std::abs(ourLoss - ofReference.mean()) <= 0.01 * ofReference.mean(),
             qPrintable(QStringLiteral("ours %1, reference %2").arg(ourLoss).arg(ofReference.mean())));
    QVERIFY(ourLoss < logLoss(histories, FsrsSettings::kDefaultWeights).mean());
}

void TstFsrsOptimizer::ownWeights_keptOnlyWhenTheyPredictBetter_data()
{
    // w8, how much a success strengthens memory, of the facets the fit is
    // made on and of those that judge it.
    QTest::addColumn<double>("fitOn");
    QTest::addColumn<double>("judgedOn");
    QTest::addColumn<int>("facets");
    QTest::addColumn<int>("verdict");
    QTest::addRow("a slower learner is learnt") << 1.2 << 1.2 << 600 << int(OwnWeights::Verdict::Fitted);
    QTest::addRow("a fit that does not carry over") << 1.2 << 1.8722 << 600 << int(OwnWeights::Verdict::DefaultsKept);
    QTest::addRow("too few reviews") << 1.2 << 1.2 << 40 << int(OwnWeights::Verdict::TooFewReviews);
}

void TstFsrsOptimizer::ownWeights_keptOnlyWhenTheyPredictBetter()
{
    QFETCH(double, fitOn);
    QFETCH(double, judgedOn);
    QFETCH(int, facets);
    Weights fitTruth = FsrsSettings::kDefaultWeights;
    fitTruth[8] = fitOn;
    Weights judgeTruth = FsrsSettings::kDefaultWeights;
    judgeTruth[8] = judgedOn;
    const std::vector<FacetHistory> fitFacets = simulated(fitTruth, facets, 11);
    const std::vector<FacetHistory> judgeFacets = simulated(judgeTruth, facets, 11);
    std::vector<FacetHistory> histories;
    std::vector<FacetHistory> judging;
    for (size_t i = 0; i < std::min(fitFacets.size(), judgeFacets.size()); ++i) {
        histories.push_back(judgesTheFit(i) ? judgeFacets[i] : fitFacets[i]);
        if (judgesTheFit(i))
            judging.push_back(judgeFacets[i]);
    }
    const OwnWeights own = fitOwnWeights(histories);
    QTEST(int(own.verdict), "verdict");
    if (own.verdict == OwnWeights::Verdict::Fitted) {
        QVERIFY(own.heldOutLoss < own.heldOutDefaultLoss);
        QVERIFY(withinBounds(own.weights));
        // Nearly as good as the learner's true memory.
        const double truthLoss = logLoss(judging, judgeTruth).mean();
        QVERIFY2(own.heldOutLoss < truthLoss + 0.005, qPrintable(weightsText(own.weights)));
    }
}

void TstFsrsOptimizer::stop_givesNoWeights()
{
    const std::vector<FacetHistory> histories = simulated(FsrsSettings::kDefaultWeights, 600, 3);
    int calls = 0;
    const OwnWeights own = fitOwnWeights(histories, {}, [&](int done, int total) {
        ++calls;
        return done < total / 2;
    });
    QCOMPARE(own.verdict, OwnWeights::Verdict::Stopped);
    QVERIFY(calls > 0);
}

QTEST_GUILESS_MAIN(TstFsrsOptimizer)
#include "tst_fsrsoptimizer.moc"
