// The exchange rules: export and import through the exchange folder, each
// refusal, each failure leaving nothing behind, and files of other programs.

#include "../decks/deckhome.h"
#include "filebytes.h"

#include "exchange/deckexchange.h"
#include "store/schema.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <csignal>
#include <sys/resource.h>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kKey = QStringLiteral("Q8Lmt5vNxe2rrH6p73");

QStringList exchangeFiles()
{
    return QDir(paths::exchangeFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

QString shell()
{
    return QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
}

// Runs SQL through the sqlcipher shell alone; its standard output.
QString runShell(const QString &file, const QString &sql)
{
    QProcess process;
    process.start(shell(), {file});
    if (!process.waitForStarted())
        return QStringLiteral("no shell");
    process.write(QStringLiteral("PRAGMA key='%1';\n%2\n").arg(kKey, sql).toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
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

// Limits the size of files this process writes, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
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
        const QString notSelected = QString::fromLatin1(exchange::kNotSelected);
        QTest::addRow("no deck selected") << ""
                                          << "" << false << notSelected << int(PromptIcon::Information);
        QTest::addRow("deck file gone") << "Tutor9.vdk"
                                        << "" << false << notSelected << int(PromptIcon::Information);
        QTest::addRow("default deck") << "Tutor1.vdk"
                                      << "" << false << QString::fromLatin1(exchange::kDefaultNoExport)
                                      << int(PromptIcon::Warning);
        QTest::addRow("second export to one folder")
            << "Tutor2.vdk"
            << "Tutor2.vdk" << false << QString::fromLatin1(exchange::kTwice) << int(PromptIcon::Critical);
        QTest::addRow("name differing in case only") << "Tutor2.vdk"
                                                     << "tutor2.VDK" << true << "" << 0;
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
        QTest::addRow("folder that takes no files") << false << "/proc"
                                                    << "cannot be written to";
        QTest::addRow("disk full while writing") << true << ""
                                                 << "File too large";
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

    // Exported from one program folder and imported into another, the deck keeps every byte.
    void exportThenImport_keepTheDeckByteForByte()
    {
        QByteArray exported;
        QString exportedPath;
        QTemporaryDir share;
        {
            ExchangeHome home;
            QVERIFY(home.make());
            // Working copies of operations a crash cut short go with this one.
            for (const char *leftover : {"Other.vdk", ".Other.vdk.part"})
                QVERIFY(
                    QFile(QDir(paths::exchangeFolder()).filePath(QLatin1String(leftover))).open(QIODevice::WriteOnly));
            QList<qint64> steps;
            const ExchangeOutcome outcome =
                exchange::exportDeck(QStringLiteral(" Tutor2.vdk "), share.path(), [&](qint64 done, qint64 total) {
                    QVERIFY(done <= total);
                    steps.append(done);
                });
            QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
            QCOMPARE(outcome.fileName, QStringLiteral("Tutor2.vdk"));
            exportedPath = outcome.exportedPath;
            QCOMPARE(exportedPath, share.filePath(QStringLiteral("Tutor2.vdk")));
            exported = fileBytes(exportedPath);
            QCOMPARE(exported, fileBytes(paths::deckDatabase(QStringLiteral("Tutor2.vdk"))));
            QVERIFY(!steps.isEmpty());
            QCOMPARE(exchangeFiles(), QStringList());
            QCOMPARE(QDir(share.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tutor2.vdk"});
        }
        ExchangeHome fresh;
        QVERIFY(fresh.make());
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
        QCOMPARE(exchangeFiles(), QStringList());
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
        const int critical = int(PromptIcon::Critical);
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
            {"last type row of another program", {"copy", "INSERT INTO tblType VALUES ('Tutor', 'Cards', 0)"}},
        };
        QTest::addRow("nothing chosen") << "none"
                                        << "" << QString::fromLatin1(exchange::kNotSelected)
                                        << int(PromptIcon::Information);
        for (const auto &[row, how] : foreign)
            QTest::addRow("%s", row) << how[0] << how[1] << unknown << critical;
        QTest::addRow("default deck") << "default"
                                      << "" << QString::fromLatin1(exchange::kDefaultNoImport)
                                      << int(PromptIcon::Warning);
        QTest::addRow("default mark in a later type row")
            << "copy"
            << "INSERT INTO tblType VALUES ('Tutor', 'Tutor', 1)" << QString::fromLatin1(exchange::kDefaultNoImport)
            << int(PromptIcon::Warning);
    }

    void import_refusals()
    {
        QFETCH(QString, kind);
        QFETCH(QString, extra);
        QFETCH(QString, message);
        QFETCH(int, icon);
        ExchangeHome home;
        QVERIFY(home.make());
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
        } else if (kind != QLatin1String("none")) {
            const bool isDefault = kind == QLatin1String("default");
            QVERIFY(QFile::copy(
                paths::deckDatabase(isDefault ? QStringLiteral("Tutor1.vdk") : QStringLiteral("Tutor2.vdk")), file));
            QFile cut(file);
            if (kind == QLatin1String("truncated"))
                QVERIFY(cut.size() > 8192 && cut.resize(cut.size() / 2));
            if (!extra.isEmpty())
                QVERIFY(rawExec(file, extra));
        }
        const QByteArray fileBefore = fileBytes(file);
        const QStringList rowsBefore = DeckHome::catalogRows();
        const QStringList filesBefore = DeckHome::deckFolderFiles();

        const ExchangeOutcome outcome = exchange::importDeck(kind == QLatin1String("none") ? QString() : file);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.message.text.startsWith(message), qPrintable(outcome.message.text));
        QCOMPARE(int(outcome.message.icon), icon);
        if (message == QString::fromLatin1(exchange::kUnknownStructure))
            QVERIFY2(outcome.message.text.size() > message.size() + 10, "says why");
        QCOMPARE(DeckHome::catalogRows(), rowsBefore);
        QCOMPARE(DeckHome::deckFolderFiles(), filesBefore);
        QCOMPARE(exchangeFiles(), QStringList());
        QCOMPARE(fileBytes(file), fileBefore);
    }

    // The catalog row is the last step: when it cannot be written, the deck
    // file already in place is removed again.
    void import_catalogCannotBeWritten_removesTheNewFileAndSaysWhy()
    {
        ExchangeHome home;
        QVERIFY(home.make());
        QTemporaryDir outside;
        const QString file = outside.filePath(QStringLiteral("Tutor2.vdk"));
        QVERIFY(QFile::copy(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), file));
        const QStringList filesBefore = DeckHome::deckFolderFiles();
        ExchangeOutcome outcome;
        {
            WriteLock lock;
            outcome = exchange::importDeck(file);
        }
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.message.text.startsWith(QLatin1String("The deck was not imported: ")),
                 qPrintable(outcome.message.text));
        QCOMPARE(DeckHome::deckFolderFiles(), filesBefore);
        QCOMPARE(DeckHome::catalogRows(), (QStringList{"Default=Tutor1.vdk", "Moon Garden=Tutor2.vdk"}));
        QCOMPARE(exchangeFiles(), QStringList());
    }

    void otherInstallations_shellMadeDeckImports_exportedDeckOpensInTheShell()
    {
        if (shell().isEmpty())
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
        QCOMPARE(runShell(made, sql), QStringLiteral("7"));

        const ExchangeOutcome imported = exchange::importDeck(made);
        QVERIFY2(imported.ok, qPrintable(imported.message.text));
        QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Shell Deck=Tutor3.vdk"));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor3.vdk"))));
        QCOMPARE(deck.cards()->first().name, QStringLiteral("The Star"));
        deck.close();

        const ExchangeOutcome exported = exchange::exportDeck(QStringLiteral("Tutor2.vdk"), outside.path());
        QVERIFY2(exported.ok, qPrintable(exported.message.text));
        QCOMPARE(runShell(exported.exportedPath, QStringLiteral("SELECT deckname, password, (SELECT count(*) FROM "
                                                                "tblCards), (SELECT Type FROM tblType) FROM "
                                                                "tblDeckNames;")),
                 QStringLiteral("Moon Garden|s3cret|3|Tutor"));
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
        QCOMPARE(text.count(QLatin1Char('\n')), 4);
        QCOMPARE(text.count(QLatin1Char('\r')), 4);
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
