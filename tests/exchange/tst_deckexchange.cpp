// The exchange rules: export and import through the exchange folder, each
// refusal, each failure leaving nothing behind, and files of other programs.

#include "../decks/deckhome.h"
#include "filebytes.h"
#include "filesizelimit.h"

#include "decks/deckexchange.h"
#include "store/schema.h"

#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <array>

using namespace velmora;
using namespace velmora::test;

namespace {

QStringList exchangeFiles()
{
    return QDir(paths::exchangeFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// A file the user keeps in the exchange folder, which no operation touches.
bool keepUserFile()
{
    return writeFile(QDir(paths::exchangeFolder()).filePath(QStringLiteral("notes.txt")), "mine");
}

// A program folder with the default deck Tutor1.vdk and the user's deck
// Tutor2.vdk "Moon Garden" with a password and pictures.
struct ExchangeHome
{
    DeckHome deckHome;

    [[nodiscard]] bool make()
    {
        if (!deckHome.make() ||
            !DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Default"), 2, {}, {}, true))
            return false;
        if (!DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Moon Garden"), 0, QStringLiteral("s3cret"),
                               QStringLiteral("Ann")))
            return false;
        QList<SampleCard> cards;
        for (int id = 1; id <= 3; ++id) {
            SampleCard card = plainCard(id, id % 5);
            card.picture = jpegPicture(QSize(120, 200), QColor::fromHsv(id * 90, 200, 200));
            cards.append(card);
        }
        return writeCards(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), cards);
    }
};

} // namespace

class TestDeckExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void export_refusals_data()
    {
        QTest::addColumn<QString>("deckFile");
        QTest::addColumn<QString>("alreadyThere");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const auto row = [](const char *tag, const char *deckFile, const char *alreadyThere, const char *message,
                            PromptIcon icon) {
            QTest::addRow("%s", tag) << QString::fromLatin1(deckFile) << QString::fromLatin1(alreadyThere)
                                     << (message == nullptr) << QString::fromLatin1(message) << int(icon);
        };
        row("no deck selected", "", "", exchange::kNotSelected, PromptIcon::Information);
        row("deck file gone", "Tutor9.vdk", "", exchange::kNotSelected, PromptIcon::Information);
        row("default deck", "Tutor1.vdk", "", exchange::kDefaultNoExport, PromptIcon::Warning);
        row("second export to one folder", "Tutor2.vdk", "Tutor2.vdk", exchange::kTwice, PromptIcon::Critical);
        row("name differing in case only", "Tutor2.vdk", "tutor2.VDK", nullptr, PromptIcon::None);
    }

    void export_refusals()
    {
        QFETCH(QString, deckFile);
        QFETCH(QString, alreadyThere);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        QFETCH(int, icon);
        ExchangeHome home;
        QVERIFY(home.make());
        QTemporaryDir destination;
        QStringList before;
        if (!alreadyThere.isEmpty()) {
            QVERIFY(writeFile(destination.filePath(alreadyThere), "someone else's"));
            before.append(alreadyThere);
        }
        const ExchangeOutcome outcome = exchange::exportDeck(deckFile, destination.path());
        QCOMPARE(outcome.ok, ok);
        QCOMPARE(exchangeFiles(), QStringList());
        const QStringList after = QDir(destination.path()).entryList(QDir::Files | QDir::Hidden);
        if (ok) {
            QCOMPARE(after.size(), before.size() + 1);
            return;
        }
        QCOMPARE(outcome.message.text, message);
        QCOMPARE(int(outcome.message.icon), icon);
        QCOMPARE(outcome.message.title, QStringLiteral("Velmora"));
        QCOMPARE(after, before);
        if (!alreadyThere.isEmpty())
            QCOMPARE(fileBytes(destination.filePath(alreadyThere)), QByteArray("someone else's"));
    }

    // Not "File is not selected properly": the real reason, and no half file.
    void export_writeFailure_namesTheReasonAndLeavesNoFile_data()
    {
        QTest::addColumn<bool>("fileSizeLimit");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("reason");
        QTest::addRow("folder that takes no files") << false << QStringLiteral("/proc") << "cannot be written to";
        QTest::addRow("disk full while writing") << true << QString() << "File too large";
    }

    void export_writeFailure_namesTheReasonAndLeavesNoFile()
    {
        QFETCH(bool, fileSizeLimit);
        QFETCH(QString, destination);
        QFETCH(QString, reason);
        ExchangeHome home;
        QVERIFY(home.make());
        QTemporaryDir folder;
        if (destination.isEmpty())
            destination = folder.path();
        ExchangeOutcome outcome;
        {
            std::optional<FileSizeLimit> limit;
            const qint64 deckSize = QFileInfo(paths::deckDatabase(QStringLiteral("Tutor2.vdk"))).size();
            QVERIFY(deckSize > 8192);
            if (fileSizeLimit)
                limit.emplace(rlim_t(deckSize / 2));
            outcome = exchange::exportDeck(QStringLiteral("Tutor2.vdk"), destination);
        }
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.message.text.contains(reason), qPrintable(outcome.message.text));
        QVERIFY(outcome.message.text != QString::fromLatin1(exchange::kNotSelected));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(exchangeFiles(), QStringList());
    }

    // Exported from one program folder and imported into another, the deck
    // keeps every byte, under a file name as long as a name can be.
    void exportThenImport_keepTheDeckByteForByte()
    {
        const QString longName = QString(251, QLatin1Char('d')) + QStringLiteral(".vdk");
        QByteArray exported;
        QString exportedPath;
        QTemporaryDir share;
        {
            ExchangeHome home;
            QVERIFY(home.make() && keepUserFile());
            QVERIFY(QFile::rename(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), paths::deckDatabase(longName)));
            // Working copies of operations a crash cut short go with this one.
            for (const char *leftover : {"~velmora-import.vdk", ".~velmora-x1.part"})
                QVERIFY(writeFile(QDir(paths::exchangeFolder()).filePath(QLatin1String(leftover)), ""));
            QList<qint64> steps;
            const ExchangeOutcome outcome =
                exchange::exportDeck(QLatin1Char(' ') + longName, share.path(), [&](qint64 done, qint64 total) {
                    QVERIFY(done <= total);
                    steps.append(done);
                });
            QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
            QCOMPARE(outcome.fileName, longName);
            exportedPath = outcome.exportedPath;
            QCOMPARE(exportedPath, share.filePath(longName));
            exported = fileBytes(exportedPath);
            QCOMPARE(exported, fileBytes(paths::deckDatabase(longName)));
            QVERIFY(!steps.isEmpty());
            QCOMPARE(exchangeFiles(), QStringList{"notes.txt"});
            QCOMPARE(QDir(share.path()).entryList(QDir::Files | QDir::Hidden), QStringList{longName});
        }
        ExchangeHome fresh;
        QVERIFY(fresh.make() && keepUserFile());
        QVERIFY(DeckHome::addDeck(QStringLiteral("Tutor3.vdk"), QStringLiteral("Moon Garden"), 1));
        const QStringList rowsBefore = DeckHome::catalogRows();
        const ExchangeOutcome outcome = exchange::importDeck(exportedPath);
        QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
        QCOMPARE(outcome.message.text,
                 QStringLiteral("Tarot Learning Deck Imported Successfully\r\nPlease Restart Velmora Now"));
        QCOMPARE(outcome.message.icon, PromptIcon::Information);
        QCOMPARE(outcome.fileName, QStringLiteral("Tutor4.vdk"));
        QCOMPARE(DeckHome::catalogRows(), rowsBefore + QStringList{"Moon Garden=Tutor4.vdk"});
        QCOMPARE(fileBytes(paths::deckDatabase(QStringLiteral("Tutor4.vdk"))), exported);
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor4.vdk"))));
        QCOMPARE(deck.header()->password, QStringLiteral("s3cret"));
        QVERIFY(!deck.picture(2).isEmpty());
        QCOMPARE(exchangeFiles(), QStringList{"notes.txt"});
        QVERIFY(!DeckHome::deckFolderFiles().join(QLatin1Char(' ')).contains(QLatin1String(".part")));
        QCOMPARE(NextDeckFileName(), QStringLiteral("Tutor5.vdk"));
    }

    void import_refusals_data()
    {
        QTest::addColumn<QString>("kind");  // none, bytes, plain, or a copy of deck 2 / default / truncated
        QTest::addColumn<QString>("extra"); // the bytes written, or SQL run on the copy
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const QString unknown = QString::fromLatin1(exchange::kUnknownStructure);
        const QList<std::pair<const char *, std::array<const char *, 2>>> foreign{
            {"text file", {"bytes", "These are my notes about the cards.\n"}},
            {"0-byte file", {"bytes", ""}},
            {"unencrypted SQLite file", {"plain", ""}},
            {"deck with a trigger",
             {"copy", "CREATE TRIGGER t AFTER INSERT ON tblCards BEGIN DELETE FROM tblKeywords; END"}},
            {"deck with a view", {"copy", "CREATE VIEW v AS SELECT * FROM tblCards"}},
            {"truncated deck", {"truncated", ""}},
            {"type stamp of another program", {"copy", "UPDATE tblType SET software = 'Cards'"}},
            {"no type stamp row", {"copy", "DELETE FROM tblType"}},
            {"no header row", {"copy", "DELETE FROM tblDeckNames"}},
            {"empty name", {"copy", "UPDATE tblDeckNames SET deckname = ' '"}},
            {"null name", {"copy", "UPDATE tblDeckNames SET deckname = NULL"}},
            {"deck padded with zeros", {"padded", ""}},
            {"last type row of another program", {"copy", "INSERT INTO tblType VALUES ('Tutor', 'Cards', 0)"}},
        };
        const auto row = [](const char *tag, const char *kind, const char *extra, const QString &message,
                            PromptIcon icon) {
            QTest::addRow("%s", tag) << QString::fromLatin1(kind) << QString::fromLatin1(extra) << message << int(icon);
        };
        row("nothing chosen", "none", "", QString::fromLatin1(exchange::kNotSelected), PromptIcon::Information);
        for (const auto &[tag, how] : foreign)
            row(tag, how[0], how[1], unknown, PromptIcon::Critical);
        const QString notImported = QStringLiteral("The deck was not imported. ");
        for (const char *special : {"pipe", "device", "dangling"})
            row(special, special, "", notImported + QStringLiteral("Shared.vdk is"), PromptIcon::Information);
        row("larger than the free space", "sparse", "", notImported + QStringLiteral("The disk of the folder"),
            PromptIcon::Information);
        // The catalog row is the last step: when it cannot be written, the deck
        // file already in place is removed again.
        row("catalog locked by another program", "locked", "", QStringLiteral("The deck was not imported: "),
            PromptIcon::Information);
        const QString defaultDeck = QString::fromLatin1(exchange::kDefaultNoImport);
        row("default deck", "default", "", defaultDeck, PromptIcon::Warning);
        row("default mark in a later type row", "copy", "INSERT INTO tblType VALUES ('Tutor', 'Tutor', 1)", defaultDeck,
            PromptIcon::Warning);
    }

    void import_refusals()
    {
        QFETCH(QString, kind);
        QFETCH(QString, extra);
        QFETCH(QString, message);
        QFETCH(int, icon);
        ExchangeHome home;
        QVERIFY(home.make() && keepUserFile());
        QTemporaryDir outside;
        const QString file = outside.filePath(QStringLiteral("Shared.vdk"));
        if (kind == QLatin1String("bytes")) {
            QVERIFY(writeFile(file, extra.toUtf8()));
        } else if (kind == QLatin1String("plain")) {
            sqlite3 *db = nullptr;
            QVERIFY(sqlite3_open(file.toUtf8().constData(), &db) == SQLITE_OK);
            for (auto sql : schema::kDeckTables)
                QVERIFY(sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
            QVERIFY(sqlite3_exec(db, "INSERT INTO tblType VALUES ('Tutor','Tutor',0)", nullptr, nullptr, nullptr) ==
                    SQLITE_OK);
            sqlite3_close(db);
        } else if (kind == QLatin1String("pipe") || kind == QLatin1String("device") ||
                   kind == QLatin1String("dangling")) {
            QVERIFY(makeSpecialFile(file, kind));
        } else if (kind == QLatin1String("sparse")) {
            QFile sparse(file);
            QVERIFY(sparse.open(QIODevice::WriteOnly) &&
                    sparse.resize(QStorageInfo(paths::deckFolder()).bytesAvailable() + (qint64(1) << 30)));
        } else if (kind != QLatin1String("none")) {
            const bool isDefault = kind == QLatin1String("default");
            QVERIFY(QFile::copy(
                paths::deckDatabase(isDefault ? QStringLiteral("Tutor1.vdk") : QStringLiteral("Tutor2.vdk")), file));
            QFile cut(file);
            if (kind == QLatin1String("truncated"))
                QVERIFY(cut.size() > 8192 && cut.resize(cut.size() / 2));
            if (kind == QLatin1String("padded"))
                QVERIFY(cut.resize(cut.size() + 4 * 1024 * 1024));
            if (!extra.isEmpty())
                QVERIFY(rawExec(file, extra));
        }
        const bool readable = QFileInfo(file).isFile() && QFileInfo(file).size() < (1 << 30);
        const QByteArray fileBefore = readable ? fileBytes(file) : QByteArray();
        const QStringList rowsBefore = DeckHome::catalogRows();
        const QStringList filesBefore = DeckHome::deckFolderFiles();

        std::optional<WriteLock> lock;
        if (kind == QLatin1String("locked"))
            lock.emplace();
        const ExchangeOutcome outcome = exchange::importDeck(kind == QLatin1String("none") ? QString() : file);
        lock.reset();
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.message.text.startsWith(message), qPrintable(outcome.message.text));
        QCOMPARE(int(outcome.message.icon), icon);
        if (message == QString::fromLatin1(exchange::kUnknownStructure))
            QVERIFY2(outcome.message.text.size() > message.size() + 10, "says why");
        QCOMPARE(DeckHome::catalogRows(), rowsBefore);
        QCOMPARE(DeckHome::deckFolderFiles(), filesBefore);
        QCOMPARE(exchangeFiles(), QStringList{"notes.txt"});
        if (readable)
            QCOMPARE(fileBytes(file), fileBefore);
    }

    // Through a link the exchange folder would be some other folder, whose
    // files the program would take for its own working copies.
    void linkedExchangeFolder_isRefusedAndItsTargetLeftAlone()
    {
        ExchangeHome home;
        QVERIFY(home.make());
        QTemporaryDir elsewhere;
        QVERIFY(writeFile(elsewhere.filePath(QStringLiteral("~velmora-import.vdk")), "someone's"));
        QVERIFY(QDir(paths::exchangeFolder()).removeRecursively() &&
                QFile::link(elsewhere.path(), paths::exchangeFolder()));
        QTemporaryDir share;
        const QString shared = share.filePath(QStringLiteral("Shared.vdk"));
        QVERIFY(QFile::copy(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), shared));
        for (const ExchangeOutcome &outcome :
             {exchange::exportDeck(QStringLiteral("Tutor2.vdk"), share.path()), exchange::importDeck(shared)}) {
            QVERIFY(!outcome.ok);
            QVERIFY2(outcome.message.text.contains(QLatin1String("exchange folder")) &&
                         outcome.message.text.contains(QLatin1String("is a link")),
                     qPrintable(outcome.message.text));
        }
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"~velmora-import.vdk"});
        QCOMPARE(fileBytes(elsewhere.filePath(QStringLiteral("~velmora-import.vdk"))), QByteArray("someone's"));
        QCOMPARE(QDir(share.path()).entryList(QDir::Files), QStringList{"Shared.vdk"});
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Default=Tutor1.vdk", "Moon Garden=Tutor2.vdk"}));
    }

    void otherInstallations_shellMadeDeckImports_exportedDeckOpensInTheShell()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty())
            QSKIP("the sqlcipher shell is not installed");
        ExchangeHome home;
        QVERIFY(home.make());
        QTemporaryDir outside;
        const QString made = outside.filePath(QStringLiteral("Tutor5.vdk"));
        QString sql;
        for (auto table : schema::kDeckTables)
            sql += QString::fromLatin1(table.data(), qsizetype(table.size())) + QStringLiteral(";\n");
        sql += QStringLiteral("INSERT INTO tblType VALUES ('Tutor','Tutor',0);\n"
                              "INSERT INTO tblDeckNames VALUES ('Shell Deck',1,'Bo','pw','Create');\n"
                              "INSERT INTO tblCards (ID, Name, \"Group\", normalmeaning, reversedmeaning, issaved) "
                              "VALUES (1,'The Star',0,'hope','despair',0);\n");
        for (int slot = 1; slot <= 7; ++slot)
            sql += QStringLiteral("INSERT INTO tblKeywords VALUES (%1,1,'k%1','The Star');\n").arg(slot);
        sql += QStringLiteral("SELECT count(*) FROM tblKeywords;");
        QCOMPARE(sqlcipherShell(made, sql), QStringLiteral("7"));

        const ExchangeOutcome imported = exchange::importDeck(made);
        QVERIFY2(imported.ok, qPrintable(imported.message.text));
        QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Shell Deck=Tutor3.vdk"));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor3.vdk"))));
        QCOMPARE(deck.cards()->first().name, QStringLiteral("The Star"));
        deck.close();

        const ExchangeOutcome exported = exchange::exportDeck(QStringLiteral("Tutor2.vdk"), outside.path());
        QVERIFY2(exported.ok, qPrintable(exported.message.text));
        QCOMPARE(
            sqlcipherShell(exported.exportedPath, QStringLiteral("SELECT deckname, password, (SELECT count(*) FROM "
                                                                 "tblCards), (SELECT Type FROM tblType) FROM "
                                                                 "tblDeckNames;")),
            QStringLiteral("Moon Garden|s3cret|3|Tutor"));
    }

    // Every picture of the copy is a JPEG file of the same size; the deck kept is unchanged.
    void compactCopy_opensInTheShellAndImportsWithPicturesOfTheSameSize()
    {
        QTemporaryDir share;
        QString exportedPath;
        {
            ExchangeHome home;
            QVERIFY(home.make());
            const QString stored = paths::deckDatabase(QStringLiteral("Tutor2.vdk"));
            QVERIFY(!exchange::compactOffer(QStringLiteral("Tutor2.vdk"), share.path()));
            QVERIFY(writeCards(stored, largeBmpCards()));
            const QByteArray before = fileBytes(stored);
            const auto offer = exchange::compactOffer(QStringLiteral("Tutor2.vdk"), share.path());
            QVERIFY(offer && offer->compactBytes < offer->deckBytes / 4);
            const ExchangeOutcome outcome =
                exchange::exportDeck(QStringLiteral("Tutor2.vdk"), share.path(), {}, exchange::ExportForm::Compact);
            QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
            // Nothing holds the removed working copy open.
            for (const QFileInfo &fd :
                 QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System))
                QVERIFY2(!fd.symLinkTarget().startsWith(QFileInfo(paths::exchangeFolder()).canonicalFilePath()),
                         qPrintable(fd.symLinkTarget()));
            exportedPath = outcome.exportedPath;
            QCOMPARE(fileBytes(stored), before);
            QVERIFY(QFileInfo(exportedPath).size() < offer->compactBytes * 2);
            QCOMPARE(exchangeFiles(), QStringList());
        }
        if (!QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty())
            QCOMPARE(sqlcipherShell(exportedPath, QStringLiteral("SELECT count(*), sum(hex(substr(PictureData, 1, 2)) "
                                                                 "= 'FFD8'), (SELECT deckname FROM tblDeckNames) "
                                                                 "FROM tblCards;")),
                     QStringLiteral("8|8|Moon Garden"));
        ExchangeHome fresh;
        QVERIFY(fresh.make());
        const ExchangeOutcome imported = exchange::importDeck(exportedPath);
        QVERIFY2(imported.ok, qPrintable(imported.message.text));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(imported.fileName)));
        for (const Card &card : deck.cards().value_or(QVector<Card>()))
            QCOMPARE(QImage::fromData(deck.picture(card.id)).size(),
                     card.id <= 3 ? QSize(120, 200) : QSize(1000, 1700));
    }

    void exportMessage_fiveLinesJoinedByCrLf()
    {
        const QString text =
            exchange::exportMessageText(QStringLiteral("Tutor7.vdk"), QStringLiteral("/home/a/Tutor7.vdk"),
                                        QStringLiteral("https://example.org/ssd.php?page=help"));
        QCOMPARE(text.split(QStringLiteral("\r\n")),
                 (QStringList{"Your Deck has been exported.", "The name of the Deck is Tutor7.vdk",
                              "It is located at /home/a/Tutor7.vdk",
                              "You can go to /home/a/Tutor7.vdk and start sending your deck to your friends, family "
                              "or others.",
                              "Click here for more help. https://example.org/ssd.php?page=help"}));
    }

    void linkedHtml_linksOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("links");
        QTest::addRow("help address") << "Click here for more help. https://example.org/ssd.php?page=help"
                                      << QStringList{"https://example.org/ssd.php?page=help"};
        QTest::addRow("path") << "It is located at /home/a/Tutor7.vdk" << QStringList{};
        QTest::addRow("path with an address inside")
            << "It is located at /srv/http://x/www.y/Tutor7.vdk" << QStringList{};
        QTest::addRow("www address, full stop after")
            << "See www.example.org." << QStringList{"http://www.example.org"};
        QTest::addRow("markup in a path stays text") << "You can go to /tmp/<b>x</b> and start" << QStringList{};
    }

    void linkedHtml_linksOnlyWebAddresses()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, links);
        const QString html = exchange::linkedHtml(text);
        QStringList found;
        static const QRegularExpression href(QStringLiteral("<a href=\"([^\"]*)\">"));
        for (auto it = href.globalMatch(html); it.hasNext();)
            found.append(it.next().captured(1));
        QCOMPARE(found, links);
        QVERIFY(!html.contains(QLatin1String("<b>")));
    }
};

QTEST_GUILESS_MAIN(TestDeckExchange)
#include "tst_deckexchange.moc"
