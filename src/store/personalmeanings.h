#pragma once

// The learner's own meanings of cards, kept in the progress history file
// beside the tests, so that no deck file is changed for them and a deck
// imported or updated again keeps them: they belong to a deck name and a card
// name. The history file's checks and refusals apply as they are.

#include "store/historydb.h"

#include "store/deck.h"

#include <QDateTime>
#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <optional>

namespace velmora::progress {

// What one own meaning may hold, in characters.
inline constexpr int kMaxPersonalMeaning = 4000;
// Bound of one deck's listing: far more cards than any deck has.
inline constexpr int kMaxPersonalCards = 10000;

struct PersonalMeaning
{
    QString upright;
    QString reversed;

    [[nodiscard]] bool isEmpty() const { return upright.isEmpty() && reversed.isEmpty(); }
    [[nodiscard]] const QString &of(bool reversedSide) const { return reversedSide ? reversed : upright; }
    friend bool operator==(const PersonalMeaning &, const PersonalMeaning &) = default;
};

// The own meanings of one deck by card name.
using PersonalMeaningMap = QHash<QString, PersonalMeaning>;

class PersonalMeanings
{
    Q_DECLARE_TR_FUNCTIONS(PersonalMeanings)

public:
    // Creates the history when it is missing, as the first save needs it.
    [[nodiscard]] bool open(const QString &path);
    [[nodiscard]] bool isOpen() const { return history_.isOpen(); }
    [[nodiscard]] QString errorText() const { return error_; }
    void close() { history_.close(); }

    // Every own meaning of the deck, at most kMaxPersonalCards.
    [[nodiscard]] std::optional<PersonalMeaningMap> ofDeck(const QString &deckName);
    // One statement: both texts replace what the card had, or nothing
    // changes. Both empty forgets the card. A text over kMaxPersonalMeaning
    // is refused rather than cut, so no typed word is lost unseen.
    [[nodiscard]] bool save(const QString &deckName, const QString &cardName, const PersonalMeaning &meaning,
                            const QDateTime &when);

private:
    [[nodiscard]] bool fail(const QString &context, const QString &why);

    store::HistoryDb history_;
    QString error_;
};

// The deck's own meanings read from the history at `path`, an empty map when
// there is no history yet (reading creates none); nothing, with `error` set,
// when the history is refused or unreadable.
[[nodiscard]] std::optional<PersonalMeaningMap> readPersonalMeanings(const QString &path, const QString &deckName,
                                                                     QString *error = nullptr);

// The cards with the learner's own meaning in place of the deck's wherever
// they wrote one, for a test that asks for their own meanings.
[[nodiscard]] QVector<Card> withOwnMeanings(QVector<Card> cards, const PersonalMeaningMap &own);

} // namespace velmora::progress
