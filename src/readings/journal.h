#pragma once

// The journal of readings, kept in the progress history file beside the
// tests: that file's checks, upgrade and refusals apply to it as they are.

#include "store/historydb.h"
#include "readings/patterns.h"
#include "readings/reading.h"

#include <functional>
#include <optional>

namespace velmora::readings {

// Bound of one listing: far more readings than a learner writes.
inline constexpr int kMaxReadings = 100000;

class Journal
{
    Q_DECLARE_TR_FUNCTIONS(Journal)

public:
    [[nodiscard]] bool open(const QString &path);
    [[nodiscard]] bool isOpen() const { return history_.isOpen(); }
    [[nodiscard]] QString errorText() const { return error_; }
    void close() { history_.close(); }

    // One transaction: a new reading is added and given its id, a held one
    // replaced whole. On false nothing of it changed.
    [[nodiscard]] bool save(Reading &reading);
    [[nodiscard]] bool remove(qint64 id);
    // Newest first, at most kMaxReadings, without their cards.
    [[nodiscard]] std::optional<QVector<Reading>> list();
    // Nothing when it is gone or on a read error (errorText() then says so).
    [[nodiscard]] std::optional<Reading> reading(qint64 id);
    // Every reading with its cards, newest first, at most kMaxReadings.
    [[nodiscard]] std::optional<QVector<Reading>> all();

    // Every card of the readings made from `since` on, at most kMaxReadings
    // readings' worth.
    [[nodiscard]] std::optional<QVector<DrawnCard>> drawnSince(const QDateTime &since);
    // The local days from `since` on with a reading or a review grade.
    [[nodiscard]] std::optional<QSet<QDate>> practiceDays(const QDateTime &since);
    // The readings that hold a card of this name, in any orientation.
    [[nodiscard]] std::optional<QSet<qint64>> readingsWithCard(const QString &cardName);

private:
    [[nodiscard]] bool fail(const QString &context, const QString &why);
    [[nodiscard]] std::optional<QVector<Reading>> select(qint64 id, bool withCards);

    store::HistoryDb history_;
    QString error_;
};

} // namespace velmora::readings
