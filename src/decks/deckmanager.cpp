#include "decks/deckmanager.h"

#include "progress/history.h"

#include "app/safesave.h"
#include "store/catalog.h"
#include "store/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace velmora {

namespace deckmsg {
QString noDeckFile()
{
    return QCoreApplication::translate("velmora::FrmDeck", "This Tarot Learning Deck does not exsist any more.\r\n"
                                                           "Do you want to delete it from Tarot Learning Deck list?");
}
QString enterPassword()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Please Enter The Password");
}
QString noTutor()
{
    return QCoreApplication::translate("velmora::FrmDeck",
                                       "There is no existing Tutor available\r\nPlease Create a New Tutor");
}
QString selectDeck()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Please select a Tarot Learning Deck");
}
QString selectExisting()
{
    return QCoreApplication::translate(
        "velmora::FrmDeck",
        "Please Select an Existing Tarot Learning Deck\r\nor Please Create a New Tarot Learning Deck");
}
QString selectDeckModify()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Please Select a Tarot Learning Deck");
}
QString specifyName()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Please Specify the Tarot Learning Deck Name");
}
QString mentionCards()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Please Mention the Number of Cards");
}
QString atLeastThree()
{
    return QCoreApplication::translate("velmora::FrmDeck", "A Tarot Learning Deck must contain at least 3 Cards");
}
QString atLeastOne()
{
    return QCoreApplication::translate("velmora::FrmDeck", "A Tarot Learning Deck must contain at least 1 Card");
}
QString atMost78()
{
    return QCoreApplication::translate("velmora::FrmDeck", "A Tarot Learning Deck can contain at most 78 Cards");
}
QString created()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Tarot Learning Deck Created Successfully");
}
QString modified()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Tarot Learning Deck Information Modified Successfully");
}
QString deleted()
{
    return QCoreApplication::translate("velmora::FrmDeck", "Tarot Learnign Deck Deleted Successfully");
}
QString shrinkQuestion(int cardsWithContent, int removed)
{
    return QCoreApplication::translate("velmora::FrmDeck",
                                       "%1 of the %2 cards that would be removed hold names, keywords, meanings or "
                                       "pictures.\r\nDo you want to remove them with everything they hold?")
        .arg(cardsWithContent)
        .arg(removed);
}
QString deleteForGood()
{
    return QCoreApplication::translate("velmora::FrmDeck", "This Tarot Learning Deck cannot be moved to the trash.\r\n"
                                                           "Do you want to delete its file for good?");
}
QString creationFailed(const QString &reason)
{
    return QCoreApplication::translate("velmora::FrmDeck", "The Tarot Learning Deck could not be created.\r\n%1")
        .arg(reason);
}
QString modifyFailed(const QString &reason)
{
    return QCoreApplication::translate("velmora::FrmDeck",
                                       "The Tarot Learning Deck could not be modified; nothing was changed.\r\n%1")
        .arg(reason);
}
QString deleteFailed(const QString &reason)
{
    return QCoreApplication::translate("velmora::FrmDeck",
                                       "The Tarot Learning Deck could not be deleted; nothing was changed.\r\n%1")
        .arg(reason);
}
} // namespace deckmsg

int cardNumber(const QString &text)
{
    const double number = std::floor(lenientNumber(text));
    if (!(number > -1.0e9 && number < 1.0e9))
        return number > 0 ? 1000000000 : 0;
    return int(number);
}

namespace {

std::optional<InputProblem> checkCards(const QString &cards, int minimum)
{
    if (cards.trimmed().isEmpty())
        return InputProblem{deckmsg::mentionCards(), InputField::Cards, true};
    const int n = cardNumber(cards.trimmed());
    if (n < minimum)
        return InputProblem{minimum == kMinCardsInDeck ? deckmsg::atLeastThree() : deckmsg::atLeastOne(),
                            InputField::Cards, true};
    if (n > kMaxCardsInDeck)
        return InputProblem{deckmsg::atMost78(), InputField::Cards, true};
    return std::nullopt;
}

// A card as creation and growing make it: nothing the user wrote or loaded.
bool isBlank(const Card &card, const QStringList &cardSlots)
{
    if (card.isSaved || card.group != 0 || !card.normalMeaning.isEmpty() || !card.reversedMeaning.isEmpty() ||
        card.name != QStringLiteral("Card %1").arg(card.id))
        return false;
    for (const QString &keyword : cardSlots)
        if (!keyword.trimmed().isEmpty())
            return false;
    return true;
}

QVector<Card> blankCards(int from, int to)
{
    QVector<Card> cards;
    for (int k = from; k <= to; ++k)
        cards.append({k, QStringLiteral("Card %1").arg(k), 0, QStringLiteral(""), QStringLiteral(""), false});
    return cards;
}

QVector<QStringList> blankSlots(int count)
{
    return QVector<QStringList>(count, QStringList(kSlotsPerCard, QStringLiteral("")));
}

std::optional<QString> deckPath(const QString &dbName)
{
    return paths::deckDatabaseOfBareName(dbName);
}

QString namesNoDeckFile(const QString &dbName)
{
    return QCoreApplication::translate("DeckManager", "The deck's file name %1 names no deck file").arg(dbName);
}

// The catalog row of a listed deck, while it still names the listed file.
std::optional<CatalogEntry> rowOf(Catalog &catalog, const DeckRef &deck, QString *error)
{
    auto row = catalog.deck(deck.rowid);
    if (!row)
        *error = catalog.errorText();
    else if (row->dbName != deck.file)
        *error = QCoreApplication::translate("DeckManager", "The deck is no longer in the list");
    else
        return row;
    return std::nullopt;
}

QString passingPath()
{
    return QDir(paths::deckFolder()).filePath(QStringLiteral("~new-deck.vdk.part"));
}

// Reads and writes share one kind of connection, so that a kept one stays
// usable after the manager's own writes; a catalog that cannot be written
// is still read.
bool openCatalog(Catalog &catalog)
{
    return catalog.open(Access::ReadWrite) || catalog.open(Access::ReadOnly);
}

// The template is a few kilobytes: a file far larger is no template of ours.
constexpr qint64 kLargestTemplate = qint64(16) << 20;

// The template under the passing name, whole or not at all; empty, or the
// system's reason why not (a full disk, a folder that cannot be written).
QString copyTemplate(const QString &passing)
{
    QFile in(paths::templateDatabase());
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QByteArray bytes = in.read(kLargestTemplate + 1);
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    if (bytes.size() > kLargestTemplate)
        return QCoreApplication::translate("DeckManager", "the template deck is too large");
    // The passing file is the program's own: a link in its place is replaced.
    const ReplaceOutcome saved = replaceFileAtomically(passing, bytes);
    return saved.ok() ? QString() : QString::fromLocal8Bit(std::strerror(saved.error));
}

bool defaultTrash(const QString &path, QString *pathInTrash)
{
    return QFile::moveToTrash(path, pathInTrash);
}

} // namespace

std::optional<InputProblem> checkNewDeck(const DeckInput &input)
{
    if (input.name.trimmed().isEmpty())
        return InputProblem{deckmsg::specifyName(), InputField::DeckName, false};
    return checkCards(input.cards, kMinCardsInDeck);
}

std::optional<InputProblem> checkChangedDeck(const DeckInput &input)
{
    if (input.name.trimmed().isEmpty())
        return InputProblem{deckmsg::selectDeckModify(), InputField::DeckName, true};
    return checkCards(input.cards, kMinCardsAfterChange);
}

bool passwordOpens(const QString &stored, const QString &typed)
{
    const QString entered = typed.trimmed();
    if (stored.isEmpty())
        return entered.isEmpty();
    return stored == entered;
}

DeckManager::DeckManager() : trash_(defaultTrash) {}

DeckManager::DeckManager(Trash trash) : trash_(std::move(trash)) {}

DeckManager::~DeckManager()
{
    discardPreparation();
}

DeckManager::DeckManager(DeckManager &&other) noexcept = default;
DeckManager &DeckManager::operator=(DeckManager &&other) noexcept = default;

void DeckManager::prepareCreation()
{
    discardPreparation();
    const QString path = passingPath();
    if (!QFileInfo(paths::templateDatabase()).isFile() || !copyTemplate(path).isEmpty())
        return;
    auto deck = std::make_unique<Deck>();
    if (deck->open(path, Access::ReadWrite))
        prepared_ = std::move(deck);
    else
        QFile::remove(path);
}

void DeckManager::discardPreparation()
{
    if (!prepared_)
        return;
    prepared_->close();
    prepared_.reset();
    QFile::remove(passingPath());
}

DeckList DeckManager::load()
{
    DeckList list;
    Catalog catalog;
    std::optional<QVector<CatalogEntry>> decks;
    if (openCatalog(catalog))
        decks = catalog.decks();
    if (!decks) {
        list.error = catalog.errorText();
        return list;
    }
    for (const CatalogEntry &entry : *decks)
        if (entry.isComplete)
            list.decks.append({entry.rowid, entry.deckName, entry.dbName});
    if (list.decks.isEmpty())
        return list;
    if (const auto pick = catalog.pick()) {
        for (int i = 0; i < list.decks.size(); ++i) {
            if (list.decks[i].name.trimmed() == pick->listEntry) {
                list.remembered = i;
                list.rememberedFile = pick->database;
            }
        }
    }
    return list;
}

DeckLook DeckManager::look(const QString &dbName)
{
    DeckLook look;
    const auto path = deckPath(dbName);
    look.fileExists = path && QFileInfo(*path).isFile();
    if (!look.fileExists)
        return look;
    Deck deck;
    if (!deck.open(*path)) {
        look.error = deck.errorText();
        return look;
    }
    look.header = deck.header();
    if (const auto stamp = deck.typeStamp())
        look.isDefault = stamp->isDefault;
    if (!look.header)
        look.error = deck.errorText();
    return look;
}

std::optional<QVector<bool>> DeckManager::pictureMarks(const QString &dbName, QString *error)
{
    Deck deck;
    std::optional<QVector<Card>> cards;
    const auto path = deckPath(dbName);
    if (path && deck.open(*path))
        cards = deck.cards();
    if (!cards) {
        if (error)
            *error = path ? deck.errorText() : namesNoDeckFile(dbName);
        return std::nullopt;
    }
    QVector<bool> marks;
    marks.reserve(cards->size());
    for (const Card &card : *cards)
        marks.append(card.isSaved);
    return marks;
}

Outcome DeckManager::forget(const DeckRef &deck)
{
    Catalog catalog;
    if (!catalog.open(Access::ReadWrite))
        return Outcome::failure(catalog.errorText());
    QString error;
    if (!rowOf(catalog, deck, &error))
        return Outcome::failure(error);
    // A file that came back in the meantime keeps its row.
    if (const auto path = deckPath(deck.file); path && QFileInfo::exists(*path))
        return Outcome::failure(QCoreApplication::translate("DeckManager", "The deck file is there again"));
    if (!catalog.removeDeck(deck.rowid))
        return Outcome::failure(catalog.errorText());
    // The file name may be handed out again; the tests taken on this deck are not the next one's.
    (void)progress::retireDeckHistory(deck.file);
    return Outcome::success();
}

Outcome DeckManager::remember(const QString &deckName, const QString &dbName)
{
    Catalog catalog;
    const QString name = deckName.trimmed();
    if (catalog.open(Access::ReadWrite) && catalog.rememberDeck(name, dbName))
        return Outcome::success();
    return Outcome::failure(catalog.errorText());
}

Creation DeckManager::create(const DeckInput &input)
{
    Creation result;
    if (const auto problem = checkNewDeck(input)) {
        result.outcome = Outcome::failure(problem->message);
        return result;
    }
    const QString name = input.name.trimmed();
    const int count = cardNumber(input.cards.trimmed());

    Catalog catalog;
    std::optional<QVector<CatalogEntry>> decks;
    if (catalog.open(Access::ReadWrite))
        decks = catalog.decks();
    if (!decks) {
        result.outcome = Outcome::failure(catalog.errorText());
        return result;
    }
    if (!QFileInfo(paths::deckFolder()).isDir()) {
        result.outcome = Outcome::failure(
            QCoreApplication::translate("DeckManager", "The deck folder %1 is missing").arg(paths::deckFolder()));
        return result;
    }
    const QString templatePath = paths::templateDatabase();
    if (!QFileInfo(templatePath).isFile()) {
        result.outcome = Outcome::failure(
            QCoreApplication::translate("DeckManager", "The template deck %1 is missing").arg(templatePath));
        return result;
    }

    // With an empty catalog the naming rule starts from 1 and skips taken names.
    const QString dbName = NextDeckFileName(*decks);
    const QString finalPath = paths::deckDatabase(dbName);
    const QString passing = passingPath();
    std::unique_ptr<Deck> deck = std::move(prepared_);
    auto fail = [&](const QString &reason) {
        if (deck)
            deck->close();
        QFile::remove(passing);
        result.rowid = 0;
        result.outcome = Outcome::failure(reason);
        return result;
    };
    if (!deck) {
        if (const QString why = copyTemplate(passing); !why.isEmpty())
            return fail(QCoreApplication::translate("DeckManager", "The template deck cannot be copied into %1: %2")
                            .arg(paths::deckFolder(), why));
        deck = std::make_unique<Deck>();
        if (!deck->open(passing, Access::ReadWrite))
            return fail(deck->errorText());
    }
    const DeckHeader header{name, count, input.designer.trimmed(), input.password.trimmed(), QStringLiteral("Create")};
    if (!deck->saveHeader(header) || !deck->appendCards(blankCards(1, count), blankSlots(count)))
        return fail(deck->errorText());
    deck->close();
    if (!QFile::rename(passing, finalPath))
        return fail(
            QCoreApplication::translate("DeckManager", "The new deck cannot be put in place as %1").arg(finalPath));
    if (!catalog.addDeckAndRememberPick(name, dbName, &result.rowid)) {
        const QString reason = catalog.errorText();
        QFile::remove(finalPath);
        return fail(reason);
    }
    result.outcome = Outcome::success();
    result.handOff = {dbName, name, count};
    return result;
}

std::optional<int> DeckManager::cardsWithContentAfter(const QString &dbName, int keep, QString *error)
{
    Deck deck;
    std::optional<QVector<Card>> cards;
    const auto path = deckPath(dbName);
    if (path && deck.open(*path))
        cards = deck.cards();
    if (!cards) {
        if (error)
            *error = path ? deck.errorText() : namesNoDeckFile(dbName);
        return std::nullopt;
    }
    int withContent = 0;
    for (qsizetype i = std::max(0, keep); i < cards->size(); ++i) {
        const Card &card = (*cards)[i];
        const auto cardSlots = deck.keywords(card.id);
        if (!cardSlots || !isBlank(card, *cardSlots))
            ++withContent;
    }
    return withContent;
}

Outcome DeckManager::modify(const DeckRef &listed, const DeckInput &input)
{
    if (const auto problem = checkChangedDeck(input))
        return Outcome::failure(problem->message);
    const QString newName = input.name.trimmed();
    const int count = cardNumber(input.cards.trimmed());

    Catalog catalog;
    if (!catalog.open(Access::ReadWrite))
        return Outcome::failure(catalog.errorText());
    QString error;
    const auto row = rowOf(catalog, listed, &error);
    if (!row)
        return Outcome::failure(error);
    const auto path = deckPath(row->dbName);
    if (!path)
        return Outcome::failure(namesNoDeckFile(row->dbName));

    Deck deck;
    std::optional<DeckHeader> oldHeader;
    std::optional<QVector<Card>> cards;
    if (deck.open(*path, Access::ReadWrite)) {
        oldHeader = deck.header();
        cards = deck.cards();
    }
    if (!oldHeader || !cards)
        return Outcome::failure(deck.errorText());

    // Catalog first, then the header and the cards in one transaction of the
    // deck; a failure there undoes the catalog's step.
    if (!catalog.renameDeck(row->rowid, newName))
        return Outcome::failure(catalog.errorText());
    const DeckHeader header{newName, count, input.designer.trimmed(), input.password.trimmed(), oldHeader->status};
    const bool ok = deck.writeTogether([&] {
        if (!deck.saveHeader(header))
            return false;
        const int have = int(cards->size());
        if (count < have)
            return deck.truncateCards(count);
        if (count > have) {
            const int last = have == 0 ? 0 : cards->last().id;
            return deck.appendCards(blankCards(last + 1, last + count - have), blankSlots(count - have));
        }
        return true;
    });
    if (ok)
        return Outcome::success();
    const QString reason = deck.errorText();
    deck.close();
    (void)catalog.renameDeck(row->rowid, row->deckName);
    return Outcome::failure(reason);
}

Outcome DeckManager::remove(const DeckRef &listed, const ConfirmDelete &confirm, bool *cancelled)
{
    if (cancelled)
        *cancelled = false;
    Catalog catalog;
    if (!catalog.open(Access::ReadWrite))
        return Outcome::failure(catalog.errorText());
    QString error;
    const auto row = rowOf(catalog, listed, &error);
    if (!row)
        return Outcome::failure(error);
    const QString dbName = row->dbName;
    const QString path = deckPath(dbName).value_or(QString());
    if (path.isEmpty() || QFileInfo(path).isDir())
        return Outcome::failure(namesNoDeckFile(dbName));

    if (QFileInfo::exists(path)) {
        Deck deck;
        // A deck another program holds may be the default one: nothing is
        // deleted until its type stamp can be read.
        if (!deck.open(path) && deck.failure() == OpenFailure::Busy)
            return Outcome::failure(deck.errorText());
        if (deck.isOpen()) {
            if (const auto stamp = deck.typeStamp(); stamp && stamp->isDefault)
                return Outcome::failure(
                    QCoreApplication::translate("DeckManager", "The default deck cannot be deleted"));
        }
    }
    // The file leaves first, to a place it can come back from, so that a
    // catalog that cannot be written leaves both as they were.
    QString parked;
    bool forGood = false;
    if (QFileInfo::exists(path)) {
        if (!trash_ || !trash_(path, &parked)) {
            if (!confirm || !confirm()) {
                if (cancelled)
                    *cancelled = true;
                return Outcome::failure(QString());
            }
            parked = QDir(paths::deckFolder()).filePath(QStringLiteral("~deleting-") + dbName);
            QFile::remove(parked);
            if (!QFile::rename(path, parked))
                return Outcome::failure(
                    QCoreApplication::translate("DeckManager", "The deck file %1 cannot be removed").arg(path));
            forGood = true;
        }
    }
    if (!catalog.removeDeck(row->rowid)) {
        const QString reason = catalog.errorText();
        if (!parked.isEmpty() && !QFile::rename(parked, path))
            return Outcome::failure(
                QCoreApplication::translate("DeckManager", "%1\r\nThe deck file was left at %2").arg(reason, parked));
        return Outcome::failure(reason);
    }
    if (forGood)
        QFile::remove(parked);
    (void)progress::retireDeckHistory(dbName);
    return Outcome::success();
}

} // namespace velmora
