// A year of spaced review by a learner whose memory is not the model's: the
// true recall follows the default weights each scaled by a random factor, so
// the scheduler works from a miscalibrated model, as it would for a real
// learner. One session a day at a fixed local hour takes what the due list
// gives (steps of minutes repeated within the session, the caps and the
// sibling rule as the program applies them). Reported per desired retention:
// the true recall of due reviews, the load, and how late reviews came, with
// the default weights all year and with Optimize pressed every 90 days.
// A measurement, not a benchmark:
//   build/bench/simulate_review [HOUR [LEARNERS]]   (defaults: 19, 20)

#include "review/fsrsoptimizer.h"
#include "review/reviewsession.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <random>

using namespace velmora::review;

namespace {

constexpr int kCards = 78;
constexpr int kDays = 365;

struct Outcome
{
    long dueReviews = 0;
    long recalled = 0;
    long grades = 0;
    long late = 0; // reviews asked a learning day or more after their due day
};

FsrsSettings perturbed(std::mt19937_64 &random, const LearningDays &days)
{
    FsrsSettings truth;
    truth.days = days;
    std::normal_distribution<double> spread(0.0, 0.2);
    for (double &weight : truth.weights)
        weight *= std::exp(spread(random));
    // The decay stays in the range the model is fitted within.
    truth.weights[20] = std::clamp(truth.weights[20], 0.1, 0.8);
    return truth;
}

// With `optimizeEvery` days, the learner presses Optimize that often: the
// grades so far are fitted and the scheduler takes the weights when they win
// on the facets kept aside, from the states it has (as the program does).
Outcome simulate(double retention, int hour, int learner, int optimizeEvery = 0)
{
    std::mt19937_64 random(std::uint64_t(36 + learner));
    const LearningDays days{QTimeZone(QByteArrayLiteral("Europe/Berlin")), 4};
    FsrsSettings model;
    model.desiredRetention = retention;
    model.days = days;
    Fsrs scheduler(model);
    const Fsrs truth(perturbed(random, days));
    std::vector<LoggedGrade> log;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);

    std::vector<SessionItem> items;
    for (const Facet facet : {Facet::Keywords, Facet::Upright, Facet::Reversed}) {
        for (int card = 1; card <= kCards; ++card)
            items.push_back(SessionItem{card, facet, {}});
    }
    // What the learner's memory really holds, graded as the scheduler was.
    std::vector<MemoryState> memory(items.size());
    Outcome outcome;
    const QDate first(2026, 1, 5);
    for (int day = 0; day < kDays; ++day) {
        if (optimizeEvery > 0 && day > 0 && day % optimizeEvery == 0) {
            const OwnWeights own = fitOwnWeights(facetHistories(log, days));
            if (own.verdict == OwnWeights::Verdict::Fitted) {
                model.weights = own.weights;
                scheduler = Fsrs(model);
            }
        }
        QDateTime now(first.addDays(day), QTime(hour, 0), days.zone);
        ReviewSession session(scheduler, items, DailyLimits{}, DayCount{}, now);
        while (const SessionItem *asked = session.current()) {
            // Facet by facet, card by card, as the items were made.
            const auto index = size_t(int(asked->facet) * kCards + asked->cardId - 1);
            MemoryState &truthState = memory[index];
            const bool inReview = asked->state.phase == Phase::Review;
            const bool fresh = asked->state.phase == Phase::New;
            const double recall = truthState.phase == Phase::New ? 0.5 : truth.retrievability(truthState, now);
            const bool remembered = uniform(random) < recall;
            const double roll = uniform(random);
            const Grade grade = !remembered  ? Grade::Again
                                : roll < 0.1 ? Grade::Hard
                                : roll < 0.9 ? Grade::Good
                                             : Grade::Easy;
            if (inReview) {
                ++outcome.dueReviews;
                outcome.recalled += remembered;
                outcome.late += days.dayOf(now) - days.dayOf(asked->state.due) >= 1;
            }
            session.reveal();
            const std::optional<GradeOutcome> graded = session.grade(grade, now);
            if (!graded)
                break;
            log.push_back(LoggedGrade{int(index), now.toMSecsSinceEpoch(), grade, fresh});
            items[index].state = graded->after;
            truthState = truth.next(truthState, now, grade).value_or(truthState);
            ++outcome.grades;
            now = now.addSecs(12);
        }
    }
    return outcome;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int hour = argc > 1 ? std::clamp(std::atoi(argv[1]), 0, 23) : 19;
    const int learners = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    std::printf("sessions at %02d:00 Europe/Berlin, learning days from 4:00, %d cards, %d days, %d learners\n", hour,
                kCards, kDays, learners);
    for (const int optimizeEvery : {0, 90}) {
        if (optimizeEvery == 0)
            std::printf("the default weights all year\n");
        else
            std::printf("Optimize every %d days\n", optimizeEvery);
        std::printf("target  true retention  grades/day  due reviews/day  late\n");
        for (const double target : {0.80, 0.90, 0.97}) {
            // The same learners at every target.
            Outcome total;
            for (int i = 0; i < learners; ++i) {
                const Outcome one = simulate(target, hour, i, optimizeEvery);
                total.dueReviews += one.dueReviews;
                total.recalled += one.recalled;
                total.grades += one.grades;
                total.late += one.late;
            }
            std::printf("%.2f    %.4f          %.1f        %.1f             %.4f\n", target,
                        double(total.recalled) / double(total.dueReviews), double(total.grades) / learners / kDays,
                        double(total.dueReviews) / learners / kDays, double(total.late) / double(total.dueReviews));
        }
    }
    return 0;
}
