#include "store/personalmeanings.h"

#include "store/dbfile.h"
#include "store/sqlite.h"

#include <QFileInfo>

namespace velmora::progress {

bool PersonalMeanings::open(const QString &path)
{
    error_.clear();
    if (history_.open(path))
        return true;
    error_ = history_.errorText();
    return false;
}

bool PersonalMeanings::fail(const QString &context, const QString &why)
{
    error_ = context + QStringLiteral(": ") + why;
    return false;
}

std::optional<PersonalMeaningMap> PersonalMeanings::ofDeck(const QString &deckName)
{
    const QString context = tr("reading your own meanings");
    sqlite3 *db = history_.connection();
    if (!db) {
        (void)fail(context, tr("the progress history is not open"));
        return std::nullopt;
    }
    const sqlite::Statement rows(db, QStringLiteral("SELECT card_name, upright, reversed FROM personal_meanings "
                                                    "WHERE deck_name = ?1 LIMIT ?2"));
    // A null name binds as NULL, which equals no stored name, not even "".
    store::bindText(rows.get(), 1, deckName.isNull() ? QStringLiteral("") : deckName);
    sqlite3_bind_int(rows.get(), 2, kMaxPersonalCards);
    PersonalMeaningMap meanings;
    int rc = SQLITE_ROW;
    while ((rc = rows.step()) == SQLITE_ROW) {
        PersonalMeaning meaning{rows.text(1).left(kMaxPersonalMeaning), rows.text(2).left(kMaxPersonalMeaning)};
        if (!meaning.isEmpty())
            meanings.insert(rows.text(0).left(store::kTextBound), std::move(meaning));
    }
    if (rc != SQLITE_DONE) {
        (void)fail(context, rows.errorText());
        return std::nullopt;
    }
    return meanings;
}

bool PersonalMeanings::save(const QString &deckName, const QString &cardName, const PersonalMeaning &meaning,
                            const QDateTime &when)
{
    const QString context = tr("saving your own meaning of %1").arg(cardName);
    sqlite3 *db = history_.connection();
    if (!db)
        return fail(context, tr("the progress history is not open"));
    if (meaning.upright.size() > kMaxPersonalMeaning || meaning.reversed.size() > kMaxPersonalMeaning)
        return fail(context, tr("a meaning may hold at most %1 characters").arg(kMaxPersonalMeaning));
    const bool forget = meaning.upright.trimmed().isEmpty() && meaning.reversed.trimmed().isEmpty();
    const sqlite::Statement write(
        db, forget ? QStringLiteral("DELETE FROM personal_meanings WHERE deck_name = ?1 AND card_name = ?2")
                   : QStringLiteral("INSERT OR REPLACE INTO personal_meanings(deck_name, card_name, upright, "
                                    "reversed, changed) VALUES (?1, ?2, ?3, ?4, ?5)"));
    store::bindText(write.get(), 1, deckName.isNull() ? QStringLiteral("") : deckName);
    store::bindText(write.get(), 2, cardName.isNull() ? QStringLiteral("") : cardName);
    if (!forget) {
        store::bindText(write.get(), 3, meaning.upright.isNull() ? QStringLiteral("") : meaning.upright);
        store::bindText(write.get(), 4, meaning.reversed.isNull() ? QStringLiteral("") : meaning.reversed);
        sqlite3_bind_int64(write.get(), 5, when.toMSecsSinceEpoch());
    }
    if (write.step() != SQLITE_DONE)
        return fail(context, write.errorText());
    return true;
}

std::optional<PersonalMeaningMap> readPersonalMeanings(const QString &path, const QString &deckName, QString *error)
{
    if (!QFileInfo::exists(path))
        return PersonalMeaningMap();
    PersonalMeanings store;
    std::optional<PersonalMeaningMap> meanings;
    if (store.open(path))
        meanings = store.ofDeck(deckName);
    if (!meanings && error)
        *error = store.errorText();
    return meanings;
}

QVector<Card> withOwnMeanings(QVector<Card> cards, const PersonalMeaningMap &own)
{
    for (Card &card : cards) {
        const auto found = own.constFind(card.name);
        if (found == own.constEnd())
            continue;
        if (!found->upright.isEmpty())
            card.normalMeaning = found->upright;
        if (!found->reversed.isEmpty())
            card.reversedMeaning = found->reversed;
    }
    return cards;
}

} // namespace velmora::progress
