#pragma once

// Processor time of this process, for tests that bound how much work a reader
// does: a loaded machine stretches the clock on the wall, not this.

#include <QtGlobal>

#include <ctime>
#include <utility>

namespace velmora::test {

// The sanitizers multiply the cost of every memory access, so a bound on the
// work a reader does is scaled for their builds instead of loosened for all.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kSanitizerSlowdown = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr int kSanitizerSlowdown = 4;
#else
constexpr int kSanitizerSlowdown = 1;
#endif
#else
constexpr int kSanitizerSlowdown = 1;
#endif

inline qint64 cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Processor time since construction or the last restart().
class CpuTimer
{
public:
    [[nodiscard]] qint64 elapsed() const { return cpuMs() - start_; }
    qint64 restart()
    {
        const qint64 now = cpuMs();
        return now - std::exchange(start_, now);
    }

private:
    qint64 start_ = cpuMs();
};

} // namespace velmora::test
