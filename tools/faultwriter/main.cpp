// The program's writers one at a time on a throw-away folder, for the tests
// that kill a writer part way or fill the disk under it:
//   velmora-faultwriter prepare <folder>           lays down the "before" state
//   velmora-faultwriter write <writer> <folder>    prints "ready", then writes
//   velmora-faultwriter state <folder>             one line per file: its path
//                                                  and a digest of its content,
//                                                  or "BAD" and why it is unusable
//   velmora-faultwriter review <folder>            prints "ready", then grades in
//                                                  the review window, printing
//                                                  "graded N" once the next card shows
//   velmora-faultwriter reviews <folder>           the number of grades stored
// <folder>/home is the program folder, <folder>/config the user's configuration
// folder, <folder>/outside a folder of the user's (import source, export target).

#include "dbwriter.h"
#include "progress/history.h"
#include "readings/journal.h"
#include "review/frmreview.h"
#include "review/reviewpage.h"
#include "unattendedprompter.h"

#include "app/safesave.h"
#include "app/services.h"
#include "decks/deckmanager.h"
#include "decks/deckexchange.h"
#include "goals/goalsfile.h"
#include "learn/testreport.h"
#include "resident/startupentry.h"
#include "store/catalog.h"
#include "store/deck.h"
#include "store/pictures.h"

#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <sqlite3.h>

using namespace velmora;

namespace {

QString g_folder;
QString home(const QString &relative = {})
{
    return g_folder + QStringLiteral("/home") + (relative.isEmpty() ? QString() : QLatin1Char('/') + relative);
}
QString outside(const QString &relative = {})
{
    return g_folder + QStringLiteral("/outside") + (relative.isEmpty() ? QString() : QLatin1Char('/') + relative);
}

int fail(const QString &what)
{
    std::fprintf(stderr, "faultwriter: %s\n", qPrintable(what));
    return 1;
}

QByteArray jpeg(QSize size, int hue)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(hue % 360, 180, 200));
    QPainter(&image).fillRect(QRect(QPoint(), size / 3), Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

// A keyed deck of `count` cards with pictures, its header named deckName.
bool makeDeck(const QString &path, const QString &deckName, int count)
{
    if (!dbwriter::createDeckDatabase(path))
        return false;
    Deck deck;
    if (!deck.open(path, Access::ReadWrite) ||
        !deck.saveHeader({deckName, count, QStringLiteral("faultwriter"), QString(), QStringLiteral("complete")}) ||
        !deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), false}))
        return false;
    QVector<Card> cards;
    QVector<QStringList> keywordLists;
    QVector<QByteArray> pictures;
    for (int id = 1; id <= count; ++id) {
        cards.append({id, QStringLiteral("Card %1").arg(id), id % 5, QStringLiteral("upright meaning %1").arg(id),
                      QStringLiteral("reversed meaning %1").arg(id), true});
        QStringList keywords;
        for (int k = 1; k <= kSlotsPerCard; ++k)
            keywords.append(QStringLiteral("word %1-%2").arg(id).arg(k));
        keywordLists.append(keywords);
        pictures.append(jpeg(QSize(300, 500), id * 37));
    }
    return deck.appendCards(cards, keywordLists, pictures);
}

goals::GoalTable goalTable(int count, const QString &prefix)
{
    goals::GoalTable table;
    for (int i = 0; i < count; ++i)
        table.append({QStringLiteral("%1 goal %2").arg(prefix).arg(i), QDate(2026, 1, 1).addDays(i % 300),
                      QDate(2026, 12, 31), QStringLiteral("learn \"cups\", wands and the rest, step %1").arg(i),
                      i % 3 == 0, qint16(i % 101)});
    return table;
}

// A keyword test of every card of Deck1.vdk: each answer also grades its card's keywords.
progress::TestRecord keywordTest(const QDateTime &taken, int shift)
{
    progress::TestRecord test{
        taken, QStringLiteral("Deck1.vdk"), QStringLiteral("Alpha"), progress::TestKind::Keywords, 1, {0}, {}};
    for (int id = 1; id <= 78; ++id)
        test.questions.append({id, QStringLiteral("Card %1").arg(id), false, (id + shift) % 4, 3});
    return test;
}

int prepare()
{
    QDir().mkpath(home(QStringLiteral("tutor")));
    QDir().mkpath(home(QStringLiteral("temp")));
    QDir().mkpath(outside(QStringLiteral("export")));
    QDir().mkpath(g_folder + QStringLiteral("/config/autostart"));
    if (!dbwriter::createCatalogDatabase(home(QStringLiteral("update.vdk"))) ||
        !dbwriter::createDeckDatabase(home(QStringLiteral("tutor.vdk"))) ||
        !makeDeck(home(QStringLiteral("tutor/Deck1.vdk")), QStringLiteral("Alpha"), 78) ||
        !makeDeck(outside(QStringLiteral("Imported.vdk")), QStringLiteral("Imported"), 78))
        return fail(QStringLiteral("cannot lay down the decks"));
    Catalog catalog;
    if (!catalog.open(Access::ReadWrite) ||
        !catalog.addDeckAndRememberPick(QStringLiteral("Alpha"), QStringLiteral("Deck1.vdk")))
        return fail(QStringLiteral("cannot fill the catalog: ") + catalog.errorText());
    if (goals::writeGoals(home(QStringLiteral("goals.txt")), goalTable(3, QStringLiteral("old"))).failed() ||
        !saveFileAtomically(home(QStringLiteral("report.txt")), "An older report\r\n") ||
        !saveFileAtomically(g_folder + QStringLiteral("/config/autostart/velmora.desktop"),
                            startupEntryText(QStringLiteral("velmora"), QStringLiteral("/opt/old place"))))
        return fail(QStringLiteral("cannot write the text files"));
    progress::HistoryFile history;
    if (!history.open(home(QString::fromLatin1(progress::kHistoryFileName))) ||
        !history.record(keywordTest(QDateTime(QDate(2026, 11, 30), QTime(9, 0), Qt::UTC), 0)))
        return fail(QStringLiteral("cannot record the history: ") + history.errorText());
    return 0;
}

int write(const QString &writer)
{
    // Everything the write needs is built before "ready", so that a kill
    // after it lands in the write itself.
    const goals::GoalTable table = goalTable(4000, QStringLiteral("new"));
    QString report;
    for (int i = 1; i <= 60000; ++i)
        report += QStringLiteral("%1. Card %1: keyword %2 chosen, keyword %3 right\r\n").arg(i).arg(i * 7).arg(i * 3);
    PlainPictureHolder holder;
    QImage picture(1000, 1600, QImage::Format_RGB32);
    picture.fill(Qt::darkMagenta);
    holder.setPicture(picture);
    UnattendedPrompter prompter;
    DeckManager manager;
    const DeckRef alpha = manager.load().decks.value(0);
    const progress::TestRecord test = keywordTest(QDateTime(QDate(2026, 12, 3), QTime(9, 0), Qt::UTC), 1);
    progress::HistoryFile history;
    if (writer == QLatin1String("grades") && !history.open(home(QString::fromLatin1(progress::kHistoryFileName))))
        return fail(history.errorText());
    readings::Journal journal;
    readings::Reading reading{0,
                              QDateTime(QDate(2026, 12, 3), QTime(8, 0), Qt::UTC),
                              QStringLiteral("Deck1.vdk"),
                              QStringLiteral("Alpha"),
                              readings::Spread::FiveCards,
                              QStringLiteral("What does the week ask of me?"),
                              QStringLiteral("Patience, then a leap. ").repeated(800),
                              {}};
    for (int id = 1; id <= 5; ++id)
        reading.cards.append({id, QStringLiteral("Card %1").arg(id), id % 2 == 0, QStringLiteral("one, two, three"),
                              QStringLiteral("A meaning long enough to fill pages. ").repeated(100)});
    if (writer == QLatin1String("reading") && !journal.open(home(QString::fromLatin1(progress::kHistoryFileName))))
        return fail(journal.errorText());

    std::puts("ready");
    std::fflush(stdout);

    QString error;
    if (writer == QLatin1String("goals")) {
        error = goals::writeGoals(home(QStringLiteral("goals.txt")), table).error;
    } else if (writer == QLatin1String("create")) {
        const Creation creation =
            manager.create({QStringLiteral("Fresh"), QStringLiteral("78"), QStringLiteral("me"), QString()});
        error = creation.outcome.ok ? QString() : creation.outcome.error + QStringLiteral(" (create)");
    } else if (writer == QLatin1String("modify")) {
        const Outcome outcome = manager.modify(
            alpha, {QStringLiteral("Beta"), QStringLiteral("40"), QStringLiteral("you"), QStringLiteral("secret")});
        error = outcome.ok ? QString() : outcome.error + QStringLiteral(" (modify)");
    } else if (writer == QLatin1String("picture")) {
        Deck deck;
        if (!deck.open(home(QStringLiteral("tutor/Deck1.vdk")), Access::ReadWrite) ||
            !SavePictureToField(holder, deck, 5))
            error = deck.errorText() + QStringLiteral(" (picture)");
    } else if (writer == QLatin1String("import")) {
        const ExchangeOutcome outcome = exchange::importDeck(outside(QStringLiteral("Imported.vdk")));
        error = outcome.ok ? QString() : outcome.message.text + QStringLiteral(" (import)");
    } else if (writer == QLatin1String("export")) {
        const ExchangeOutcome outcome =
            exchange::exportDeck(QStringLiteral("Deck1.vdk"), outside(QStringLiteral("export")));
        error = outcome.ok ? QString() : outcome.message.text + QStringLiteral(" (export)");
    } else if (writer == QLatin1String("entry")) {
        SetStartupEntry(prompter, QStringLiteral("velmora"), QStringLiteral("/opt/new place"), true);
        QFile entry(startupEntryPath(QStringLiteral("velmora")));
        if (!entry.open(QIODevice::ReadOnly) ||
            entry.readAll() != startupEntryText(QStringLiteral("velmora"), QStringLiteral("/opt/new place")))
            error = QStringLiteral("the new entry is not in place (entry)");
    } else if (writer == QLatin1String("report")) {
        (void)saveReportFile(home(QStringLiteral("report.txt")), report, &error);
    } else if (writer == QLatin1String("grades")) {
        if (!history.record(test))
            error = history.errorText() + QStringLiteral(" (grades)");
    } else if (writer == QLatin1String("reading")) {
        if (!journal.save(reading))
            error = journal.errorText() + QStringLiteral(" (reading)");
    } else {
        return fail(QStringLiteral("no writer ") + writer);
    }
    if (!error.isEmpty())
        return fail(error);
    std::puts("done");
    return 0;
}

// Grades as a learner gives them in the review window, each told once the
// card after it is on screen.
int reviewInTheWindow()
{
    SettingsStore settings(g_folder + QStringLiteral("/config/review.conf"));
    SystemClock clock;
    StdRandomSource random;
    UnattendedPrompter prompter;
    Services services{prompter, clock, random, settings};
    Deck deck;
    if (!deck.open(home(QStringLiteral("tutor/Deck1.vdk"))))
        return fail(deck.errorText());
    review::ReviewSettings chosen;
    chosen.limits = {500, 500};
    review::FrmReview window(services, review::ReviewRequest{deck.path(), QStringLiteral("Alpha"),
                                                             deck.cards().value_or(QVector<Card>()), true, chosen,
                                                             home(QString::fromLatin1(progress::kHistoryFileName))});
    auto *page = window.findChild<review::ReviewPage *>();
    if (!page || !window.start())
        return fail(QStringLiteral("the review does not start"));
    std::puts("ready");
    std::fflush(stdout);
    for (int graded = 1; graded <= 60 && window.session()->current(); ++graded) {
        emit page->revealRequested();
        emit page->gradeChosen(3);
        std::printf("graded %d\n", graded);
        std::fflush(stdout);
    }
    std::puts("done");
    return 0;
}

int storedReviews()
{
    sqlite3 *db = nullptr;
    // Read-write, so a journal a kill left hot is rolled back first.
    const QByteArray path = QFile::encodeName(home(QString::fromLatin1(progress::kHistoryFileName)));
    int count = -1;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT count(*) FROM reviews", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        count = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    if (count < 0)
        return fail(QStringLiteral("the history cannot be counted"));
    std::printf("%d\n", count);
    return 0;
}

// A digest of every row of every table, after the checks a restarted program
// makes; "BAD ..." when the file does not open or fails them.
QString databaseState(const QString &path, bool isDeck, bool isHistory = false)
{
    if (isHistory) {
        progress::HistoryFile history;
        if (!history.open(path) || !history.facetStates(QStringLiteral("Deck1.vdk")))
            return QStringLiteral("BAD does not open: ") + history.errorText();
    } else if (isDeck) {
        Deck deck;
        if (!deck.open(path, Access::ReadOnly))
            return QStringLiteral("BAD does not open: ") + deck.errorText();
        if (!deck.header() || !deck.cards() || !deck.keywordSlots())
            return QStringLiteral("BAD does not read: ") + deck.errorText();
    } else {
        Catalog catalog;
        if (!catalog.open(Access::ReadOnly, path) || !catalog.decks())
            return QStringLiteral("BAD does not open: ") + catalog.errorText();
    }
    sqlite3 *db = nullptr;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QString result;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
        (!isHistory && sqlite3_key(db, "Q8Lmt5vNxe2rrH6p73", 18) != SQLITE_OK)) {
        result = QStringLiteral("BAD cannot key");
    } else {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
        const bool ok = sqlite3_step(stmt) == SQLITE_ROW &&
                        QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0))) == "ok";
        sqlite3_finalize(stmt);
        if (!ok)
            result = QStringLiteral("BAD integrity_check");
        QStringList tables;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            tables.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0))));
        sqlite3_finalize(stmt);
        for (const QString &table : tables) {
            const QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\" ORDER BY rowid";
            sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
            hash.addData(table.toUtf8());
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                    const char type = char('0' + sqlite3_column_type(stmt, c));
                    const auto *blob = static_cast<const char *>(sqlite3_column_blob(stmt, c));
                    hash.addData(QByteArrayView(&type, 1));
                    hash.addData(QByteArrayView(blob, sqlite3_column_bytes(stmt, c)));
                }
            }
            sqlite3_finalize(stmt);
        }
    }
    sqlite3_close_v2(db);
    return result.isEmpty() ? QString::fromLatin1(hash.result().toHex().left(16)) : result;
}

QString textState(const QString &path, const QString &relative)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("BAD unreadable");
    const QByteArray bytes = file.readAll();
    if (relative.endsWith(QLatin1String("goals.txt")) && goals::readGoals(path).parsed.faulty)
        return QStringLiteral("BAD goals do not parse");
    if (relative.endsWith(QLatin1String(".desktop")) &&
        (!bytes.startsWith("[Desktop Entry]") || !bytes.contains("Exec=") || !bytes.endsWith('\n')))
        return QStringLiteral("BAD incomplete entry");
    if (relative.endsWith(QLatin1String("report.txt")) && !bytes.endsWith("\r\n"))
        return QStringLiteral("BAD incomplete report");
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
}

QStringList filesUnder(const QString &folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QStringList paths;
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    return paths;
}

int state()
{
    // The databases first, as a restarted program opens them: that rolls a
    // hot journal back and removes it before the files are listed.
    QMap<QString, QString> databases;
    for (const QString &path : filesUnder(g_folder)) {
        if (path.endsWith(QLatin1String(".vdk")))
            databases.insert(path, databaseState(path, !path.endsWith(QLatin1String("/home/update.vdk"))));
        else if (path.endsWith(QLatin1String("/home/") + QLatin1String(progress::kHistoryFileName)))
            databases.insert(path, databaseState(path, false, true));
    }
    for (const QString &path : filesUnder(g_folder)) {
        const QString relative = QDir(g_folder).relativeFilePath(path);
        const QString state = databases.contains(path) ? databases.value(path) : textState(path, relative);
        std::puts(qPrintable(relative + QLatin1Char(' ') + state));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: velmora-faultwriter prepare|state <folder> | write <writer> <folder>"));
    g_folder = QDir(args.last()).absolutePath();
    qputenv("VELMORA_HOME", QFile::encodeName(home()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(g_folder + QStringLiteral("/config")));
    if (args[1] == QLatin1String("prepare"))
        return prepare();
    if (args[1] == QLatin1String("state"))
        return state();
    if (args[1] == QLatin1String("review"))
        return reviewInTheWindow();
    if (args[1] == QLatin1String("reviews"))
        return storedReviews();
    if (args[1] == QLatin1String("write") && args.size() == 4)
        return write(args[2]);
    return fail(QStringLiteral("unknown command"));
}
