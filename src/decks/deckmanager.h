#pragma once

// The rules of the deck manager without a window: the deck list and its
// remembered pick, a deck's header and password, and creating, changing and
// deleting decks so that the catalog and the deck folder never disagree.

#include "store/deck.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace velmora {

inline constexpr int kMinCardsInDeck = 3;
// Modify may take a deck below what creation allows.
inline constexpr int kMinCardsAfterChange = 1;
inline constexpr int kMaxCardsInDeck = 78;

// What the manager hands to the card editor.
struct DeckHandOff
{
    QString deckFile; // dbName, without folder
    QString deckName;
    int cardCount = 0;
};

// The four header fields as typed.
struct DeckInput
{
    QString name;
    QString cards;
    QString designer;
    QString password;
};

enum class InputField { DeckName, Cards };

// A refused input: the message, the field to fix and whether it is emptied.
struct InputProblem
{
    QString message;
    InputField field = InputField::DeckName;
    bool clearField = false;
};

// The input of a new deck; nothing when creation may go on.
[[nodiscard]] std::optional<InputProblem> checkNewDeck(const DeckInput &input);
// The input of Modify: from 1 card up, with Modify's message for an empty name.
[[nodiscard]] std::optional<InputProblem> checkChangedDeck(const DeckInput &input);
// The number of cards read the lenient way, as a whole number.
[[nodiscard]] int cardNumber(const QString &text);

// A stored password opens the deck when it is Null or empty and nothing is
// typed, or when it equals the typed text trimmed (letter case counts).
[[nodiscard]] bool passwordOpens(const QString &stored, const QString &typed);

// A listed deck: its catalog row's identity and its file, as loaded. Every
// action on a deck goes by these, never by the list position or the name.
struct DeckRef
{
    qint64 rowid = 0;
    QString name; // as listed
    QString file; // dbName, without folder
};

struct DeckList
{
    QVector<DeckRef> decks; // the complete catalog rows, in catalog order
    int remembered = -1;    // the last entry matching the remembered pick
    QString rememberedFile;
    QString error; // the catalog could not be read
};

// What picking a deck shows.
struct DeckLook
{
    bool fileExists = false;
    std::optional<DeckHeader> header;
    bool isDefault = false;
    QString error;
};

struct Outcome
{
    bool ok = false;
    QString error;
    static Outcome success() { return {true, {}}; }
    static Outcome failure(const QString &text) { return {false, text}; }
};

struct Creation
{
    Outcome outcome;
    DeckHandOff handOff;
    qint64 rowid = 0; // the new catalog row
};

class DeckManager
{
public:
    // Moves a file to the desktop's trash; false where there is none.
    using Trash = std::function<bool(const QString &path, QString *pathInTrash)>;
    // Asked before a file is deleted for good.
    using ConfirmDelete = std::function<bool()>;

    DeckManager();
    explicit DeckManager(Trash trash);
    ~DeckManager();
    DeckManager(DeckManager &&other) noexcept;
    DeckManager &operator=(DeckManager &&other) noexcept;
    DeckManager(const DeckManager &) = delete;
    DeckManager &operator=(const DeckManager &) = delete;

    [[nodiscard]] DeckList load();
    [[nodiscard]] DeckLook look(const QString &dbName);
    // The picked deck's saved flags, in card order; nothing when unreadable.
    [[nodiscard]] std::optional<QVector<bool>> pictureMarks(const QString &dbName, QString *error = nullptr);
    // Forgets the catalog row of a deck whose file is gone.
    [[nodiscard]] Outcome forget(const DeckRef &deck);
    // The pick of a deck; the card editor's remembered card stays.
    [[nodiscard]] Outcome remember(const QString &deckName, const QString &dbName);

    // Builds the deck under a passing name, puts it in place, then adds the
    // catalog row and the remembered pick together; undoes all on a failure.
    [[nodiscard]] Creation create(const DeckInput &input);
    // Copies the template under the passing name and opens it ahead of
    // create(), which then only writes; the key derivation of a new file is
    // the slow part of creation. Without effect when it fails.
    void prepareCreation();
    // Removes a prepared copy that create() did not use.
    void discardPreparation();

    // How many of the cards after the first `keep` hold something the user
    // wrote or loaded.
    [[nodiscard]] std::optional<int> cardsWithContentAfter(const QString &dbName, int keep, QString *error = nullptr);
    // Renames the catalog row and rewrites the deck's header and cards, all
    // or nothing.
    [[nodiscard]] Outcome modify(const DeckRef &deck, const DeckInput &input);
    // Takes the deck's file away (to the trash, or for good once confirmed)
    // and its catalog row; either both go or neither. A file name that leads
    // out of the deck folder is refused.
    [[nodiscard]] Outcome remove(const DeckRef &deck, const ConfirmDelete &confirm, bool *cancelled = nullptr);

private:
    Trash trash_;
    std::unique_ptr<Deck> prepared_;
};

// Texts of the deck manager, exactly as the user sees them.
namespace deckmsg {
QString noDeckFile();
QString enterPassword();
QString noTutor();
QString selectDeck();       // Next
QString selectExisting();   // Next, final test
QString selectDeckModify(); // Modify and Delete
QString specifyName();
QString mentionCards();
QString atLeastThree();
QString atLeastOne(); // Modify
QString atMost78();
QString created();
QString modified();
QString deleted();
QString shrinkQuestion(int cardsWithContent, int removed);
QString deleteForGood();
QString creationFailed(const QString &reason);
QString modifyFailed(const QString &reason);
QString deleteFailed(const QString &reason);
} // namespace deckmsg

} // namespace velmora
