#pragma once

// A program folder with a catalog, a template and decks made through the store.

#include "dbwriter.h"
#include "sampledeck.h"
#include "testhome.h"

#include "decks/deckmanager.h"
#include "store/catalog.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace velmora::test {

struct DeckHome
{
    std::unique_ptr<TestHome> home = std::make_unique<TestHome>();

    [[nodiscard]] bool make()
    {
        home->makeFolders();
        if (!home->createCatalog() || !home->createDeck(QStringLiteral("tutor.vdk")))
            return false;
        Deck templ;
        return templ.open(paths::templateDatabase(), Access::ReadWrite) &&
               templ.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), false});
    }

    // A deck file of blank cards ("Card n", empty meanings and slots) and its catalog row.
    [[nodiscard]] static bool addDeck(const QString &dbName, const QString &name, int cards,
                                      const QString &password = {}, const QString &designer = {},
                                      bool isDefault = false)
    {
        if (!dbwriter::createDeckDatabase(paths::deckDatabase(dbName)))
            return false;
        Deck deck;
        QVector<Card> rows;
        for (int k = 1; k <= cards; ++k)
            rows.append({k, QStringLiteral("Card %1").arg(k), 0, QStringLiteral(""), QStringLiteral(""), false});
        return deck.open(paths::deckDatabase(dbName), Access::ReadWrite) &&
               deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), isDefault}) &&
               deck.saveHeader({name, cards, designer, password, QStringLiteral("Create")}) &&
               deck.appendCards(rows, QVector<QStringList>(cards, QStringList(kSlotsPerCard, QStringLiteral("")))) &&
               addCatalogRow(name, dbName);
    }

    // The deck at that entry of the deck manager's list.
    [[nodiscard]] static DeckRef listed(int entry) { return DeckManager().load().decks.value(entry); }

    [[nodiscard]] static QStringList deckFolderFiles()
    {
        return QDir(paths::deckFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    [[nodiscard]] static QStringList catalogRows()
    {
        Catalog catalog;
        QStringList rows;
        if (!catalog.open())
            return {QStringLiteral("unreadable")};
        for (const CatalogEntry &entry : catalog.decks().value_or(QVector<CatalogEntry>()))
            rows.append(entry.deckName + QLatin1Char('=') + entry.dbName);
        return rows;
    }
};

// Another program holding a database's write lock: reading goes on, writing waits and fails.
struct WriteLock : HeldLock
{
    explicit WriteLock(const QString &path = paths::catalogDatabase()) : HeldLock(path, "BEGIN IMMEDIATE") {}
};

// A trash folder inside the program folder, or none at all.
struct FakeTrash
{
    bool available = true;
    QStringList trashed;

    DeckManager::Trash function()
    {
        return [this](const QString &path, QString *inTrash) {
            if (!available)
                return false;
            const QString trashFolder = paths::programFolder() + QStringLiteral("/trash");
            QDir().mkpath(trashFolder);
            const QString target = trashFolder + QLatin1Char('/') + QFileInfo(path).fileName();
            if (!QFile::rename(path, target))
                return false;
            trashed.append(QFileInfo(path).fileName());
            if (inTrash)
                *inTrash = target;
            return true;
        };
    }
};

} // namespace velmora::test
