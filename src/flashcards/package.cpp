#include "flashcards/package.h"

#include "flashcards/cardmapping.h"

#include "store/dbfile.h"
#include "store/regularfile.h"
#include "store/sqlite.h"
#include "store/workfolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <map>

namespace velmora::flashcards {

namespace {

const QChar kFieldSeparator(0x1f);

quint64 hash64(const QString &text)
{
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1);
    quint64 value = 0;
    for (int i = 0; i < 8; ++i)
        value = (value << 8) | quint8(digest[i]);
    return value;
}

// Ids of the format are times in milliseconds; a deck's own lie in a range
// of its own, spaced so that a deck of up to 100,000 cards never overlaps.
constexpr qint64 kIdFloor = 1'300'000'000'000LL;
constexpr qint64 kIdSpan = 300'000'000'000LL;
constexpr qint64 kIdsPerDeck = 1'000'000LL;

qint64 deckBase(const QString &deckName, const char *what)
{
    const qint64 ranges = kIdSpan / kIdsPerDeck;
    return kIdFloor +
           qint64(hash64(QStringLiteral("velmora:%1:").arg(QLatin1String(what)) + deckName) % quint64(ranges)) *
               kIdsPerDeck;
}

qint64 cardBase(const QString &deckName, int cardId)
{
    return deckBase(deckName, "notes") + qint64(cardId) * 4;
}

// The first eight hex digits of the sort field's SHA-1, as the format checks duplicates.
qint64 fieldChecksum(const QString &text)
{
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return digest.toLongLong(nullptr, 16);
}

const char *const kSchema[] = {
    "CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null, scm integer not null,"
    " ver integer not null, dty integer not null, usn integer not null, ls integer not null, conf text not null,"
    " models text not null, decks text not null, dconf text not null, tags text not null)",
    "CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null, mod integer not null,"
    " usn integer not null, tags text not null, flds text not null, sfld integer not null, csum integer not null,"
    " flags integer not null, data text not null)",
    "CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null, ord integer not null,"
    " mod integer not null, usn integer not null, type integer not null, queue integer not null,"
    " due integer not null, ivl integer not null, factor integer not null, reps integer not null,"
    " lapses integer not null, left integer not null, odue integer not null, odid integer not null,"
    " flags integer not null, data text not null)",
    "CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null, ease integer not null,"
    " ivl integer not null, lastIvl integer not null, factor integer not null, time integer not null,"
    " type integer not null)",
    "CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null)",
    "CREATE INDEX ix_notes_usn on notes (usn)",
    "CREATE INDEX ix_cards_usn on cards (usn)",
    "CREATE INDEX ix_revlog_usn on revlog (usn)",
    "CREATE INDEX ix_cards_nid on cards (nid)",
    "CREATE INDEX ix_cards_sched on cards (did, queue, due)",
    "CREATE INDEX ix_revlog_cid on revlog (cid)",
    "CREATE INDEX ix_notes_csum on notes (csum)",
};

const char kCss[] = ".card { font-family: sans-serif; font-size: 20px; text-align: center; color: black; "
                    "background: white; }\n"
                    ".name { font-size: 24px; font-weight: bold; margin-bottom: 8px; }\n"
                    ".picture img { max-width: 90%; max-height: 60vh; }\n"
                    ".reversed img { transform: rotate(180deg); }\n"
                    ".ask { margin-top: 8px; color: #555; }\n";

struct Template
{
    const char *name;
    const char *front;
    const char *back;
};

// One per facet the program reviews; the reversed card shows its picture turned.
const Template kTemplates[] = {
    {"Keywords", "<div class=name>{{Name}}</div><div class=picture>{{Picture}}</div><div class=ask>Keywords?</div>",
     "{{FrontSide}}<hr id=answer><div class=keywords>{{Keywords}}</div>"},
    {"Upright",
     "<div class=name>{{Name}}</div><div class=picture>{{Picture}}</div><div class=ask>Upright meaning?</div>",
     "{{FrontSide}}<hr id=answer><div class=meaning>{{Upright}}</div>"},
    {"Reversed",
     "<div class=name>{{Name}} (reversed)</div><div class=\"picture reversed\">{{Picture}}</div>"
     "<div class=ask>Reversed meaning?</div>",
     "{{FrontSide}}<hr id=answer><div class=meaning>{{Reversed}}</div>"},
};

QJsonObject noteTypeJson(qint64 mid, qint64 did, qint64 nowSec, const QString &deckName)
{
    QJsonArray fields;
    for (int i = 0; i < kExportFields.size(); ++i)
        fields.append(QJsonObject{{QStringLiteral("name"), kExportFields[i]},
                                  {QStringLiteral("ord"), i},
                                  {QStringLiteral("sticky"), false},
                                  {QStringLiteral("rtl"), false},
                                  {QStringLiteral("font"), QStringLiteral("Arial")},
                                  {QStringLiteral("size"), 20},
                                  {QStringLiteral("media"), QJsonArray()}});
    QJsonArray templates;
    QJsonArray required;
    for (int i = 0; i < int(std::size(kTemplates)); ++i) {
        templates.append(QJsonObject{{QStringLiteral("name"), QString::fromLatin1(kTemplates[i].name)},
                                     {QStringLiteral("ord"), i},
                                     {QStringLiteral("qfmt"), QString::fromLatin1(kTemplates[i].front)},
                                     {QStringLiteral("afmt"), QString::fromLatin1(kTemplates[i].back)},
                                     {QStringLiteral("did"), QJsonValue::Null},
                                     {QStringLiteral("bqfmt"), QString()},
                                     {QStringLiteral("bafmt"), QString()}});
        required.append(QJsonArray{i, QStringLiteral("any"), QJsonArray{0}});
    }
    return QJsonObject{
        {QStringLiteral("id"), mid},
        {QStringLiteral("name"), QStringLiteral("Tarot card (%1)").arg(deckName)},
        {QStringLiteral("type"), 0},
        {QStringLiteral("mod"), nowSec},
        {QStringLiteral("usn"), -1},
        {QStringLiteral("sortf"), 0},
        {QStringLiteral("did"), did},
        {QStringLiteral("tmpls"), templates},
        {QStringLiteral("flds"), fields},
        {QStringLiteral("css"), QString::fromLatin1(kCss)},
        {QStringLiteral("latexPre"),
         QStringLiteral("\\documentclass[12pt]{article}\n\\special{papersize=3in,5in}\n\\usepackage[utf8]{inputenc}\n"
                        "\\usepackage{amssymb,amsmath}\n\\pagestyle{empty}\n\\setlength{\\parindent}{0in}\n"
                        "\\begin{document}\n")},
        {QStringLiteral("latexPost"), QStringLiteral("\\end{document}")},
        {QStringLiteral("tags"), QJsonArray()},
        {QStringLiteral("vers"), QJsonArray()},
        {QStringLiteral("req"), required},
    };
}

QJsonObject deckJson(qint64 id, const QString &name, qint64 nowSec)
{
    return QJsonObject{
        {QStringLiteral("id"), id},
        {QStringLiteral("name"), name},
        {QStringLiteral("mod"), nowSec},
        {QStringLiteral("usn"), -1},
        {QStringLiteral("desc"), QString()},
        {QStringLiteral("dyn"), 0},
        {QStringLiteral("conf"), 1},
        {QStringLiteral("collapsed"), false},
        {QStringLiteral("extendNew"), 10},
        {QStringLiteral("extendRev"), 50},
        {QStringLiteral("newToday"), QJsonArray{0, 0}},
        {QStringLiteral("revToday"), QJsonArray{0, 0}},
        {QStringLiteral("lrnToday"), QJsonArray{0, 0}},
        {QStringLiteral("timeToday"), QJsonArray{0, 0}},
    };
}

QJsonObject deckOptionsJson()
{
    return QJsonObject{
        {QStringLiteral("1"),
         QJsonObject{
             {QStringLiteral("id"), 1},
             {QStringLiteral("name"), QStringLiteral("Default")},
             {QStringLiteral("mod"), 0},
             {QStringLiteral("usn"), 0},
             {QStringLiteral("maxTaken"), 60},
             {QStringLiteral("autoplay"), true},
             {QStringLiteral("timer"), 0},
             {QStringLiteral("replayq"), true},
             {QStringLiteral("new"), QJsonObject{{QStringLiteral("delays"), QJsonArray{1, 10}},
                                                 {QStringLiteral("ints"), QJsonArray{1, 4, 7}},
                                                 {QStringLiteral("initialFactor"), 2500},
                                                 {QStringLiteral("order"), 1},
                                                 {QStringLiteral("perDay"), 20},
                                                 {QStringLiteral("bury"), true},
                                                 {QStringLiteral("separate"), true}}},
             {QStringLiteral("rev"), QJsonObject{{QStringLiteral("perDay"), 200},
                                                 {QStringLiteral("ease4"), 1.3},
                                                 {QStringLiteral("fuzz"), 0.05},
                                                 {QStringLiteral("minSpace"), 1},
                                                 {QStringLiteral("ivlFct"), 1},
                                                 {QStringLiteral("maxIvl"), 36500},
                                                 {QStringLiteral("bury"), true}}},
             {QStringLiteral("lapse"), QJsonObject{{QStringLiteral("delays"), QJsonArray{10}},
                                                   {QStringLiteral("mult"), 0},
                                                   {QStringLiteral("minInt"), 1},
                                                   {QStringLiteral("leechFails"), 8},
                                                   {QStringLiteral("leechAction"), 0}}},
         }},
    };
}

QByteArray compactJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString imageSuffix(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG"))
        return QStringLiteral("png");
    if (bytes.startsWith("GIF8"))
        return QStringLiteral("gif");
    return QStringLiteral("jpg");
}

bool bindAndStep(const sqlite::Statement &statement, QString &error)
{
    if (statement.step() != SQLITE_DONE) {
        error = statement.errorText();
        return false;
    }
    statement.reset();
    return true;
}

sqlite::Connection openPlain(const QString &path, int flags)
{
    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    sqlite::Connection connection(handle);
    if (rc != SQLITE_OK && !handle)
        return {};
    return connection;
}

} // namespace

qint64 noteId(const QString &deckName, int cardId)
{
    return cardBase(deckName, cardId);
}

QString noteGuid(const QString &deckName, int cardId)
{
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    quint64 value = hash64(QStringLiteral("velmora:guid:%1:").arg(cardId) + deckName);
    QString guid;
    do {
        guid.append(QLatin1Char(digits[value % 62]));
        value /= 62;
    } while (value);
    return guid;
}

QString writePackage(const QString &path, const QString &workFolder, const QString &deckName,
                     const QVector<ExportCard> &cards, qint64 nowMs, const PackageProgress &progress)
{
    const QTemporaryDir work(store::packageWorkTemplate(workFolder));
    if (!work.isValid())
        return QCoreApplication::translate("Package", "The folder %1 cannot be written to.").arg(workFolder);
    const QString collectionPath = work.filePath(QStringLiteral("collection"));
    const qint64 nowSec = nowMs / 1000;
    const qint64 mid = deckBase(deckName, "model");
    const qint64 did = deckBase(deckName, "deck");
    QString error;

    PackageZipWriter zip;
    if (!zip.create(path))
        return zip.errorText();

    QJsonObject media;
    QHash<int, QString> pictureNames;
    qint64 total = 0;
    for (const ExportCard &card : cards)
        total += card.picture.size() + 1;
    qint64 done = 0;
    for (const ExportCard &card : cards) {
        if (!card.picture.isEmpty()) {
            const QString entry = QString::number(media.size());
            // Named by deck and card, so the files of a second export replace
            // those of the first rather than sit beside them.
            const QString name = QStringLiteral("velmora-%1-%2.%3")
                                     .arg(QString::number(hash64(deckName), 36))
                                     .arg(card.id)
                                     .arg(imageSuffix(card.picture));
            if (!zip.add(entry, card.picture, true))
                return zip.errorText();
            media.insert(entry, name);
            pictureNames.insert(card.id, name);
        }
        done += card.picture.size() + 1;
        if (progress)
            progress(done, total);
    }

    {
        const sqlite::Connection db = openPlain(collectionPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        if (!db.get() || db.errorCode() != SQLITE_OK)
            return QCoreApplication::translate("Package", "The collection could not be made: %1").arg(db.errorText());
        if (!db.exec("PRAGMA journal_mode = MEMORY") || !db.exec("BEGIN"))
            return db.errorText();
        for (const char *sql : kSchema)
            if (!db.exec(sql))
                return db.errorText();

        const QJsonObject conf{{QStringLiteral("nextPos"), int(cards.size()) + 1},
                               {QStringLiteral("estTimes"), true},
                               {QStringLiteral("activeDecks"), QJsonArray{did}},
                               {QStringLiteral("sortType"), QStringLiteral("noteFld")},
                               {QStringLiteral("timeLim"), 0},
                               {QStringLiteral("sortBackwards"), false},
                               {QStringLiteral("addToCur"), true},
                               {QStringLiteral("curDeck"), did},
                               {QStringLiteral("newBury"), true},
                               {QStringLiteral("newSpread"), 0},
                               {QStringLiteral("dueCounts"), true},
                               {QStringLiteral("curModel"), QString::number(mid)},
                               {QStringLiteral("collapseTime"), 1200}};
        const QJsonObject models{{QString::number(mid), noteTypeJson(mid, did, nowSec, deckName)}};
        const QJsonObject decks{{QStringLiteral("1"), deckJson(1, QStringLiteral("Default"), nowSec)},
                                {QString::number(did), deckJson(did, deckName, nowSec)}};
        const sqlite::Statement col(db.get(), QStringLiteral("INSERT INTO col VALUES (1, ?1, ?2, ?2, 11, 0, 0, 0, ?3,"
                                                             " ?4, ?5, ?6, '{}')"));
        sqlite3_bind_int64(col.get(), 1, nowSec - nowSec % 86400);
        sqlite3_bind_int64(col.get(), 2, nowMs);
        store::bindText(col.get(), 3, QString::fromUtf8(compactJson(conf)));
        store::bindText(col.get(), 4, QString::fromUtf8(compactJson(models)));
        store::bindText(col.get(), 5, QString::fromUtf8(compactJson(decks)));
        store::bindText(col.get(), 6, QString::fromUtf8(compactJson(deckOptionsJson())));
        if (!bindAndStep(col, error))
            return error;

        const sqlite::Statement note(
            db.get(), QStringLiteral("INSERT INTO notes VALUES (?1, ?2, ?3, ?4, -1, ?5, ?6, ?7, ?8, 0, '')"));
        const sqlite::Statement card(db.get(),
                                     QStringLiteral("INSERT INTO cards VALUES (?1, ?2, ?3, ?4, ?5, -1, ?6, ?7,"
                                                    " ?8, ?9, ?10, ?11, ?12, 0, 0, 0, 0, ?13)"));
        const qint64 collectionStart = nowSec - nowSec % 86400;
        int position = 0;
        for (const ExportCard &c : cards) {
            const qint64 nid = noteId(deckName, c.id);
            const QString picture = pictureNames.contains(c.id)
                                        ? QStringLiteral("<img src=\"%1\">").arg(pictureNames[c.id].toHtmlEscaped())
                                        : QString();
            const QStringList values{plainTextToHtml(c.name),
                                     plainTextToHtml(groupName(c.group)),
                                     picture,
                                     plainTextToHtml(c.keywords.join(QStringLiteral(", "))),
                                     plainTextToHtml(c.upright),
                                     plainTextToHtml(c.reversed)};
            sqlite3_bind_int64(note.get(), 1, nid);
            store::bindText(note.get(), 2, noteGuid(deckName, c.id));
            sqlite3_bind_int64(note.get(), 3, mid);
            sqlite3_bind_int64(note.get(), 4, nowSec);
            store::bindText(note.get(), 5, QLatin1Char(' ') + groupTag(c.group) + QLatin1Char(' '));
            store::bindText(note.get(), 6, values.join(kFieldSeparator));
            store::bindText(note.get(), 7, c.name);
            sqlite3_bind_int64(note.get(), 8, fieldChecksum(c.name));
            if (!bindAndStep(note, error))
                return error;
            ++position;
            // A card only where its answer has something to show.
            const bool answered[] = {!c.keywords.isEmpty(), !c.upright.isEmpty(), !c.reversed.isEmpty()};
            for (int ord = 0; ord < 3; ++ord) {
                if (!answered[ord])
                    continue;
                sqlite3_bind_int64(card.get(), 1, nid + 1 + ord);
                sqlite3_bind_int64(card.get(), 2, nid);
                sqlite3_bind_int64(card.get(), 3, did);
                sqlite3_bind_int(card.get(), 4, ord);
                sqlite3_bind_int64(card.get(), 5, nowSec);
                const std::optional<ExportReview> &state = c.review[std::size_t(ord)];
                const int phase = state ? std::clamp(state->phase, 0, 3) : 0;
                // Queues: 0 new, 1 in a step of minutes, 2 review. Due: the
                // position for new cards, the day since the collection's
                // start for reviews, the second for steps.
                const int queue = phase == 0 ? 0 : phase == 2 ? 2 : 1;
                const qint64 due = phase == 0   ? position
                                   : phase == 2 ? (state->dueSec - collectionStart) / 86400
                                                : state->dueSec;
                sqlite3_bind_int(card.get(), 6, phase);
                sqlite3_bind_int(card.get(), 7, queue);
                sqlite3_bind_int64(card.get(), 8, due);
                sqlite3_bind_int(card.get(), 9, phase == 0 ? 0 : state->scheduledDays);
                sqlite3_bind_int(card.get(), 10, phase == 0 ? 0 : 2500);
                sqlite3_bind_int(card.get(), 11, state ? state->reps : 0);
                sqlite3_bind_int(card.get(), 12, state ? state->lapses : 0);
                // The memory state of the newer scheduler lives in the card's data.
                store::bindText(card.get(), 13,
                                phase == 0 ? QStringLiteral("")
                                           : QString::fromUtf8(compactJson(QJsonObject{
                                                 {QStringLiteral("s"), std::round(state->stability * 1e4) / 1e4},
                                                 {QStringLiteral("d"), std::round(state->difficulty * 1e4) / 1e4}})));
                if (!bindAndStep(card, error))
                    return error;
            }
        }
        if (!db.exec("COMMIT"))
            return db.errorText();
    }
    const store::BoundedRead collection = store::readRegularFile(collectionPath, kMaxCollectionBytes);
    if (!collection.ok || collection.cut)
        return QCoreApplication::translate("Package", "The collection could not be read back: %1")
            .arg(collection.error);
    if (!zip.add(QStringLiteral("collection.anki2"), collection.bytes) ||
        !zip.add(QStringLiteral("media"), compactJson(media)))
        return zip.errorText();
    if (!zip.commit())
        return zip.errorText();
    return {};
}

PackageReader::PackageReader() = default;
PackageReader::~PackageReader() = default;

bool PackageReader::open(const QString &path, const QString &workFolder)
{
    const auto refuse = [this](const QString &why) {
        error_ = why;
        return false;
    };
    if (!zip_.open(path))
        return refuse(
            QCoreApplication::translate("Package", "The flashcard package cannot be read: %1.").arg(zip_.errorText()));
    if (zip_.contains(QStringLiteral("collection.anki21b")))
        return refuse(QCoreApplication::translate("Package", kNewerFormat));
    const QString entry = zip_.contains(QStringLiteral("collection.anki21")) ? QStringLiteral("collection.anki21")
                                                                             : QStringLiteral("collection.anki2");
    if (!zip_.contains(entry))
        return refuse(QCoreApplication::translate(
            "Package", "The file is no flashcard package: it holds no collection (collection.anki2)."));

    if (zip_.contains(QStringLiteral("media"))) {
        const auto map = zip_.read(QStringLiteral("media"), 8 * 1024 * 1024);
        if (!map)
            return refuse(QCoreApplication::translate("Package", "The flashcard package cannot be read: %1.")
                              .arg(zip_.errorText()));
        const QJsonDocument document = QJsonDocument::fromJson(*map);
        if (!map->trimmed().isEmpty() && !document.isObject())
            return refuse(QCoreApplication::translate(
                "Package", "The flashcard package is damaged: its list of media files is no list."));
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (it.value().isString())
                media_.insert(it.value().toString(), it.key());
    }

    work_ = std::make_unique<QTemporaryDir>(store::packageWorkTemplate(workFolder));
    if (!work_->isValid())
        return refuse(QCoreApplication::translate("Package", "The folder %1 cannot be written to.").arg(workFolder));
    const auto bytes = zip_.read(entry, kMaxCollectionBytes);
    if (!bytes)
        return refuse(
            QCoreApplication::translate("Package", "The flashcard package cannot be read: %1.").arg(zip_.errorText()));
    const QString collectionPath = work_->filePath(QStringLiteral("collection"));
    QFile out(collectionPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || out.write(*bytes) != bytes->size() || !out.flush())
        return refuse(
            QCoreApplication::translate("Package", "The collection could not be unpacked: %1").arg(out.errorString()));
    out.close();
    if (!readCollection(collectionPath))
        return false;
    // A package whose cards name no deck is named after its file.
    if (deckName_.isEmpty())
        deckName_ = QFileInfo(path).completeBaseName().left(200).trimmed();
    return true;
}

bool PackageReader::readCollection(const QString &collectionPath)
{
    const QString damaged =
        QCoreApplication::translate("Package", "The flashcard package is damaged: its collection cannot be read (%1).");
    const sqlite::Connection db = openPlain(collectionPath, SQLITE_OPEN_READONLY);
    if (!db.get() || db.errorCode() != SQLITE_OK) {
        error_ = damaged.arg(db.errorText());
        return false;
    }
    // A view in a table's place would run whatever its maker wrote.
    (void)db.exec("PRAGMA trusted_schema = OFF");
    {
        const sqlite::Statement tables(db.get(), QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                                                "'table' AND name IN ('col', 'notes', 'cards')"));
        if (tables.step() != SQLITE_ROW || sqlite3_column_int(tables.get(), 0) != 3) {
            error_ = damaged.arg(tables.errorText().isEmpty()
                                     ? QCoreApplication::translate("Package", "its tables are missing")
                                     : tables.errorText());
            return false;
        }
        const sqlite::Statement check(db.get(), QStringLiteral("PRAGMA quick_check(1)"));
        if (check.step() != SQLITE_ROW || check.text(0) != QLatin1String("ok")) {
            error_ = damaged.arg(check.errorText().isEmpty() ? check.text(0) : check.errorText());
            return false;
        }
    }

    QJsonObject decks;
    {
        sqlite3_limit(db.get(), SQLITE_LIMIT_LENGTH, 16 * 1024 * 1024);
        const sqlite::Statement col(db.get(), QStringLiteral("SELECT models, decks FROM col LIMIT 1"));
        if (col.step() != SQLITE_ROW) {
            error_ = damaged.arg(col.errorText().isEmpty() ? QCoreApplication::translate("Package", "it has no header")
                                                           : col.errorText());
            return false;
        }
        const QJsonObject models = QJsonDocument::fromJson(col.text(0).toUtf8()).object();
        decks = QJsonDocument::fromJson(col.text(1).toUtf8()).object();
        for (auto it = models.begin(); it != models.end(); ++it) {
            const QJsonObject model = it.value().toObject();
            NoteType type;
            type.id = it.key().toLongLong();
            type.name = model.value(QStringLiteral("name")).toString().left(200);
            std::map<int, QString> byOrder;
            const QJsonArray fields = model.value(QStringLiteral("flds")).toArray();
            for (int i = 0; i < fields.size() && i < 100; ++i) {
                const QJsonObject field = fields[i].toObject();
                byOrder.emplace(field.value(QStringLiteral("ord")).toInt(i),
                                field.value(QStringLiteral("name")).toString().left(200));
            }
            for (const auto &[order, name] : byOrder)
                type.fields.append(name);
            types_.append(type);
        }
    }
    if (types_.isEmpty()) {
        error_ = damaged.arg(QCoreApplication::translate("Package", "it names no note type"));
        return false;
    }

    // No field may be larger than this: the engine itself refuses to hand
    // out a longer value, so nothing of that size is ever held.
    sqlite3_limit(db.get(), SQLITE_LIMIT_LENGTH, kMaxFieldBytes);
    const sqlite::Statement notes(db.get(),
                                  QStringLiteral("SELECT id, mid, tags, flds FROM notes ORDER BY id LIMIT ?1"));
    sqlite3_bind_int(notes.get(), 1, kMaxNotesRead);
    int rc = 0;
    while ((rc = notes.step()) == SQLITE_ROW) {
        PackageNote note;
        note.id = sqlite3_column_int64(notes.get(), 0);
        note.typeId = sqlite3_column_int64(notes.get(), 1);
        note.tags = notes.text(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        note.fields = notes.text(3).split(kFieldSeparator);
        notes_.append(note);
    }
    if (rc != SQLITE_DONE) {
        error_ = (notes.errorCode() & 0xff) == SQLITE_TOOBIG
                     ? QCoreApplication::translate(
                           "Package", "The flashcard package holds a note larger than %1 MB, more than any card "
                                      "can hold.")
                           .arg(kMaxFieldBytes >> 20)
                     : damaged.arg(notes.errorText());
        return false;
    }
    const sqlite::Statement count(db.get(), QStringLiteral("SELECT count(*) FROM notes"));
    if (count.step() == SQLITE_ROW)
        notesNotRead_ = std::max<qint64>(0, sqlite3_column_int64(count.get(), 0) - notes_.size());

    const sqlite::Statement deck(db.get(), QStringLiteral("SELECT did FROM cards GROUP BY did ORDER BY count(*) DESC, "
                                                          "did LIMIT 1"));
    if (deck.step() == SQLITE_ROW) {
        const QString did = QString::number(sqlite3_column_int64(deck.get(), 0));
        deckName_ = decks.value(did).toObject().value(QStringLiteral("name")).toString().left(200).trimmed();
    }
    return true;
}

QByteArray PackageReader::mediaFile(const QString &fileName)
{
    QString entry = media_.value(fileName);
    if (entry.isEmpty())
        entry = media_.value(QUrl::fromPercentEncoding(fileName.toUtf8()));
    if (entry.isEmpty())
        return {};
    return zip_.read(entry).value_or(QByteArray());
}

} // namespace velmora::flashcards
