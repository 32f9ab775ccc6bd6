#include "review/fsrsoptimizer.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>

namespace velmora::review {

namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500.0;
// Predictions are kept off 0 and 1: one confident miss would otherwise weigh
// infinitely.
constexpr double kMinProbability = 1e-7;
constexpr double kPi = 3.14159265358979323846;

struct Bound
{
    double low;
    double high;
};
// w17 and w18 are capped at 2 for one relearning step (more steps would cap
// their product lower); w19 has a floor while short-term steps are on.
constexpr std::array<Bound, kWeightCount> kBounds{
    {{0.001, 100.0}, {0.001, 100.0}, {0.001, 100.0}, {0.001, 100.0}, {1.0, 10.0},  {0.001, 4.0},  {0.001, 4.0},
     {0.001, 0.75},  {0.0, 4.5},     {0.0, 0.8},     {0.001, 3.5},   {0.001, 5.0}, {0.001, 0.25}, {0.001, 0.9},
     {0.0, 4.0},     {0.0, 1.0},     {1.0, 6.0},     {0.0, 2.0},     {0.0, 2.0},   {0.01, 0.8},   {0.1, 0.8}}};

// A value with its derivatives by every weight: the model's arithmetic on
// these gives the gradient of the loss in one pass over the history.
struct Dual
{
    Dual() = default;
    Dual(double value) : v(value) {} // NOLINT(google-explicit-constructor): constants mix in freely
    double v = 0.0;
    std::array<double, kWeightCount> d{};
};

double value(double x)
{
    return x;
}
double value(const Dual &x)
{
    return x.v;
}

Dual operator+(Dual a, const Dual &b)
{
    a.v += b.v;
    for (int i = 0; i < kWeightCount; ++i)
        a.d[i] += b.d[i];
    return a;
}
Dual operator+(Dual a, double b)
{
    a.v += b;
    return a;
}
Dual operator-(Dual a, const Dual &b)
{
    a.v -= b.v;
    for (int i = 0; i < kWeightCount; ++i)
        a.d[i] -= b.d[i];
    return a;
}
Dual operator-(Dual a, double b)
{
    a.v -= b;
    return a;
}
Dual operator-(double a, Dual b)
{
    b.v = a - b.v;
    for (double &d : b.d)
        d = -d;
    return b;
}
Dual operator*(const Dual &a, const Dual &b)
{
    Dual r(a.v * b.v);
    for (int i = 0; i < kWeightCount; ++i)
        r.d[i] = a.d[i] * b.v + b.d[i] * a.v;
    return r;
}
Dual operator*(Dual a, double b)
{
    a.v *= b;
    for (double &d : a.d)
        d *= b;
    return a;
}
Dual operator/(const Dual &a, const Dual &b)
{
    Dual r(a.v / b.v);
    const double inverse = 1.0 / b.v;
    for (int i = 0; i < kWeightCount; ++i)
        r.d[i] = (a.d[i] - r.v * b.d[i]) * inverse;
    return r;
}
Dual operator/(const Dual &a, double b)
{
    return a * (1.0 / b);
}

double exponential(double x)
{
    return std::exp(x);
}
Dual exponential(const Dual &x)
{
    Dual r = x * std::exp(x.v);
    r.v = std::exp(x.v);
    return r;
}
double logarithm(double x)
{
    return std::log(x);
}
Dual logarithm(const Dual &x)
{
    Dual r = x * (1.0 / x.v);
    r.v = std::log(x.v);
    return r;
}
// base > 0
template <typename T>
T power(const T &base, const T &exponent)
{
    return exponential(exponent * logarithm(base));
}

// Outside the range the value is pinned and moves with no weight.
template <typename T>
T clamped(const T &x, double low, double high)
{
    if (value(x) < low)
        return T(low);
    if (value(x) > high)
        return T(high);
    return x;
}

// The model without the scheduler's rounding, as it is trained.
template <typename T>
class Model
{
public:
    explicit Model(const std::array<T, kWeightCount> &w)
        : w_(w), decay_(0.0 - w_[20]), factor_(exponential(std::log(0.9) / decay_) - 1.0),
          easyDifficulty_(initialDifficulty(4)), lapseCeiling_(exponential(w_[17] * w_[18]))
    {}

    T recall(double days, const T &s) const { return power(T(1.0) + factor_ * days / s, decay_); }

    void start(Grade grade, T &s, T &d) const
    {
        const int g = int(grade);
        s = clamped(w_[g - 1], kMinStability, kMaxStability);
        d = clamped(initialDifficulty(g), 1.0, 10.0);
    }

    void step(const TrainingReview &review, const T &r, T &s, T &d) const
    {
        const int g = int(review.grade);
        T next;
        if (review.elapsedDays == 0) {
            T increase = exponential(w_[17] * (w_[18] + double(g - 3))) * power(s, 0.0 - w_[19]);
            if (g >= 2 && value(increase) < 1.0)
                increase = T(1.0);
            next = s * increase;
        } else if (g == 1) {
            const T forget =
                w_[11] * power(d, 0.0 - w_[12]) * (power(s + 1.0, w_[13]) - 1.0) * exponential((1.0 - r) * w_[14]);
            const T ceiling = s / lapseCeiling_;
            next = value(ceiling) < value(forget) ? ceiling : forget;
        } else {
            T growth =
                exponential(w_[8]) * (11.0 - d) * power(s, 0.0 - w_[9]) * (exponential((1.0 - r) * w_[10]) - 1.0);
            if (g == 2)
                growth = growth * w_[15];
            else if (g == 4)
                growth = growth * w_[16];
            next = s * (growth + 1.0);
        }
        const T moved = d + (0.0 - w_[6]) * double(g - 3) * (10.0 - d) / 9.0;
        d = clamped(w_[7] * easyDifficulty_ + (1.0 - w_[7]) * moved, 1.0, 10.0);
        s = clamped(next, kMinStability, kMaxStability);
    }

private:
    T initialDifficulty(int g) const { return w_[4] - exponential(w_[5] * double(g - 1)) + 1.0; }

    std::array<T, kWeightCount> w_;
    T decay_;
    T factor_;
    T easyDifficulty_;
    T lapseCeiling_;
};

double crossEntropy(double p, bool recalled)
{
    const double q = std::clamp(p, kMinProbability, 1.0 - kMinProbability);
    return recalled ? -std::log(q) : -std::log(1.0 - q);
}

// Runs the model over one history; `predict` hears each prediction with
// whether it came true.
template <typename T, typename Predict>
void replay(const Model<T> &model, const FacetHistory &history, Predict &&predict)
{
    if (history.empty())
        return;
    T s;
    T d;
    model.start(history.front().grade, s, d);
    for (size_t i = 1; i < history.size(); ++i) {
        const TrainingReview &review = history[i];
        const T r = model.recall(double(review.elapsedDays), s);
        if (review.elapsedDays > 0)
            predict(r, review.grade != Grade::Again);
        model.step(review, r, s, d);
    }
}

int predictionCount(const FacetHistory &history)
{
    return int(std::count_if(history.begin() + std::min<std::ptrdiff_t>(1, std::ssize(history)), history.end(),
                             [](const TrainingReview &review) { return review.elapsedDays > 0; }));
}

// The mean loss's gradient over the histories given by index.
Weights gradient(const std::vector<FacetHistory> &histories, const std::vector<size_t> &batch, const Weights &weights)
{
    std::array<Dual, kWeightCount> w;
    for (int i = 0; i < kWeightCount; ++i) {
        w[i] = Dual(weights[i]);
        w[i].d[i] = 1.0;
    }
    const Model<Dual> model(w);
    Weights sum{};
    int predictions = 0;
    for (const size_t index : batch) {
        replay(model, histories[index], [&](const Dual &r, bool recalled) {
            ++predictions;
            if (r.v <= kMinProbability || r.v >= 1.0 - kMinProbability)
                return;
            // d(-log p)/dp and d(-log(1-p))/dp
            const double slope = recalled ? -1.0 / r.v : 1.0 / (1.0 - r.v);
            for (int i = 0; i < kWeightCount; ++i)
                sum[i] += slope * r.d[i];
        });
    }
    if (predictions > 0) {
        for (double &g : sum)
            g /= predictions;
    }
    return sum;
}

// Where a facet's first grade is followed by nothing before its first
// prediction, that prediction depends on the first stability alone: each first
// grade's stability is fitted to those by a search along the forgetting curve,
// as the published method does before its descent, which would otherwise take
// many small steps to cover the range of days these weights span.
void fitFirstStabilities(const std::vector<FacetHistory> &histories, Weights &weights)
{
    constexpr int kMinFirstPredictions = 20;
    const Model<double> model(weights);
    for (int g = 1; g <= 4; ++g) {
        std::map<int, std::pair<int, int>> byDays; // days: predictions, recalled
        int count = 0;
        for (const FacetHistory &history : histories) {
            if (history.size() >= 2 && int(history[0].grade) == g && history[1].elapsedDays > 0) {
                auto &[predictions, recalled] = byDays[history[1].elapsedDays];
                ++predictions;
                recalled += history[1].grade != Grade::Again ? 1 : 0;
                ++count;
            }
        }
        if (count < kMinFirstPredictions)
            continue;
        const auto loss = [&](double logStability) {
            const double s = std::exp(logStability);
            double sum = 0.0;
            for (const auto &[days, counts] : byDays) {
                const double r = std::clamp(model.recall(days, s), kMinProbability, 1.0 - kMinProbability);
                sum -= counts.second * std::log(r) + (counts.first - counts.second) * std::log(1.0 - r);
            }
            return sum;
        };
        // Golden-section search: the loss has one minimum along the curve.
        const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
        double low = std::log(kBounds[0].low);
        double high = std::log(kBounds[0].high);
        double a = high - ratio * (high - low);
        double b = low + ratio * (high - low);
        double lossA = loss(a);
        double lossB = loss(b);
        for (int i = 0; i < 60; ++i) {
            if (lossA < lossB) {
                high = b;
                b = a;
                lossB = lossA;
                a = high - ratio * (high - low);
                lossA = loss(a);
            } else {
                low = a;
                a = b;
                lossA = lossB;
                b = low + ratio * (high - low);
                lossB = loss(b);
            }
        }
        weights[size_t(g - 1)] = std::exp((low + high) / 2.0);
    }
}

std::uint64_t mixed(std::uint64_t x)
{
    // splitmix64: a fixed, well-spread hash of the facet's place.
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// The start of each learning day from the first grade's to the last's, so
// that a year of grades costs a time-zone lookup per day, not per grade.
class DayTable
{
public:
    DayTable(const LearningDays &days, qint64 firstMs, qint64 lastMs) : days_(days)
    {
        const auto at = [](qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC); };
        first_ = days.dayOf(at(firstMs)) - 1;
        const qint64 last = days.dayOf(at(lastMs)) + 1;
        if (last - first_ > kMaxTableDays)
            return;
        for (qint64 day = first_; day <= last; ++day)
            starts_.push_back(days.startOf(day).toMSecsSinceEpoch());
    }

    [[nodiscard]] qint64 dayOf(qint64 ms) const
    {
        if (starts_.empty())
            return days_.dayOf(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
        const auto after = std::upper_bound(starts_.begin(), starts_.end(), ms);
        return first_ + (after - starts_.begin()) - 1;
    }

private:
    // Beyond a century of days a damaged time would cost more than lookups.
    static constexpr qint64 kMaxTableDays = 40000;
    const LearningDays &days_;
    qint64 first_ = 0;
    std::vector<qint64> starts_;
};

} // namespace

std::vector<FacetHistory> facetHistories(std::vector<LoggedGrade> grades, const LearningDays &days)
{
    std::vector<FacetHistory> histories;
    if (grades.empty())
        return histories;
    std::stable_sort(grades.begin(), grades.end(), [](const LoggedGrade &a, const LoggedGrade &b) {
        return a.facet != b.facet ? a.facet < b.facet : a.reviewedMs < b.reviewedMs;
    });
    const auto [earliest, latest] =
        std::minmax_element(grades.begin(), grades.end(),
                            [](const LoggedGrade &a, const LoggedGrade &b) { return a.reviewedMs < b.reviewedMs; });
    const DayTable table(days, earliest->reviewedMs, latest->reviewedMs);

    FacetHistory current;
    const auto finish = [&] {
        if (predictionCount(current) > 0)
            histories.push_back(std::move(current));
        current.clear();
    };
    int facet = grades.front().facet;
    qint64 previousDay = 0;
    for (const LoggedGrade &grade : grades) {
        if (grade.facet != facet) {
            finish();
            facet = grade.facet;
        }
        if (grade.fromNew)
            finish();
        else if (current.empty())
            continue; // the state's start is not in the log
        const qint64 day = table.dayOf(grade.reviewedMs);
        current.push_back(TrainingReview{grade.grade, current.empty() ? 0 : int(day - previousDay)});
        previousDay = day;
    }
    finish();
    return histories;
}

Weights clampWeights(const Weights &weights)
{
    Weights clamped;
    for (int i = 0; i < kWeightCount; ++i) {
        // A weight that is not a number takes its default rather than a bound.
        const double w = std::isfinite(weights[i]) ? weights[i] : FsrsSettings::kDefaultWeights[size_t(i)];
        clamped[i] = std::clamp(w, kBounds[i].low, kBounds[i].high);
    }
    return clamped;
}

bool withinBounds(const Weights &weights)
{
    for (int i = 0; i < kWeightCount; ++i) {
        if (!(weights[i] >= kBounds[i].low && weights[i] <= kBounds[i].high))
            return false;
    }
    return true;
}

QString weightsText(const Weights &weights, int decimals)
{
    QStringList parts;
    for (const double w : weights)
        parts.append(QString::number(w, 'f', decimals));
    return parts.join(QStringLiteral(", "));
}

std::optional<Weights> parseWeights(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != kWeightCount)
        return std::nullopt;
    Weights weights;
    for (int i = 0; i < kWeightCount; ++i) {
        bool ok = false;
        weights[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    return withinBounds(weights) ? std::optional(weights) : std::nullopt;
}

LossSum logLoss(const std::vector<FacetHistory> &histories, const Weights &weights)
{
    const Model<double> model(weights);
    LossSum sum;
    for (const FacetHistory &history : histories) {
        replay(model, history, [&](double r, bool recalled) {
            sum.loss += crossEntropy(r, recalled);
            ++sum.predictions;
        });
    }
    return sum;
}

std::optional<Weights> fitWeights(const std::vector<FacetHistory> &histories, const Weights &start,
                                  const FitOptions &options, const FitProgress &progress)
{
    Weights weights = clampWeights(start);
    fitFirstStabilities(histories, weights);
    weights = clampWeights(weights);
    std::vector<size_t> order(histories.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::vector<int> predictions(histories.size());
    std::transform(histories.begin(), histories.end(), predictions.begin(), predictionCount);

    // The batches of every epoch, laid out first so that the steps and the
    // learning rate's schedule are known.
    std::mt19937_64 random(options.seed);
    std::vector<std::vector<size_t>> batches;
    const int perBatch = std::max(1, options.batchPredictions);
    const int predictionTotal = std::accumulate(predictions.begin(), predictions.end(), 0);
    const int perEpoch = std::max(1, (predictionTotal + perBatch - 1) / perBatch);
    const int epochs = std::max({1, options.epochs, (options.minSteps + perEpoch - 1) / perEpoch});
    for (int epoch = 0; epoch < epochs; ++epoch) {
        std::shuffle(order.begin(), order.end(), random);
        std::vector<size_t> batch;
        int held = 0;
        for (const size_t index : order) {
            if (predictions[index] == 0)
                continue;
            batch.push_back(index);
            held += predictions[index];
            if (held >= perBatch) {
                batches.push_back(std::move(batch));
                batch.clear();
                held = 0;
            }
        }
        if (!batch.empty())
            batches.push_back(std::move(batch));
    }

    // Adam with its published constants.
    constexpr double kBeta1 = 0.9;
    constexpr double kBeta2 = 0.999;
    constexpr double kEpsilon = 1e-8;
    Weights moment{};
    Weights square{};
    const int total = int(batches.size());
    double beta1Power = 1.0;
    double beta2Power = 1.0;
    for (int step = 0; step < total; ++step) {
        const Weights g = gradient(histories, batches[size_t(step)], weights);
        const double rate = options.learningRate * 0.5 * (1.0 + std::cos(kPi * step / total));
        beta1Power *= kBeta1;
        beta2Power *= kBeta2;
        for (int i = 0; i < kWeightCount; ++i) {
            if (!std::isfinite(g[i]))
                continue;
            moment[i] = kBeta1 * moment[i] + (1.0 - kBeta1) * g[i];
            square[i] = kBeta2 * square[i] + (1.0 - kBeta2) * g[i] * g[i];
            const double corrected = moment[i] / (1.0 - beta1Power);
            const double scale = std::sqrt(square[i] / (1.0 - beta2Power)) + kEpsilon;
            weights[i] -= rate * corrected / scale;
        }
        weights = clampWeights(weights);
        if (progress && !progress(step + 1, total))
            return std::nullopt;
    }
    return weights;
}

bool judgesTheFit(size_t index)
{
    return mixed(index) % 5 == 0;
}

OwnWeights fitOwnWeights(const std::vector<FacetHistory> &histories, const FitOptions &options,
                         const FitProgress &progress)
{
    OwnWeights result;
    std::vector<FacetHistory> training;
    std::vector<FacetHistory> heldOut;
    for (size_t i = 0; i < histories.size(); ++i) {
        result.predictions += predictionCount(histories[i]);
        (judgesTheFit(i) ? heldOut : training).push_back(histories[i]);
    }
    if (result.predictions < kMinPredictions || training.empty() || heldOut.empty())
        return result;
    const std::optional<Weights> fitted = fitWeights(training, FsrsSettings::kDefaultWeights, options, progress);
    if (!fitted) {
        result.verdict = OwnWeights::Verdict::Stopped;
        return result;
    }
    result.weights = *fitted;
    result.heldOutLoss = logLoss(heldOut, *fitted).mean();
    result.heldOutDefaultLoss = logLoss(heldOut, FsrsSettings::kDefaultWeights).mean();
    result.verdict = result.heldOutLoss < result.heldOutDefaultLoss ? OwnWeights::Verdict::Fitted
                                                                    : OwnWeights::Verdict::DefaultsKept;
    return result;
}

} // namespace velmora::review
