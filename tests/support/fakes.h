#pragma once

#include "app/services.h"

#include <QList>

namespace velmora::test {

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(12, 0))) : now_(std::move(now)) {}
    [[nodiscard]] QDateTime now() const override { return now_; }
    void set(const QDateTime &now) { now_ = now; }

private:
    QDateTime now_;
};

// Hands out the queued numbers in turn, then repeats the last one; seeding
// changes nothing.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values = {}) : values_(std::move(values)) {}
    void seed(quint64 value) override { seeds.append(value); }
    [[nodiscard]] double next() override
    {
        if (values_.isEmpty())
            return 0.0;
        const double value = values_.size() > 1 ? values_.takeFirst() : values_.first();
        return value;
    }
    void queue(double value) { values_.append(value); }
    QList<quint64> seeds;

private:
    QList<double> values_;
};

} // namespace velmora::test
