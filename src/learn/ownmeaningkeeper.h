#pragma once

// Keeps what the learner types as their own meanings on the memorize tab:
// read per deck from the progress history, saved a moment after typing stops,
// before another card shows and when the window closes.

#include "store/backgroundjob.h"
#include "store/personalmeanings.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace velmora {

struct Services;
class MemorizePage;

class OwnMeaningKeeper : public QObject
{
    Q_OBJECT

public:
    OwnMeaningKeeper(Services &services, MemorizePage &page, QString historyPath, QObject *parent = nullptr);

    // What is typed for the card shown until now is saved first; a failure
    // is told, as nothing the learner typed may go unseen.
    void showCard(const QString &deckName, const QString &cardName);
    void clear();
    // Saves what is typed and not yet kept; false, with the page saying why,
    // when the save failed (the text stays on the page).
    [[nodiscard]] bool flush();
    [[nodiscard]] bool hasUnsaved() const { return unsaved_; }
    [[nodiscard]] QString errorText() const { return error_; }
    [[nodiscard]] QString cardName() const { return cardName_; }
    // The setting that lets description tests and reviews ask for them.
    [[nodiscard]] bool asksOwn() const;
    // The deck's own meanings as last read or saved; read now for another deck.
    [[nodiscard]] progress::PersonalMeaningMap meaningsOf(const QString &deckName);
    // For the ending: the question whether to leave it unsaved, true to go on.
    [[nodiscard]] bool finishOrAsk(QWidget *window);
    // The size of the history from which a deck's own meanings are read on a
    // worker thread when the history is due for its check (which reads all
    // of it); the box stays closed until they are there.
    void setReadAsideFrom(qint64 bytes) { readAsideFrom_ = bytes; }
    // True while that read runs.
    [[nodiscard]] bool reading() const { return reading_ != nullptr; }

    struct Read
    {
        std::optional<progress::PersonalMeaningMap> meanings;
        QString why;
    };

private:
    void edited();
    void loadDeck(const QString &deckName);
    void deckRead();
    void takeRead(Read read);
    void showOwn();

    Services &services_;
    MemorizePage &page_;
    QString path_;
    progress::PersonalMeanings store_;
    QString deckName_;
    bool readable_ = false;
    progress::PersonalMeaningMap meanings_;
    QString cardName_;
    bool unsaved_ = false;
    QString error_;
    QTimer timer_;
    qint64 readAsideFrom_ = 4 << 20;
    // Reads of decks no longer shown, left to end on their own.
    std::vector<std::unique_ptr<BackgroundJob<Read>>> abandoned_;
    // Last, so that it is joined before what its end touches goes.
    std::unique_ptr<BackgroundJob<Read>> reading_;
};

} // namespace velmora
