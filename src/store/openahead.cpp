#include "store/openahead.h"

#include "store/catalog.h"
#include "store/deck.h"
#include "store/paths.h"

namespace velmora::store {

namespace {

// More decks than this are rare; the rest are opened when asked for.
constexpr int kDecksAhead = 64;

void openDeck(const QString &path)
{
    Deck deck;
    (void)deck.open(path);
}

} // namespace

OpenAhead::OpenAhead() : worker_(QStringLiteral("OpenAhead")) {}

OpenAhead::~OpenAhead()
{
    worker_.stop();
}

void OpenAhead::catalogAndDecks()
{
    worker_.post([this] {
        const QStringList paths = catalogDeckPaths(kDecksAhead);
        for (const QString &path : paths)
            worker_.post([path] { openDeck(path); });
    });
}

void OpenAhead::decks(const QStringList &paths)
{
    for (const QString &path : paths.mid(0, kDecksAhead))
        worker_.post([path] { openDeck(path); });
}

bool OpenAhead::waitIdle(QDeadlineTimer deadline)
{
    return worker_.waitIdle(deadline);
}

QStringList catalogDeckPaths(int limit)
{
    Catalog catalog;
    if (!catalog.open())
        return {};
    const auto entries = catalog.decks();
    QStringList paths;
    for (const CatalogEntry &entry : entries.value_or(QVector<CatalogEntry>{})) {
        if (paths.size() >= limit)
            break;
        const std::optional<QString> path = paths::deckDatabaseOfBareName(entry.dbName);
        if (path && !paths.contains(*path))
            paths.append(*path);
    }
    return paths;
}

} // namespace velmora::store
