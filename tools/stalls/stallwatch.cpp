#include "stallwatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QMetaEnum>

#include <algorithm>

namespace velmora::stalls {

void ActivityBoard::enter(const char *receiverClass, int eventType)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    // Deeper than the stack holds, the outer frame stands for all of them.
    if (depth_ < kDepth)
        frames_[depth_] = {receiverClass, eventType};
    ++depth_;
}

void ActivityBoard::leave()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (depth_ > 0)
        --depth_;
}

void ActivityBoard::setPlace(const QString &place, bool opening)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    place_ = place;
    opening_ = opening;
}

void ActivityBoard::setMark(const QString &mark)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    mark_ = mark;
}

Activity ActivityBoard::now() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    Activity activity;
    if (depth_ > 0) {
        const Frame &frame = frames_[std::min(depth_, kDepth) - 1];
        activity.receiverClass = QString::fromLatin1(frame.receiverClass);
        activity.eventType = frame.eventType;
    }
    activity.place = place_;
    activity.mark = mark_;
    return activity;
}

bool ActivityBoard::opening() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return opening_;
}

void GapDetector::posted(qint64 atNs)
{
    waiting_ = true;
    postedNs_ = atNs;
    samples_.clear();
}

void GapDetector::sample(const Activity &activity, bool opening)
{
    if (waiting_)
        samples_.emplace_back(activity, opening);
}

void GapDetector::answered(qint64 atNs)
{
    if (!waiting_)
        return;
    waiting_ = false;
    const qint64 length = atNs - postedNs_;
    if (length <= thresholdNs_)
        return;
    Gap gap{postedNs_, length, {}, false};
    // The activity sampled most often; of equals, the one seen first.
    int best = 0;
    for (size_t i = 0; i < samples_.size(); ++i) {
        const int count = int(std::count(samples_.begin(), samples_.end(), samples_[i]));
        if (count > best) {
            best = count;
            gap.activity = samples_[i].first;
            gap.opening = samples_[i].second;
        }
    }
    gaps_.append(gap);
}

StallWatch::StallWatch(qint64 thresholdMs, qint64 periodMs)
    : periodNs_(periodMs * 1'000'000), detector_(thresholdMs * 1'000'000)
{
    clock_.start();
}

StallWatch::~StallWatch()
{
    stop();
}

namespace {

constexpr auto kProbe = QEvent::Type(QEvent::User + 738);

// A message handler is a plain function: what it needs is kept here.
struct MarkCapture
{
    std::atomic<ActivityBoard *> board{nullptr};
    QtMessageHandler previous = nullptr;
};

MarkCapture &markCapture()
{
    static MarkCapture capture;
    return capture;
}

void markHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    ActivityBoard *board = markCapture().board.load();
    if (board && context.category && qstrcmp(context.category, "velmora.startup") == 0) {
        board->setMark(message);
        return;
    }
    if (markCapture().previous)
        markCapture().previous(type, context, message);
}

} // namespace

void StallWatch::captureMarks()
{
    markCapture().board.store(&board_);
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.startup.info=true"));
    markCapture().previous = qInstallMessageHandler(markHandler);
}

void StallWatch::start()
{
    if (helper_.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(stopMutex_);
        stopping_ = false;
    }
    helper_ = std::thread([this] { watch(); });
}

void StallWatch::stop()
{
    if (markCapture().board.load() == &board_) {
        qInstallMessageHandler(markCapture().previous);
        markCapture().board.store(nullptr);
    }
    if (!helper_.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    helper_.join();
}

QVector<Gap> StallWatch::gaps() const
{
    const std::lock_guard<std::mutex> lock(detectorMutex_);
    return detector_.gaps();
}

bool StallWatch::event(QEvent *event)
{
    if (event->type() != kProbe)
        return QObject::event(event);
    answeredAtNs_.store(clock_.nsecsElapsed(), std::memory_order_relaxed);
    answeredProbes_.fetch_add(1, std::memory_order_release);
    return true;
}

void StallWatch::watch()
{
    std::unique_lock<std::mutex> stopLock(stopMutex_);
    while (!stopSignal_.wait_for(stopLock, std::chrono::nanoseconds(periodNs_), [this] { return stopping_; })) {
        const std::lock_guard<std::mutex> lock(detectorMutex_);
        if (detector_.waiting()) {
            if (answeredProbes_.load(std::memory_order_acquire) == postedProbes_.load(std::memory_order_relaxed)) {
                // A loaded machine may not run this thread during a gap: it
                // keeps at least the place, said to be unsampled.
                if (!detector_.sampled()) {
                    Activity after = board_.now();
                    after.receiverClass = QStringLiteral("(unsampled)");
                    after.eventType = 0;
                    detector_.sample(after, board_.opening());
                }
                detector_.answered(answeredAtNs_.load(std::memory_order_relaxed));
            } else
                detector_.sample(board_.now(), board_.opening());
        }
        if (!detector_.waiting()) {
            detector_.posted(clock_.nsecsElapsed());
            postedProbes_.fetch_add(1, std::memory_order_relaxed);
            QCoreApplication::postEvent(this, new QEvent(kProbe));
        }
    }
}

QString eventTypeName(int type)
{
    if (type == 0)
        return QStringLiteral("script");
    const char *key = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return key ? QString::fromLatin1(key) : QString::number(type);
}

QVector<PlaceSummary> summarize(const QVector<Gap> &gaps)
{
    QVector<PlaceSummary> places;
    for (const Gap &gap : gaps) {
        auto found = std::find_if(places.begin(), places.end(),
                                  [&gap](const PlaceSummary &s) { return s.place == gap.activity.place; });
        if (found == places.end()) {
            places.append({gap.activity.place});
            found = places.end() - 1;
        }
        ++found->over16;
        if (gap.lengthNs > 50'000'000)
            ++found->over50;
        if (gap.opening)
            ++found->over16Opening;
        found->longestNs = std::max(found->longestNs, gap.lengthNs);
    }
    return places;
}

namespace {

QString milliseconds(qint64 ns)
{
    return QString::number(double(ns) / 1e6, 'f', 1);
}

QString window(const QString &place)
{
    return place.section(QLatin1String(" / "), 0, 0);
}

} // namespace

QString report(const QVector<Gap> &gaps, int longest)
{
    // Per window (the place before " / "), in the order the road met them.
    QVector<Gap> byWindow = gaps;
    for (Gap &gap : byWindow)
        gap.activity.place = window(gap.activity.place);
    QVector<PlaceSummary> windows = summarize(byWindow);
    PlaceSummary all{QStringLiteral("all")};
    for (const PlaceSummary &s : windows) {
        all.over16 += s.over16;
        all.over50 += s.over50;
        all.over16Opening += s.over16Opening;
        all.longestNs = std::max(all.longestNs, s.longestNs);
    }
    windows.append(all);
    QString text = QStringLiteral("%1 %2 %3 %4 %5\n")
                       .arg(QStringLiteral("window"), -24)
                       .arg(QStringLiteral(">16 ms"), 7)
                       .arg(QStringLiteral(">50 ms"), 7)
                       .arg(QStringLiteral("opening"), 8)
                       .arg(QStringLiteral("longest ms"), 11);
    for (const PlaceSummary &s : windows)
        text += QStringLiteral("%1 %2 %3 %4 %5\n")
                    .arg(s.place.left(24), -24)
                    .arg(s.over16, 7)
                    .arg(s.over50, 7)
                    .arg(s.over16Opening, 8)
                    .arg(milliseconds(s.longestNs), 11);
    QVector<Gap> ordered = gaps;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Gap &a, const Gap &b) { return a.lengthNs > b.lengthNs; });
    text += QStringLiteral("\nlongest gaps (ms, at ms, place, event):\n");
    for (qsizetype i = 0; i < std::min<qsizetype>(longest, ordered.size()); ++i) {
        const Gap &gap = ordered[i];
        const Activity &a = gap.activity;
        text += QStringLiteral("%1 %2  %3%4  %5%6%7\n")
                    .arg(milliseconds(gap.lengthNs), 8)
                    .arg(milliseconds(gap.startNs), 9)
                    .arg(a.place, gap.opening ? QStringLiteral(" [opening]") : QString())
                    .arg(a.receiverClass.startsWith(QLatin1Char('(')) ? a.receiverClass : eventTypeName(a.eventType),
                         a.receiverClass.isEmpty() || a.receiverClass.startsWith(QLatin1Char('('))
                             ? QString()
                             : QStringLiteral(" to ") + a.receiverClass,
                         a.mark.isEmpty() ? QString() : QStringLiteral(" (mark: ") + a.mark + QLatin1Char(')'));
    }
    return text;
}

} // namespace velmora::stalls
