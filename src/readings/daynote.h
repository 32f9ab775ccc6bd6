#pragma once

// The learner's note on the card of the day, kept in the journal as a
// one-card reading of that day whose question names the card, so the journal
// lists the days with their card. No window here.

#include "readings/journal.h"

namespace velmora::readings {

// "Card of the day: The Fool (reversed)"
[[nodiscard]] QString dayCardQuestion(const ReadingCard &card);

class DayNote
{
    Q_DECLARE_TR_FUNCTIONS(DayNote)

public:
    // The day's reading of this card and deck, found in the journal at `path`
    // when there is one; a journal that is not there yet is made by the first
    // save only. False, with errorText() set, when the journal cannot be read.
    [[nodiscard]] bool load(const QString &path, const QString &deckFile, const QString &deckName,
                            const ReadingCard &card, const QDateTime &made);
    [[nodiscard]] QString note() const { return reading_.interpretation; }
    // One transaction; on false the journal is as it was.
    [[nodiscard]] bool save(const QString &note);
    [[nodiscard]] QString errorText() const { return error_; }
    [[nodiscard]] qint64 readingId() const { return reading_.id; }

private:
    QString path_;
    Journal journal_;
    Reading reading_;
    bool loaded_ = false;
    QString error_;
};

} // namespace velmora::readings
