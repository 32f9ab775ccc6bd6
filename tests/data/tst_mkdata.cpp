// The deck text reader's checks, and the tool's rule that installed data the
// user may have changed is never written over.

#include "cardart.h"
#include "decktext.h"
#include "filebytes.h"
#include "installeddata.h"
#include "testhome.h"

#include "store/catalog.h"
#include "store/deck.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#include <functional>

using namespace velmora;

namespace {

// One record's lines keyed by name, so cases can change a single line.
using Record = QList<std::pair<QString, QString>>;

QVector<Record> sampleRecords()
{
    QVector<Record> records;
    records.append({{QStringLiteral("deck"), QStringLiteral("Sample Deck")},
                    {QStringLiteral("designer"), QStringLiteral("Test Bench")}});
    int id = 0;
    for (const mkdata::CardPlace &place : mkdata::deckOrder()) {
        ++id;
        QStringList keywords;
        for (int k = 1; k <= 7; ++k)
            keywords.append(QStringLiteral("word %1 of card %2").arg(k).arg(id));
        records.append({{QStringLiteral("id"), QString::number(id)},
                        {QStringLiteral("name"), place.name},
                        {QStringLiteral("group"), QString::number(place.group)},
                        {QStringLiteral("keywords"), keywords.join(QStringLiteral("; "))},
                        {QStringLiteral("upright"), QStringLiteral("Upright meaning of ") + place.name},
                        {QStringLiteral("reversed"), QStringLiteral("Reversed meaning of ") + place.name}});
    }
    return records;
}

QString render(const QVector<Record> &records)
{
    QString text = QStringLiteral("# sample deck\n");
    for (const Record &record : records) {
        for (const auto &[key, value] : record)
            text += key + QStringLiteral(": ") + value + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text;
}

void setValue(Record &record, const QString &key, const QString &value)
{
    for (auto &entry : record) {
        if (entry.first == key)
            entry.second = value;
    }
}

} // namespace

class TestMkdata : public QObject
{
    Q_OBJECT

private slots:
    void parse_acceptsCompleteDeck_withCrLfBomAndComments();
    void parse_refusesFaultyRecord_data();
    void parse_refusesFaultyRecord();
    void numbers_romanForMajorsAndRanksForSuits();
    void tool_failsOnFaultySourceAndWritesNoDatabase();
    void layDown_keepsWhatIsThereAndFillsWhatIsMissing();
};

void TestMkdata::parse_acceptsCompleteDeck_withCrLfBomAndComments()
{
    QVector<Record> records = sampleRecords();
    setValue(records[5], QStringLiteral("upright"), QString(360, QLatin1Char('u')));
    QString text = render(records);
    text.replace(QStringLiteral("\nid: 40\n"), QStringLiteral("\n# a note before the record\nid: 40\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    text.prepend(QChar(0xFEFF));
    text += QStringLiteral("\r\n\r\n");
    QString error;
    const auto deck = mkdata::parseDeckText(text, QStringLiteral("deck.txt"), &error);
    QVERIFY2(deck, qPrintable(error));
    QCOMPARE(deck->deckName + QLatin1Char('|') + deck->designer, QStringLiteral("Sample Deck|Test Bench"));
    QCOMPARE(deck->cards.size(), 78);
    QCOMPARE(deck->cards[4].upright.size(), 360);
    QCOMPARE(deck->cards[39].reversed, QStringLiteral("Reversed meaning of Four of Wands"));
    const mkdata::CardText &last = deck->cards.last();
    QVERIFY(last.id == 78 && last.name == QStringLiteral("King of Swords") && last.group == 4);
    QCOMPARE(last.keywords.join(QStringLiteral("; ")), records.last()[3].second);
}

void TestMkdata::parse_refusesFaultyRecord_data()
{
    using Change = std::function<void(QVector<Record> &)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("expected");
    const auto set = [](int record, const char *key, const QString &value) {
        return Change([=](QVector<Record> &r) { setValue(r[record], QString::fromLatin1(key), value); });
    };
    // Too few keywords: the tool test's.
    QTest::newRow("meaning too long") << set(13, "reversed", QString(361, QLatin1Char('x')))
                                      << "card 13 (The Hanged Man): the reversed meaning has 361";
    QTest::newRow("empty meaning") << set(2, "upright", {}) << "card 2 (The Magician): the upright meaning is empty";
    QTest::newRow("keyword repeated in other case")
        << set(70, "keywords", "Loss; b; c; d; e; f; loss") << "card 70 (Six of Swords): keyword \"loss\" given twice";
    QTest::newRow("empty keyword") << set(1, "keywords", "a; b; ; d; e; f; g") << "card 1 (The Fool): empty keyword";
    QTest::newRow("comma in keyword") << set(1, "keywords", "a, b; c; d; e; f; g; h") << "comma";
    QTest::newRow("misspelt name") << set(21, "name", "Judgment")
                                   << "card 21 (Judgement): name \"Judgment\" does not match";
    QTest::newRow("wrong group") << set(50, "group", "3") << "card 50 (King of Wands)";
    QTest::newRow("records swapped") << Change([](QVector<Record> &r) { std::swap(r[23], r[24]); })
                                     << "card 23 (Ace of Cups): id \"24\" out of order";
    QTest::newRow("missing key") << Change([](QVector<Record> &r) { r[60].removeLast(); }) << "\"reversed\" is missing";
    QTest::newRow("unknown key") << Change([](QVector<Record> &r) {
        r[60].append({QStringLiteral("notes"), QStringLiteral("x")});
    }) << "unknown key \"notes\"";
    QTest::newRow("key twice") << Change([](QVector<Record> &r) {
        r[60].append({QStringLiteral("name"), QStringLiteral("x")});
    }) << "\"name\" given twice";
    QTest::newRow("a card short") << Change([](QVector<Record> &r) { r.removeLast(); }) << "77 card records, 78 needed";
    QTest::newRow("no designer") << Change([](QVector<Record> &r) { r[0].removeLast(); }) << "\"designer\" is missing";
}

void TestMkdata::parse_refusesFaultyRecord()
{
    QFETCH(std::function<void(QVector<Record> &)>, change);
    QFETCH(QString, expected);
    QVector<Record> records = sampleRecords();
    change(records);
    QString error;
    QVERIFY(!mkdata::parseDeckText(render(records), QStringLiteral("deck.txt"), &error));
    QVERIFY2(error.startsWith(QStringLiteral("deck.txt:")) && error.contains(expected), qPrintable(error));
}

void TestMkdata::numbers_romanForMajorsAndRanksForSuits()
{
    const QList<std::pair<mkdata::CardFace, QString>> cases = {
        {{"The Fool", 0, 0}, "0"},      {{"The Chariot", 0, 7}, "VII"},   {{"The Hermit", 0, 9}, "IX"},
        {{"The Moon", 0, 18}, "XVIII"}, {{"The Sun", 0, 19}, "XIX"},      {{"The World", 0, 21}, "XXI"},
        {{"Ace of Cups", 1, 1}, "ACE"}, {{"Ten of Swords", 4, 10}, "10"}, {{"Knight of Wands", 2, 12}, "KNIGHT"}};
    for (const auto &[place, text] : cases)
        QCOMPARE(mkdata::cardNumberText(place), text);
}

void TestMkdata::tool_failsOnFaultySourceAndWritesNoDatabase()
{
    test::TestHome home;
    QVector<Record> records = sampleRecords();
    setValue(records[12], QStringLiteral("keywords"), QStringLiteral("a; b; c; d; e; f"));
    const QString source = home.filePath(QStringLiteral("deck.txt"));
    QVERIFY(test::writeFile(source, render(records).toUtf8()));

    QProcess tool;
    tool.start(QStringLiteral(VELMORA_MKDATA), {QStringLiteral("--source"), source, QStringLiteral("--into"),
                                                home.filePath(QStringLiteral("program"))});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 1);
    const QString message = QString::fromUtf8(tool.readAllStandardError());
    QVERIFY2(message.contains(QStringLiteral("card 12 (Justice): 6 keywords, 7 needed")), qPrintable(message));
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral("program/tutor/Tutor1.vdk"))));
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral("program/update.vdk"))));

    tool.start(QStringLiteral(VELMORA_MKDATA), {QStringLiteral("--source"), home.filePath(QStringLiteral("none.txt")),
                                                QStringLiteral("--into"), home.filePath(QStringLiteral("program"))});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(QStringLiteral("none.txt")));
}

void TestMkdata::layDown_keepsWhatIsThereAndFillsWhatIsMissing()
{
    test::TestHome home;
    const QString folder = home.path();
    const QString source = home.filePath(QStringLiteral("deck.txt"));
    QVERIFY(test::writeFile(source, render(sampleRecords()).toUtf8()));
    const QString catalog = home.filePath(QStringLiteral("update.vdk"));
    const QString templ = home.filePath(QStringLiteral("tutor.vdk"));
    const QString deck = home.filePath(QStringLiteral("tutor/Tutor1.vdk"));
    // A half-written file from an interrupted run is replaced.
    QVERIFY(test::writeFile(deck + QStringLiteral(".part"), "interrupted"));

    QStringList log;
    QString error;
    QVERIFY2(mkdata::layDownInstalledData(folder, source, &log, &error), qPrintable(error));
    QCOMPARE(log, (QStringList{home.filePath(QStringLiteral("temp")), templ, deck, catalog}));
    QVERIFY(!QFile::exists(deck + QStringLiteral(".part")));

    // The user renames the default deck and keeps goals.
    {
        Deck written;
        QVERIFY(written.open(deck, Access::ReadWrite));
        QCOMPARE(written.cards().value_or(QVector<Card>()).size(), 78);
        DeckHeader header = written.header().value_or(DeckHeader());
        header.deckName = QStringLiteral("My Own Name");
        QVERIFY(written.saveHeader(header));
    }
    const QString goals = home.filePath(QStringLiteral("goals.txt"));
    QVERIFY(test::writeFile(goals, "\"Learn\",#2026-01-01#,#2026-02-01#,\"\",#FALSE#,10\r\n"));
    const QByteArray deckBefore = test::fileBytes(deck);
    const QByteArray catalogBefore = test::fileBytes(catalog);
    const QByteArray goalsBefore = test::fileBytes(goals);

    // Even a source that no longer reads is not needed while nothing is missing.
    QVERIFY(test::writeFile(source, "broken"));
    log.clear();
    QVERIFY2(mkdata::layDownInstalledData(folder, source, &log, &error), qPrintable(error));
    QVERIFY(log.isEmpty());
    QCOMPARE(test::fileBytes(deck), deckBefore);
    QCOMPARE(test::fileBytes(catalog), catalogBefore);
    QCOMPARE(test::fileBytes(goals), goalsBefore);

    // A lost catalog comes back listing the deck under its present name; the deck is kept.
    QVERIFY(test::writeFile(source, render(sampleRecords()).toUtf8()));
    QVERIFY(QFile::remove(catalog));
    QVERIFY(QFile::remove(templ));
    log.clear();
    QVERIFY2(mkdata::layDownInstalledData(folder, source, &log, &error), qPrintable(error));
    QCOMPARE(log, (QStringList{templ, catalog}));
    QCOMPARE(test::fileBytes(deck), deckBefore);
    Catalog cat;
    QVERIFY(cat.open(Access::ReadOnly, catalog));
    const auto decks = cat.decks();
    QVERIFY(decks && decks->size() == 1);
    QCOMPARE(decks->first().deckName, QStringLiteral("My Own Name"));
}

QTEST_MAIN(TestMkdata)
#include "tst_mkdata.moc"
