// Flashcard packages: what an export holds as an independent reader (Python's
// sqlite3 and zipfile) sees it, a package from an independent writer taken in
// as a deck, the round trip, and packages made to do harm.

#include "../decks/deckhome.h"
#include "flashcards/flashcardexchange.h"
#include "progress/history.h"

#include "store/pictures.h"
#include "store/regularfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;
using namespace velmora::flashcards;

namespace {

constexpr qint64 kNow = 1'765'000'000'000LL;

QString tool()
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tests/flashcards/package_tool.py");
}

// The tool's output as JSON; fails the test when it does not run cleanly.
QJsonObject readWithTool(const QString &package)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {tool(), QStringLiteral("read"), package});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning("%s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

bool makeWithTool(const QStringList &arguments)
{
    QProcess python;
    python.start(QStringLiteral("python3"), QStringList{tool()} + arguments);
    return python.waitForFinished(60000) && python.exitCode() == 0;
}

QList<SampleCard> moonGardenCards()
{
    QList<SampleCard> cards;
    SampleCard fool = plainCard(1, 0, 3);
    fool.name = QStringLiteral("The Fool");
    fool.normalMeaning = QStringLiteral("A start & a <leap>\nof faith");
    fool.reversedMeaning = QStringLiteral("Recklessness");
    QImage image(60, 100, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    fool.picture = encodedPicture(image, "bmp");
    SampleCard cups = plainCard(2, 1, 7);
    cups.name = QStringLiteral("Two of Cups");
    cups.picture = jpegPicture(QSize(80, 120), Qt::red);
    SampleCard swords = plainCard(3, 4, 0);
    swords.name = QStringLiteral("Ace of Swords");
    cards << fool << cups << swords;
    return cards;
}

struct PackageHome
{
    DeckHome deckHome;
    QTemporaryDir outside;

    [[nodiscard]] bool make()
    {
        return deckHome.make() && outside.isValid() &&
               DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Default"), 0, {}, {}, true) &&
               DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Moon Garden"), 0) &&
               writeCards(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), moonGardenCards());
    }
};

// Every card of the two decks alike: names, groups, meanings, keywords, and
// pictures of the same size and colour (a BMP travels as JPEG).
void compareDecks(const QString &originalFile, const QString &copyFile)
{
    Deck original;
    Deck copy;
    QVERIFY(original.open(paths::deckDatabase(originalFile)));
    QVERIFY(copy.open(paths::deckDatabase(copyFile)));
    const QVector<Card> before = *original.cards();
    const QVector<Card> after = *copy.cards();
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after[i].name, before[i].name);
        QCOMPARE(after[i].group, before[i].group);
        QCOMPARE(after[i].normalMeaning, before[i].normalMeaning);
        QCOMPARE(after[i].reversedMeaning, before[i].reversedMeaning);
        QCOMPARE(*copy.keywords(after[i].id), *original.keywords(before[i].id));
        const QImage was = decodePicture(original.picture(before[i].id));
        const QImage is = decodePicture(copy.picture(after[i].id));
        QCOMPARE(is.size(), was.size());
        if (!was.isNull()) {
            const QColor a = was.pixelColor(was.width() / 2, was.height() * 3 / 4);
            const QColor b = is.pixelColor(is.width() / 2, is.height() * 3 / 4);
            QVERIFY(qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 24);
        }
    }
    // The JPEG picture travels as it is.
    QCOMPARE(copy.picture(2), original.picture(2));
}

// What an exchange reported of its progress, and whether every report came
// on the thread that asked (a window's progress bar is a widget).
struct ProgressSeen
{
    QVector<std::pair<qint64, qint64>> reports;
    bool offThread = false;

    [[nodiscard]] ExchangeProgress recorder()
    {
        return [this, asking = QThread::currentThread()](qint64 done, qint64 total) {
            offThread = offThread || QThread::currentThread() != asking;
            reports.append({done, total});
        };
    }
    // Never back, never past the whole.
    [[nodiscard]] bool steady() const
    {
        for (qsizetype i = 0; i < reports.size(); ++i)
            if (reports[i].first > reports[i].second || reports[i].first < 0 ||
                (i > 0 && reports[i].first < reports[i - 1].first))
                return false;
        return true;
    }
};

QStringList workLeftovers()
{
    return QDir(paths::exchangeFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestFlashcardPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void exportedPackage_readByIndependentReader()
    {
        PackageHome home;
        QVERIFY(home.make());
        const ExchangeOutcome outcome = exportPackage(QStringLiteral("Tutor2.vdk"), home.outside.path(), kNow);
        QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
        QCOMPARE(outcome.fileName, QStringLiteral("Moon Garden.apkg"));
        QVERIFY(workLeftovers().isEmpty());

        const QJsonObject package = readWithTool(outcome.exportedPath);
        QCOMPARE(package.value("version").toInt(), 11);
        QCOMPARE(package.value("integrity").toString(), QStringLiteral("ok"));
        const QJsonArray types = package.value("noteTypes").toArray();
        QCOMPARE(types.size(), 1);
        const QJsonObject type = types[0].toObject();
        QCOMPARE(type.value("fields").toVariant().toStringList(),
                 QStringList({"Name", "Group", "Picture", "Keywords", "Upright", "Reversed"}));
        const QJsonArray templates = type.value("templates").toArray();
        QCOMPARE(templates.size(), 3);
        QStringList templateNames;
        for (const auto &t : templates)
            templateNames.append(t.toObject().value("name").toString());
        QCOMPARE(templateNames, QStringList({"Keywords", "Upright", "Reversed"}));
        QVERIFY(templates[0].toObject().value("afmt").toString().contains("{{Keywords}}"));
        QVERIFY(templates[2].toObject().value("qfmt").toString().contains("reversed"));
        QVERIFY(templates[2].toObject().value("afmt").toString().contains("{{Reversed}}"));
        QVERIFY(type.value("css").toString().contains(".reversed img { transform: rotate(180deg); }"));

        const QJsonArray notes = package.value("notes").toArray();
        QCOMPARE(notes.size(), 3);
        QHash<QString, QJsonObject> byName;
        for (const auto &n : notes) {
            QVERIFY(n.toObject().value("csum_ok").toBool());
            byName.insert(n.toObject().value("first").toString(), n.toObject());
        }
        const QStringList fool = byName.value("The Fool").value("fields").toVariant().toStringList();
        QCOMPARE(fool.size(), 6);
        QCOMPARE(fool[1], QStringLiteral("Major Arcana"));
        QCOMPARE(fool[3], QStringLiteral("k1-1, k1-2, k1-3"));
        QCOMPARE(fool[4], QStringLiteral("A start &amp; a &lt;leap&gt;<br>of faith"));
        QCOMPARE(byName.value("The Fool").value("tags").toVariant().toStringList(), QStringList{"Major_Arcana"});
        QCOMPARE(byName.value("Two of Cups").value("tags").toVariant().toStringList(), QStringList{"Cups"});
        QCOMPARE(byName.value("Ace of Swords").value("fields").toVariant().toStringList().at(2), QString());

        // Each picture is a media file the note's field names; the BMP went as JPEG.
        const QJsonObject media = package.value("media").toObject();
        QCOMPARE(media.size(), 2);
        for (const QString &name : {QStringLiteral("The Fool"), QStringLiteral("Two of Cups")}) {
            const QString field = byName.value(name).value("fields").toArray().at(2).toString();
            const QString file = firstImageSource(field);
            QVERIFY2(media.contains(file), qPrintable(field));
            QCOMPARE(media.value(file).toObject().value("kind").toString(), QStringLiteral("jpeg"));
        }
        // The third card has no keywords: no card asks for them.
        QCOMPARE(package.value("cards").toArray().size(), 8);

        // A second export elsewhere has the same ids and guids, so it updates.
        QTemporaryDir again;
        const ExchangeOutcome second = exportPackage(QStringLiteral("Tutor2.vdk"), again.path(), kNow + 99999);
        QVERIFY(second.ok);
        const QJsonObject repeated = readWithTool(second.exportedPath);
        QCOMPARE(repeated.value("notes").toArray().size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(repeated.value("notes")[i].toObject().value("id"), notes[i].toObject().value("id"));
            QCOMPARE(repeated.value("notes")[i].toObject().value("guid"), notes[i].toObject().value("guid"));
        }
        QCOMPARE(repeated.value("cards"), package.value("cards"));
        QCOMPARE(repeated.value("noteTypes")[0].toObject().value("id"), type.value("id"));

        // The same folder twice: refused, the first package left as it was.
        const QByteArray first = store::readRegularFile(outcome.exportedPath, 1 << 24).bytes;
        const ExchangeOutcome twice = exportPackage(QStringLiteral("Tutor2.vdk"), home.outside.path(), kNow);
        QVERIFY(!twice.ok);
        QVERIFY2(twice.message.text.contains("is there already"), qPrintable(twice.message.text));
        QCOMPARE(store::readRegularFile(outcome.exportedPath, 1 << 24).bytes, first);
    }

    void reviewState_carriedOnlyWhenTicked()
    {
        PackageHome home;
        QVERIFY(home.make());
        review::MemoryState state;
        state.phase = review::Phase::Review;
        state.stability = 12.5;
        state.difficulty = 4.25;
        state.scheduledDays = 12;
        state.lastReview = QDateTime::fromMSecsSinceEpoch(kNow, Qt::UTC);
        state.due = state.lastReview.addDays(12);
        state.reps = 3;
        state.lapses = 1;
        {
            progress::HistoryFile history;
            QVERIFY(history.open(progress::historyPath()));
            QVERIFY(history.recordReview({state.lastReview, QStringLiteral("Tutor2.vdk"), 2, review::Facet::Upright,
                                          review::Grade::Good, review::MemoryState(), state}));
        }
        const auto cardsOf = [&](bool ticked) {
            QTemporaryDir out;
            const ExchangeOutcome outcome = exportPackage(QStringLiteral("Tutor2.vdk"), out.path(), kNow, {}, ticked);
            return outcome.ok ? readWithTool(outcome.exportedPath) : QJsonObject();
        };
        const QJsonObject with = cardsOf(true);
        const qint64 upright = noteId(QStringLiteral("Moon Garden"), 2) + 2;
        int reviewed = 0;
        for (const auto &c : with.value("cards").toArray()) {
            const QJsonObject card = c.toObject();
            if (card.value("id").toInteger() != upright) {
                QCOMPARE(card.value("type").toInt(), 0);
                continue;
            }
            ++reviewed;
            QCOMPARE(card.value("type").toInt(), 2);
            QCOMPARE(card.value("queue").toInt(), 2);
            QCOMPARE(card.value("ivl").toInt(), 12);
            QCOMPARE(card.value("reps").toInt(), 3);
            QCOMPARE(card.value("lapses").toInt(), 1);
            // Due counts days from the collection's start, which is today.
            QCOMPARE(card.value("due").toInteger(),
                     (state.due.toSecsSinceEpoch() - with.value("crt").toInteger()) / 86400);
            const QJsonObject memory = QJsonDocument::fromJson(card.value("data").toString().toUtf8()).object();
            QCOMPARE(memory.value("s").toDouble(), 12.5);
            QCOMPARE(memory.value("d").toDouble(), 4.25);
        }
        QCOMPARE(reviewed, 1);
        for (const auto &c : cardsOf(false).value("cards").toArray())
            QCOMPARE(c.toObject().value("type").toInt(), 0);
    }

    void commandLine_exportsTheNamedDeck()
    {
        PackageHome home;
        QVERIFY(home.make());
        QProcess velmora;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELMORA_HOME"), home.deckHome.home->path());
        environment.remove(QStringLiteral("DISPLAY"));
        velmora.setProcessEnvironment(environment);
        const QString out = home.outside.filePath(QStringLiteral("moon.apkg"));
        velmora.start(qEnvironmentVariable("VELMORA_BUILD_DIR") + QStringLiteral("/velmora"),
                      {QStringLiteral("--export-apkg"), QStringLiteral("moon garden"), out});
        QVERIFY(velmora.waitForFinished(60000));
        QVERIFY2(velmora.exitCode() == 0, velmora.readAllStandardError().constData());
        QCOMPARE(readWithTool(out).value("notes").toArray().size(), 3);

        velmora.start(qEnvironmentVariable("VELMORA_BUILD_DIR") + QStringLiteral("/velmora"),
                      {QStringLiteral("--export-apkg"), QStringLiteral("No Such Deck"), out + "2"});
        QVERIFY(velmora.waitForFinished(60000));
        QCOMPARE(velmora.exitCode(), 1);
        QVERIFY(!QFileInfo::exists(out + "2"));
    }

    void packageOfAnotherWriter_importsWithTheGuessedMapping()
    {
        PackageHome home;
        QVERIFY(home.make());
        PackageReader reader;
        QVERIFY2(reader.open(qEnvironmentVariable("VELMORA_SOURCE_DIR") +
                                 QStringLiteral("/tests/flashcards/data/foreign-deck.apkg"),
                             paths::exchangeFolder()),
                 qPrintable(reader.errorText()));
        const PackageChoice choice = guessChoice(reader);
        QCOMPARE(choice.deckName, QStringLiteral("Foreign Tarot"));
        QCOMPARE(choice.mapping, (FieldMapping{0, -1, 1, 2, 3, 4}));
        const ExchangeOutcome outcome = importPackage(reader, choice);
        QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
        QVERIFY(outcome.message.text.startsWith(QString::fromLatin1(exchange::kImported)));
        QVERIFY2(outcome.message.text.contains("Skipped, no card name: note 3"), qPrintable(outcome.message.text));
        QVERIFY(outcome.message.text.contains("image is missing or does not decode: Ace of Swords"));
        QVERIFY(outcome.message.text.contains("Only the first seven keywords kept: Two of Cups"));
        QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Foreign Tarot=") + outcome.fileName);

        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(outcome.fileName)));
        QCOMPARE(deck.typeStamp()->type, QStringLiteral("Tutor"));
        const QVector<Card> cards = *deck.cards();
        QCOMPARE(cards.size(), 3);
        QCOMPARE(cards[0].name, QStringLiteral("The Fool"));
        QCOMPARE(cards[0].group, 0);
        QCOMPARE(cards[0].normalMeaning, QStringLiteral("A new start & a leap"));
        QCOMPARE(cards[0].reversedMeaning, QStringLiteral("Recklessness\nand risk"));
        QCOMPARE(deck.keywords(1)->mid(0, 3), QStringList({"Beginnings", "innocence", "spontaneity"}));
        QCOMPARE(cards[1].group, 1);
        QCOMPARE(cards[2].group, 4);
        QCOMPARE(deck.keywords(2)->size(), kSlotsPerCard);
        QCOMPARE(deck.keywords(2)->last(), QStringLiteral("harmony"));
        // The PNG picture is stored as a JPEG file, which every deck reader shows.
        const QByteArray picture = deck.picture(1);
        QVERIFY(isJpegFile(picture));
        QCOMPARE(decodePicture(picture).size(), QSize(2, 3));
        QVERIFY(deck.picture(3).isEmpty());
    }

    void roundTrip_keepsEveryNameKeywordMeaningAndPicture()
    {
        PackageHome home;
        QVERIFY(home.make());
        ProgressSeen exporting;
        const ExchangeOutcome exported =
            exportPackage(QStringLiteral("Tutor2.vdk"), home.outside.path(), kNow, exporting.recorder());
        QVERIFY(exported.ok);
        QVERIFY(!exporting.offThread);
        QVERIFY(exporting.steady());
        PackageReader reader;
        QVERIFY(reader.open(exported.exportedPath, paths::exchangeFolder()));
        const PackageChoice choice = guessChoice(reader);
        QCOMPARE(choice.mapping, (FieldMapping{0, 1, 3, 4, 5, 2}));
        ProgressSeen importing;
        const ExchangeOutcome imported = importPackage(reader, choice, importing.recorder());
        QVERIFY2(imported.ok, qPrintable(imported.message.text));
        QVERIFY(!importing.offThread);
        QVERIFY(importing.steady());
        QVERIFY(!importing.reports.isEmpty());
        QCOMPARE(importing.reports.last().first, importing.reports.last().second);
        QCOMPARE(imported.message.text, QString::fromLatin1(exchange::kImported));

        compareDecks(QStringLiteral("Tutor2.vdk"), imported.fileName);
        Deck copy;
        QVERIFY(copy.open(paths::deckDatabase(imported.fileName)));
        QCOMPARE(copy.header()->deckName, QStringLiteral("Moon Garden"));
    }

    // Pictures are read, decoded and encoded on several threads each way:
    // every one must come back to its own card.
    void fullDeckRoundTrip_keepsEachPictureWithItsCard()
    {
        PackageHome home;
        QVERIFY(home.make());
        QList<SampleCard> cards = fullDeck(QSize(90, 150));
        for (int i = 0; i < cards.size(); i += 3) {
            QImage image(90, 150 + i, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((i * 53) % 360, 220, 210));
            cards[i].picture = encodedPicture(image, "bmp");
        }
        QVERIFY(DeckHome::addDeck(QStringLiteral("Tutor3.vdk"), QStringLiteral("Full"), 0));
        QVERIFY(writeCards(paths::deckDatabase(QStringLiteral("Tutor3.vdk")), cards));
        const ExchangeOutcome exported = exportPackage(QStringLiteral("Tutor3.vdk"), home.outside.path(), kNow);
        QVERIFY2(exported.ok, qPrintable(exported.message.text));
        PackageReader reader;
        QVERIFY(reader.open(exported.exportedPath, paths::exchangeFolder()));
        const ExchangeOutcome imported = importPackage(reader, guessChoice(reader));
        QVERIFY2(imported.ok, qPrintable(imported.message.text));
        compareDecks(QStringLiteral("Tutor3.vdk"), imported.fileName);
    }

    void csvRoundTrip_keepsEveryNameKeywordMeaningAndPicture()
    {
        PackageHome home;
        QVERIFY(home.make());
        const ExchangeOutcome exported = exportCsv(QStringLiteral("Tutor2.vdk"), home.outside.path());
        QVERIFY2(exported.ok, qPrintable(exported.message.text));
        QCOMPARE(exported.fileName, QStringLiteral("Moon Garden.csv"));
        QCOMPARE(QDir(home.outside.filePath(QStringLiteral("Moon Garden pictures"))).entryList(QDir::Files),
                 QStringList({"1 The Fool.jpg", "2 Two of Cups.jpg"}));
        const QByteArray text = store::readRegularFile(exported.exportedPath, 1 << 20).bytes;
        QVERIFY(text.startsWith("Name,Group,Keywords,Upright,Reversed,Picture\r\n"));
        QVERIFY(text.contains("The Fool,Major Arcana,k1-1; k1-2; k1-3,\"A start & a <leap>\nof faith\""));
        QVERIFY(!exportCsv(QStringLiteral("Tutor2.vdk"), home.outside.path()).ok);

        const ExchangeOutcome imported = importCsv(exported.exportedPath);
        QVERIFY2(imported.ok, qPrintable(imported.message.text));
        QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Moon Garden=") + imported.fileName);
        compareDecks(QStringLiteral("Tutor2.vdk"), imported.fileName);
        QVERIFY(workLeftovers().isEmpty());
    }

    void hostilePackage_refusedAndNothingChanged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addRow("newer collection format") << "newer"
                                                 << "collection.anki21b, zstd-compressed";
        QTest::addRow("no collection") << "no-collection"
                                       << "holds no collection (collection.anki2)";
        QTest::addRow("parent folder in a name") << "parent-path"
                                                 << "\"../evil.txt\", which points outside";
        QTest::addRow("absolute name") << "absolute-path"
                                       << "\"/tmp/evil.txt\", which points outside";
        QTest::addRow("symbolic link") << "symlink"
                                       << "holds a link, \"1\"";
        QTest::addRow("entry larger than its bound") << "bomb"
                                                     << "would take more than 64 MB";
        QTest::addRow("too many entries") << "many-entries"
                                          << "more than 4000 files";
        QTest::addRow("damaged collection") << "damaged"
                                            << "is damaged: its collection cannot be read";
        QTest::addRow("collection no database") << "not-sqlite"
                                                << "is damaged: its collection cannot be read";
        QTest::addRow("view in the place of a table") << "view"
                                                      << "its tables are missing";
        QTest::addRow("field larger than any card holds") << "huge-field"
                                                          << "a note larger than 1 MB";
        QTest::addRow("no zip at all") << "not-zip"
                                       << "not a zip file";
        QTest::addRow("no notes") << "no-notes"
                                  << "holds no card that can be imported";
    }
    void hostilePackage_refusedAndNothingChanged()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        PackageHome home;
        QVERIFY(home.make());
        const QString package = home.outside.filePath(kind + QStringLiteral(".apkg"));
        QVERIFY(makeWithTool({QStringLiteral("hostile"), kind, package}));
        const QStringList catalog = DeckHome::catalogRows();
        const QStringList deckFiles = DeckHome::deckFolderFiles();
        const QStringList outsideBefore = QDir(home.outside.path()).entryList(QDir::AllEntries | QDir::Hidden);

        QString refusal;
        {
            PackageReader reader;
            if (!reader.open(package, paths::exchangeFolder())) {
                refusal = reader.errorText();
            } else {
                const ExchangeOutcome outcome = importPackage(reader, guessChoice(reader));
                QVERIFY(!outcome.ok);
                refusal = outcome.message.text;
            }
        }
        QVERIFY2(refusal.contains(message), qPrintable(refusal));
        QCOMPARE(DeckHome::catalogRows(), catalog);
        QCOMPARE(DeckHome::deckFolderFiles(), deckFiles);
        QCOMPARE(workLeftovers(), QStringList());
        QCOMPARE(QDir(home.outside.path()).entryList(QDir::AllEntries | QDir::Hidden), outsideBefore);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/evil.txt")));
    }

    void partlyUsablePackage_importedWithWhatWasLeftOutSaid_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("report");
        QTest::addRow("pictures that do not decode")
            << "undecodable-media" << 3 << "image is missing or does not decode: The Fool, Ace of Swords";
        QTest::addRow("more than 78 notes") << "eighty-notes" << 78 << "Skipped, more than 78 cards: Card 79, Card 80.";
    }
    void partlyUsablePackage_importedWithWhatWasLeftOutSaid()
    {
        QFETCH(QString, kind);
        QFETCH(int, cards);
        QFETCH(QString, report);
        PackageHome home;
        QVERIFY(home.make());
        const QString package = home.outside.filePath(kind + QStringLiteral(".apkg"));
        QVERIFY(makeWithTool({QStringLiteral("hostile"), kind, package}));
        PackageReader reader;
        QVERIFY(reader.open(package, paths::exchangeFolder()));
        const ExchangeOutcome outcome = importPackage(reader, guessChoice(reader));
        QVERIFY2(outcome.ok, qPrintable(outcome.message.text));
        QVERIFY2(outcome.message.text.contains(report), qPrintable(outcome.message.text));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(outcome.fileName)));
        QCOMPARE(deck.cards()->size(), cards);
        QVERIFY(deck.picture(1).isEmpty());
        QVERIFY(!deck.cards()->at(0).isSaved);
    }
};

QTEST_MAIN(TestFlashcardPackage)
#include "tst_flashcardpackage.moc"
