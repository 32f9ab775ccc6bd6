#include "readings/daynote.h"

#include <QFileInfo>

namespace velmora::readings {

QString dayCardQuestion(const ReadingCard &card)
{
    return QStringLiteral("Card of the day: ") + card.name +
           (card.reversed ? QStringLiteral(" (reversed)") : QStringLiteral(" (upright)"));
}

bool DayNote::load(const QString &path, const QString &deckFile, const QString &deckName, const ReadingCard &card,
                   const QDateTime &made)
{
    path_ = path;
    loaded_ = false;
    reading_ = Reading{};
    reading_.made = made;
    reading_.deckFile = deckFile;
    reading_.deckName = deckName;
    reading_.spread = Spread::OneCard;
    reading_.question = dayCardQuestion(card);
    reading_.cards = {card};
    if (!QFileInfo::exists(path))
        return loaded_ = true;
    if (!journal_.open(path)) {
        error_ = journal_.errorText();
        return false;
    }
    const std::optional<QVector<Reading>> list = journal_.list();
    if (!list) {
        error_ = journal_.errorText();
        return false;
    }
    // Newest first: only the readings of that day need looking at.
    for (const Reading &held : *list) {
        if (held.made.date() > made.date())
            continue;
        if (held.made.date() < made.date())
            break;
        if (held.spread == Spread::OneCard && held.deckFile == deckFile && held.question == reading_.question) {
            reading_.id = held.id;
            reading_.made = held.made;
            reading_.interpretation = held.interpretation;
            break;
        }
    }
    return loaded_ = true;
}

bool DayNote::save(const QString &note)
{
    if (!loaded_) {
        error_ = tr("the journal could not be read, so nothing is written to it");
        return false;
    }
    const QString kept = note.left(kMaxInterpretation);
    if (kept == reading_.interpretation && (reading_.id != 0 || kept.isEmpty()))
        return true;
    Reading changed = reading_;
    changed.interpretation = kept;
    if ((journal_.isOpen() || journal_.open(path_)) && journal_.save(changed)) {
        reading_ = changed;
        return true;
    }
    error_ = journal_.errorText();
    journal_.close();
    return false;
}

} // namespace velmora::readings
