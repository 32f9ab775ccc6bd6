#pragma once

// A watchdog over the screen thread, for measurements only (the program has
// none of it). A helper thread posts a probe to the screen thread every few
// milliseconds, one at a time; a probe that waits longer than the threshold
// is a gap. While a probe waits, the helper samples what the screen thread is
// dispatching (the innermost event's receiver class and type, told by the
// application's notify()), the place the driving script says it is at, and
// the last start-up mark the program logged; a gap is put down to the event
// sampled most often during it.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora::stalls {

// What the screen thread was doing at one moment.
struct Activity
{
    QString receiverClass; // empty: no event being dispatched (the script's own code)
    int eventType = 0;
    QString place;
    QString mark;

    friend bool operator==(const Activity &a, const Activity &b)
    {
        return a.receiverClass == b.receiverClass && a.eventType == b.eventType && a.place == b.place &&
               a.mark == b.mark;
    }
};

struct Gap
{
    qint64 startNs = 0;  // since the watch began
    qint64 lengthNs = 0; // from the probe's posting to its answer
    Activity activity;
    bool opening = false; // the place was a window being made
};

// What is being dispatched, written by the screen thread, read by the
// helper. Nesting (an event loop inside a handler) is kept as a stack so that
// the innermost event is the one reported and the outer one comes back when
// it ends.
class ActivityBoard
{
public:
    void enter(const char *receiverClass, int eventType);
    void leave();
    void setPlace(const QString &place, bool opening);
    void setMark(const QString &mark);
    [[nodiscard]] Activity now() const;
    [[nodiscard]] bool opening() const;

private:
    struct Frame
    {
        const char *receiverClass;
        int eventType;
    };
    static constexpr int kDepth = 64;
    mutable std::mutex mutex_;
    Frame frames_[kDepth] = {};
    int depth_ = 0;
    QString place_;
    QString mark_;
    bool opening_ = false;
};

// Turns probe timings and samples into gaps; no thread, no clock of its own.
class GapDetector
{
public:
    explicit GapDetector(qint64 thresholdNs) : thresholdNs_(thresholdNs) {}
    void posted(qint64 atNs);
    // A sample of the screen thread taken while the probe waited.
    void sample(const Activity &activity, bool opening);
    // The probe's answer; a gap when it waited longer than the threshold.
    void answered(qint64 atNs);
    [[nodiscard]] bool waiting() const { return waiting_; }
    [[nodiscard]] bool sampled() const { return !samples_.empty(); }
    [[nodiscard]] const QVector<Gap> &gaps() const { return gaps_; }

private:
    qint64 thresholdNs_;
    bool waiting_ = false;
    qint64 postedNs_ = 0;
    std::vector<std::pair<Activity, bool>> samples_;
    QVector<Gap> gaps_;
};

class StallWatch : public QObject
{
public:
    explicit StallWatch(qint64 thresholdMs = 16, qint64 periodMs = 4);
    ~StallWatch() override;
    StallWatch(const StallWatch &) = delete;
    StallWatch &operator=(const StallWatch &) = delete;

    void start();
    void stop();
    [[nodiscard]] ActivityBoard &board() { return board_; }
    // The gaps found so far; call after stop().
    [[nodiscard]] QVector<Gap> gaps() const;
    // Start-up marks (the "velmora.startup" category) are put on the board as
    // they are logged; other messages go where they went before.
    void captureMarks();

protected:
    bool event(QEvent *event) override;

private:
    void watch();

    ActivityBoard board_;
    QElapsedTimer clock_;
    const qint64 periodNs_;
    GapDetector detector_;
    mutable std::mutex detectorMutex_;
    std::atomic<quint64> postedProbes_{0};
    std::atomic<quint64> answeredProbes_{0};
    std::atomic<qint64> answeredAtNs_{0};
    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::thread helper_;
};

// Per place: gaps over 16 ms and over 50 ms, the longest, and how many of
// those came while a window was made.
struct PlaceSummary
{
    QString place;
    int over16 = 0;
    int over50 = 0;
    int over16Opening = 0;
    qint64 longestNs = 0;
};

[[nodiscard]] QVector<PlaceSummary> summarize(const QVector<Gap> &gaps);
// The report: a table per place, then the longest gaps with what they were.
[[nodiscard]] QString report(const QVector<Gap> &gaps, int longest = 15);
[[nodiscard]] QString eventTypeName(int type);

} // namespace velmora::stalls
