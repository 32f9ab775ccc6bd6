#include "deckhome.h"
#include "filesizelimit.h"
#include "progress/history.h"

#include "decks/deckmanager.h"
#include "learn/deckchecks.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>

using namespace velmora;
using namespace velmora::test;

class TstDeckManager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home_.home.reset();
        home_.home = std::make_unique<TestHome>();
        QVERIFY(home_.make());
    }

    void inputChecks_data()
    {
        QTest::addColumn<bool>("modify");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("cleared");
        const auto row = [](const char *tag, bool modify, const char *name, const char *cards, const QString &message) {
            // Only a blank new name keeps the field; every other refusal clears it.
            const bool cleared = modify || QString::fromLatin1(name).trimmed().size() > 0;
            QTest::addRow("%s", tag) << modify << QString::fromLatin1(name) << QString::fromLatin1(cards) << message
                                     << cleared;
        };
        row("blank name", false, "   ", "10", deckmsg::specifyName());
        row("blank name, modify", true, "", "10", deckmsg::selectDeckModify());
        row("no cards", false, "A", " ", deckmsg::mentionCards());
        row("0", false, "A", "0", deckmsg::atLeastThree());
        row("2", false, "A", "2", deckmsg::atLeastThree());
        row("0, modify", true, "A", "0", deckmsg::atLeastOne());
        row("1, modify", true, "A", "1", QString());
        row("007", false, "A", "007", QString());
        row("78", false, "A", "78", QString());
        row("79", false, "A", "79", deckmsg::atMost78());
        row("79, modify", true, "A", "79", deckmsg::atMost78());
        row("millions", false, "A", "9999999999", deckmsg::atMost78());
    }

    void inputChecks()
    {
        QFETCH(bool, modify);
        QFETCH(QString, name);
        QFETCH(QString, cards);
        QFETCH(QString, message);
        QFETCH(bool, cleared);
        const DeckInput input{name, cards, {}, {}};
        const auto problem = modify ? checkChangedDeck(input) : checkNewDeck(input);
        QCOMPARE(problem ? problem->message : QString(), message);
        if (problem)
            QCOMPARE(problem->clearField, cleared);
    }

    void password_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        const auto row = [](const char *tag, const QString &stored, const char *typed, bool opens) {
            QTest::addRow("%s", tag) << stored << QString::fromLatin1(typed) << opens;
        };
        row("null, nothing typed", QString(), "", true);
        row("empty text, nothing typed", QStringLiteral(""), "", true);
        row("none stored, text typed", QStringLiteral(""), "x", false);
        row("surrounding blanks", QStringLiteral("Secret"), "  Secret ", true);
        row("letter case", QStringLiteral("Secret"), "secret", false);
        row("partial", QStringLiteral("Secret"), "Secr", false);
    }

    void password()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QCOMPARE(passwordOpens(stored, typed), opens);
    }

    void twoDecksOfOneName_loadRemembersTheLastAndKeepsEachFile()
    {
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Twin", 3));
        QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Other", 3));
        QVERIFY(DeckHome::addDeck("Tutor3.vdk", "Twin", 4, {}, "Second"));
        DeckManager manager;
        QVERIFY(manager.remember(" Twin ", "Tutor1.vdk").ok);
        const DeckList list = manager.load();
        QStringList entries;
        for (const DeckRef &deck : list.decks)
            entries.append(deck.name + QLatin1Char('=') + deck.file);
        QCOMPARE(entries, (QStringList{"Twin=Tutor1.vdk", "Other=Tutor2.vdk", "Twin=Tutor3.vdk"}));
        QCOMPARE(list.remembered, 2);
        QCOMPARE(list.rememberedFile, QStringLiteral("Tutor1.vdk"));
    }

    void create_buildsTheNumberedDeckAndRemembersIt()
    {
        QVERIFY(DeckHome::addDeck("Tutor4.vdk", "Four", 3));
        DeckManager manager;
        const Creation made = manager.create({" New ", "007", " Me ", " pw "});
        QVERIFY2(made.outcome.ok, qPrintable(made.outcome.error));
        QCOMPARE(made.handOff.deckFile, QStringLiteral("Tutor5.vdk"));
        QCOMPARE(made.handOff.deckName, QStringLiteral("New"));
        QCOMPARE(made.handOff.cardCount, 7);
        QCOMPARE(DeckHome::deckFolderFiles(), (QStringList{"Tutor4.vdk", "Tutor5.vdk"}));
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Four=Tutor4.vdk", "New=Tutor5.vdk"}));

        Catalog catalog;
        QVERIFY(catalog.open());
        const auto pick = catalog.pick();
        QVERIFY(pick);
        QCOMPARE(pick->name + pick->database + pick->listEntry, QStringLiteral("NewTutor5.vdkNew"));

        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase("Tutor5.vdk")));
        const auto header = deck.header();
        QCOMPARE(header->deckName + header->designedBy + header->password + header->status,
                 QStringLiteral("NewMepwCreate"));
        QCOMPARE(header->maxCard, 7);
        const auto cards = deck.cards();
        QCOMPARE(cards->size(), 7);
        for (int k = 1; k <= 7; ++k) {
            const Card &card = cards->at(k - 1);
            QCOMPARE(card.id, k);
            QCOMPARE(card.name, QStringLiteral("Card %1").arg(k));
            QVERIFY(!card.isSaved && card.group == 0 && card.normalMeaning.isEmpty());
            QCOMPARE(deck.keywords(k)->size(), kSlotsPerCard);
        }
        QVERIFY(!deck.keywords(8) || deck.keywords(8)->isEmpty());
        QCOMPARE(rawText(paths::deckDatabase("Tutor5.vdk"), "SELECT count(*) FROM tblKeywords WHERE cardname = ''"),
                 "49");
    }

    void create_failureLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addRow("template missing") << "template missing";
        QTest::addRow("template is a folder") << "template folder";
        QTest::addRow("deck folder is a file") << "deck folder file";
        QTest::addRow("catalog refuses the row") << "catalog refuses";
        QTest::addRow("catalog locked by another program") << "catalog locked";
        QTest::addRow("template is no deck") << "template foreign";
        QTest::addRow("disk full") << "disk full";
    }

    void create_failureLeavesNothingBehind()
    {
        QFETCH(QString, fault);
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "One", 3));
        std::unique_ptr<WriteLock> lock;
        if (fault == "template missing") {
            QVERIFY(QFile::remove(paths::templateDatabase()));
        } else if (fault == "template folder") {
            QVERIFY(QFile::remove(paths::templateDatabase()));
            QVERIFY(QDir().mkpath(paths::templateDatabase()));
        } else if (fault == "deck folder file") {
            QVERIFY(QDir(paths::deckFolder()).removeRecursively());
            QFile file(paths::deckFolder());
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (fault == "catalog refuses") {
            // A rule of the catalog file that the new row breaks, met only at the very end.
            QVERIFY(rawExec(paths::catalogDatabase(), "CREATE UNIQUE INDEX onename ON tblStoreDeck(deckname)"));
        } else if (fault == "catalog locked") {
            lock = std::make_unique<WriteLock>();
        } else if (fault == "template foreign") {
            QVERIFY(rawExec(paths::templateDatabase(), "DROP TABLE tblCards"));
        }
        std::optional<FileSizeLimit> full;
        if (fault == "disk full")
            full.emplace(1024);
        const QStringList filesBefore = fault == "deck folder file" ? QStringList() : DeckHome::deckFolderFiles();

        DeckManager manager;
        const Creation made = manager.create({"One", "10", {}, {}});
        full.reset();
        QVERIFY(!made.outcome.ok);
        QVERIFY(!made.outcome.error.isEmpty());
        if (fault == "disk full") // the system's reason, not only what failed
            QVERIFY2(made.outcome.error.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                     qPrintable(made.outcome.error));
        lock.reset();
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"One=Tutor1.vdk"}));
        if (fault != "deck folder file")
            QCOMPARE(DeckHome::deckFolderFiles(), filesBefore);
        Catalog catalog;
        QVERIFY(catalog.open());
        QVERIFY(!catalog.pick());
    }

    // With an empty catalog the first free name is taken.
    void createdDeck_passesTheMainWindowChecksOnceComplete()
    {
        DeckManager manager;
        const Creation made = manager.create({"Mine", "3", {}, {}});
        QVERIFY2(made.outcome.ok, qPrintable(made.outcome.error));
        QCOMPARE(made.handOff.deckFile, QStringLiteral("Tutor1.vdk"));
        QCOMPARE(manager.create({"Mine", "3", {}, {}}).handOff.deckFile, QStringLiteral("Tutor2.vdk"));
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Mine=Tutor1.vdk", "Mine=Tutor2.vdk"}));
        const QString path = existingDeckFile(made.handOff.deckFile).value_or(QString());
        QVERIFY(!path.isEmpty());
        QCOMPARE(dbNameAtPosition(0, "Mine"), made.handOff.deckFile);
        QCOMPARE(hasMissingKeyword(path), std::optional<bool>(true));

        Deck deck;
        QVERIFY(deck.open(path, Access::ReadWrite));
        for (int k = 1; k <= 3; ++k) {
            QStringList cardSlots;
            for (int s = 1; s <= kSlotsPerCard; ++s)
                cardSlots.append(QStringLiteral("k%1-%2").arg(k).arg(s));
            QVERIFY(deck.saveCard({k, QStringLiteral("Named %1").arg(k), 0, "up", "down", false}, cardSlots));
        }
        deck.close();
        QCOMPARE(hasMissingKeyword(path), std::optional<bool>(false));
        QCOMPARE(hasEmptyKeywordField(path), std::optional<bool>(false));
    }

    void modify_growsAndShrinksWithTheCardNumbering_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addRow("10 to 12") << 10 << 12;
        QTest::addRow("12 to 10") << 12 << 10;
        QTest::addRow("same number") << 10 << 10;
        QTest::addRow("3 to 78") << 3 << 78;
        QTest::addRow("12 to 2") << 12 << 2;
        QTest::addRow("3 to 1") << 3 << 1;
    }

    void modify_growsAndShrinksWithTheCardNumbering()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Old", before, "pw", "Was"));
        {
            Deck deck;
            QVERIFY(deck.open(paths::deckDatabase("Tutor1.vdk"), Access::ReadWrite));
            QVERIFY(deck.saveCard({1, "Fool", 0, "n", "r", false}, QStringList(kSlotsPerCard, "kw")));
        }
        DeckManager manager;
        const Outcome done = manager.modify(DeckHome::listed(0), {" New ", QString::number(after), "Now", "pw2"});
        QVERIFY2(done.ok, qPrintable(done.error));
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"New=Tutor1.vdk"}));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase("Tutor1.vdk")));
        const auto header = deck.header();
        QCOMPARE(header->deckName + header->designedBy + header->password, QStringLiteral("NewNowpw2"));
        QCOMPARE(header->maxCard, after);
        const auto cards = deck.cards();
        QCOMPARE(cards->size(), after);
        QCOMPARE(cards->first().name, QStringLiteral("Fool"));
        QCOMPARE(deck.keywords(1)->first(), QStringLiteral("kw"));
        for (int k = 1; k <= after; ++k) {
            QCOMPARE(cards->at(k - 1).id, k);
            QCOMPARE(deck.keywords(k)->size(), kSlotsPerCard);
        }
        QCOMPARE(cards->last().name, after == 1 ? QStringLiteral("Fool") : QStringLiteral("Card %1").arg(after));
        const QString named = "SELECT count(*) FROM tblKeywords WHERE cardname <> '' AND CardID > %1";
        QCOMPARE(rawText(paths::deckDatabase("Tutor1.vdk"), named.arg(before)), "0");
    }

    void modify_failureChangesNeitherCatalogNorDeck_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addRow("deck file missing") << "missing";
        QTest::addRow("deck file is a folder") << "folder";
        QTest::addRow("catalog refuses the name") << "catalog refuses";
        QTest::addRow("catalog locked") << "catalog locked";
        QTest::addRow("deck locked after the catalog changed") << "deck locked";
        QTest::addRow("79 cards") << "79";
    }

    void modify_failureChangesNeitherCatalogNorDeck()
    {
        QFETCH(QString, fault);
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Taken", 3));
        QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Old", 10, {}, "Was"));
        const DeckRef old = DeckHome::listed(1);
        std::unique_ptr<WriteLock> lock;
        QString cards = QStringLiteral("12");
        if (fault == "missing") {
            QVERIFY(QFile::remove(paths::deckDatabase("Tutor2.vdk")));
        } else if (fault == "folder") {
            QVERIFY(QFile::remove(paths::deckDatabase("Tutor2.vdk")));
            QVERIFY(QDir().mkpath(paths::deckDatabase("Tutor2.vdk")));
        } else if (fault == "catalog refuses") {
            QVERIFY(rawExec(paths::catalogDatabase(), "CREATE UNIQUE INDEX onename ON tblStoreDeck(deckname)"));
        } else if (fault == "catalog locked") {
            lock = std::make_unique<WriteLock>();
        } else if (fault == "deck locked") {
            lock = std::make_unique<WriteLock>(paths::deckDatabase("Tutor2.vdk"));
        } else {
            cards = fault;
        }
        DeckManager manager;
        const Outcome done = manager.modify(old, {"Taken", cards, "Now", {}});
        QVERIFY(!done.ok);
        QVERIFY(!done.error.isEmpty());
        lock.reset();
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Taken=Tutor1.vdk", "Old=Tutor2.vdk"}));
        if (fault == "missing" || fault == "folder")
            return;
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase("Tutor2.vdk")));
        QCOMPARE(deck.header()->deckName + deck.header()->designedBy, QStringLiteral("OldWas"));
        QCOMPARE(deck.cards()->size(), 10);
    }

    void cardsWithContent_countsWhatTheUserWroteOrLoaded()
    {
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Deck", 12));
        DeckManager manager;
        QCOMPARE(manager.cardsWithContentAfter("Tutor1.vdk", 9), std::optional<int>(0));
        {
            Deck deck;
            QVERIFY(deck.open(paths::deckDatabase("Tutor1.vdk"), Access::ReadWrite));
            QStringList cardSlots(kSlotsPerCard, "");
            cardSlots[6] = "hope";
            QVERIFY(deck.saveCard({10, "Card 10", 0, "", "", false}, cardSlots));
            QVERIFY(deck.savePicture(11, jpegPicture(QSize(8, 8), Qt::blue)));
            QVERIFY(deck.saveCard({12, "Card 12", 0, "", "", false}, QStringList(kSlotsPerCard, "")));
            QVERIFY(deck.saveCard({3, "The Empress", 0, "", "", false}, QStringList(kSlotsPerCard, "")));
        }
        QCOMPARE(manager.cardsWithContentAfter("Tutor1.vdk", 9), std::optional<int>(2));
        QCOMPARE(manager.cardsWithContentAfter("Tutor1.vdk", 2), std::optional<int>(3));
        QCOMPARE(manager.cardsWithContentAfter("Tutor1.vdk", 12), std::optional<int>(0));
        QVERIFY(!manager.cardsWithContentAfter("Tutor9.vdk", 2));
    }

    void remove_takesFileAndRowTogether_data()
    {
        QTest::addColumn<bool>("trashAvailable");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<int>("questions");
        QTest::addRow("to the trash, no question") << true << false << true << 0;
        QTest::addRow("no trash, confirmed") << false << true << true << 1;
        QTest::addRow("no trash, declined") << false << false << false << 1;
    }

    void remove_takesFileAndRowTogether()
    {
        QFETCH(bool, trashAvailable);
        QFETCH(bool, confirm);
        QFETCH(bool, gone);
        QFETCH(int, questions);
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Default", 3, {}, {}, true));
        QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Mine", 3));
        QVERIFY(DeckHome::addDeck("Tutor3.vdk", "After", 3));
        FakeTrash trash;
        trash.available = trashAvailable;
        DeckManager manager(trash.function());
        int asked = 0;
        bool cancelled = false;
        const Outcome done = manager.remove(
            DeckHome::listed(1), [&] { return ++asked, confirm; }, &cancelled);
        QCOMPARE(done.ok, gone);
        QCOMPARE(cancelled, !gone);
        QCOMPARE(asked, questions);
        if (gone) {
            QCOMPARE(DeckHome::catalogRows(), (QStringList{"Default=Tutor1.vdk", "After=Tutor3.vdk"}));
            QCOMPARE(DeckHome::deckFolderFiles(), (QStringList{"Tutor1.vdk", "Tutor3.vdk"}));
            QCOMPARE(trash.trashed, trashAvailable ? QStringList{"Tutor2.vdk"} : QStringList());
        } else {
            QCOMPARE(DeckHome::catalogRows().size(), 3);
            QCOMPARE(DeckHome::deckFolderFiles().size(), 3);
        }
        // The default deck is never deleted, nor one with the default mark in a later type row, nor one
        // whose mark cannot be read while another program holds it.
        QVERIFY(!manager.remove(DeckHome::listed(0), [] { return true; }).ok);
        {
            HeldLock held(paths::deckDatabase("Tutor1.vdk"), "BEGIN EXCLUSIVE");
            const Outcome busy = manager.remove(DeckHome::listed(0), [] { return true; });
            QVERIFY2(!busy.ok && busy.error.contains(QLatin1String("in use")), qPrintable(busy.error));
        }
        QVERIFY(rawExec(paths::deckDatabase("Tutor3.vdk"), "INSERT INTO tblType VALUES ('Tutor', 'Tutor', 1)"));
        QVERIFY(!manager.remove(DeckHome::listed(gone ? 1 : 2), [] { return true; }).ok);
        const QStringList files = DeckHome::deckFolderFiles();
        QVERIFY(files.contains("Tutor1.vdk") && files.contains("Tutor3.vdk"));
    }

    void remove_lockedCatalogPutsTheFileBack()
    {
        QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Mine", 3));
        FakeTrash trash;
        DeckManager manager(trash.function());
        const DeckRef mine = DeckHome::listed(0);
        Outcome done;
        {
            WriteLock lock;
            done = manager.remove(mine, [] { return true; });
        }
        QVERIFY(!done.ok);
        QVERIFY(!done.error.isEmpty());
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Mine=Tutor2.vdk"}));
        QCOMPARE(DeckHome::deckFolderFiles(), (QStringList{"Tutor2.vdk"}));
    }

    void remove_refusesAFileNameOutsideTheDeckFolder_data()
    {
        QTest::addColumn<QString>("dbName");
        QTest::addRow("parent folder") << QStringLiteral("../x.vdk");
        QTest::addRow("absolute path") << QStringLiteral("<program folder>/x.vdk");
        QTest::addRow("sub-folder") << QStringLiteral("sub/x.vdk");
    }

    void remove_refusesAFileNameOutsideTheDeckFolder()
    {
        QFETCH(QString, dbName);
        dbName.replace(QStringLiteral("<program folder>"), paths::programFolder());
        QVERIFY(QDir(paths::deckFolder()).mkpath(QStringLiteral("sub")));
        const QString target = QDir(paths::deckFolder()).absoluteFilePath(dbName);
        QVERIFY(dbwriter::createDeckDatabase(target));
        QVERIFY(addCatalogRow(QStringLiteral("Elsewhere"), dbName));
        FakeTrash trash;
        DeckManager manager(trash.function());
        const Outcome done = manager.remove(DeckHome::listed(0), [] { return true; });
        QVERIFY(!done.ok);
        QVERIFY(done.error.contains(dbName));
        QVERIFY(QFileInfo::exists(target));
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Elsewhere=" + dbName}));
        QVERIFY(trash.trashed.isEmpty());
    }

    void forget_onlyARowWhoseFileIsGone()
    {
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Kept", 3));
        QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Gone", 3));
        DeckManager manager;
        const DeckRef gone = DeckHome::listed(1);
        QVERIFY(!manager.forget(gone).ok);
        QVERIFY(QFile::remove(paths::deckDatabase("Tutor2.vdk")));
        QVERIFY(!manager.forget(DeckHome::listed(0)).ok);
        QVERIFY(manager.forget(gone).ok);
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Kept=Tutor1.vdk"}));
        QCOMPARE(DeckHome::deckFolderFiles(), (QStringList{"Tutor1.vdk"}));
    }

    void fileNameHandedOutAgain_startsWithoutTheDeletedDecksProgress_data()
    {
        QTest::addColumn<bool>("fileGoneFirst");
        QTest::addRow("deleted") << false;
        QTest::addRow("file gone, row forgotten") << true;
    }

    void fileNameHandedOutAgain_startsWithoutTheDeletedDecksProgress()
    {
        QFETCH(bool, fileGoneFirst);
        QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Default", 3, {}, {}, true));
        QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Old", 3));
        const progress::TestRecord test{QDateTime::fromSecsSinceEpoch(1700000000), "Tutor2.vdk", "Old", {}, 0, {0}, {}};
        progress::HistoryFile history;
        QVERIFY(history.open(progress::historyPath()) && history.record(test) && history.record(test));
        history.close();
        FakeTrash trash;
        DeckManager manager(trash.function());
        const DeckRef old = DeckHome::listed(1);
        if (fileGoneFirst)
            QVERIFY(QFile::remove(paths::deckDatabase("Tutor2.vdk")) && manager.forget(old).ok);
        else
            QVERIFY(manager.remove(old, {}).ok);
        QCOMPARE(manager.create({"New", "3", {}, {}}).handOff.deckFile, QStringLiteral("Tutor2.vdk"));
        QVERIFY(history.open(progress::historyPath()));
        QCOMPARE(history.scores({"Tutor2.vdk", {}})->size(), 0);
        const auto kept = history.scores({});
        QCOMPARE(kept->size(), 2);
        QCOMPARE(kept->first().deckName + kept->last().deckFile, QStringLiteral("OldTutor2.vdk/1"));
    }

private:
    DeckHome home_;
};

QTEST_GUILESS_MAIN(TstDeckManager)
#include "tst_deckmanager.moc"
