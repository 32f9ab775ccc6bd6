// Writes the seed inputs of every fuzz target into <folder>/<target>/, each a
// few kilobytes at most: plain database images of decks and a catalog,
// tiny pictures in each format the program meets, goals and settings files.

#include "fuzzsupport.h"
#include "hostiledeck.h"
#include "hostilepictures.h"
#include "progress/history.h"

#include "resident/startupentry.h"
#include "store/pictures.h"
#include "store/schema.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

using namespace velmora;

namespace {

QString g_root;

bool put(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(g_root + QLatin1Char('/') + target);
    return fuzz::writeBytes(g_root + QLatin1Char('/') + target + QLatin1Char('/') + name, bytes);
}

// A plain database built from statements, small pages, vacuumed.
QByteArray plainImage(const QStringList &statements)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/seed.db");
    QFile::remove(path);
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "PRAGMA page_size = 512", nullptr, nullptr, nullptr);
    for (const QString &sql : statements) {
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::fprintf(stderr, "seed statement failed: %s\n", sqlite3_errmsg(db));
    }
    sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList deckStatements(int cards)
{
    QStringList list;
    for (const auto &sql : schema::kDeckTables)
        list.append(QString::fromLatin1(sql.data(), qsizetype(sql.size())));
    list.append(QStringLiteral("INSERT INTO tblDeckNames VALUES ('Seed', %1, 'me', NULL, 'complete')").arg(cards));
    list.append(QStringLiteral("INSERT INTO tblType VALUES ('Deck', 'Velmora', 0)"));
    int slot = 0;
    for (int id = 1; id <= cards; ++id) {
        list.append(QStringLiteral("INSERT INTO tblCards VALUES (%1, 'Card %1', %2, 'up %1', 'down %1', %3, %4)")
                        .arg(id)
                        .arg(id % 5)
                        .arg(id % 2)
                        .arg(id == 1 ? QStringLiteral("x'424d00'") : QStringLiteral("NULL")));
        for (int k = 1; k <= 7; ++k)
            list.append(QStringLiteral("INSERT INTO tblKeywords VALUES (%1, %2, 'k%2-%3', 'Card %2')")
                            .arg(++slot)
                            .arg(id)
                            .arg(k));
    }
    return list;
}

QByteArray picture(const char *format, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::darkCyan);
    image.setPixel(0, 0, qRgba(255, 0, 0, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
        return 2;
    }
    fuzz::startQt();
    g_root = QString::fromLocal8Bit(argv[1]);

    put(QStringLiteral("deck"), QStringLiteral("three-cards"), plainImage(deckStatements(3)));
    QStringList duplicate = deckStatements(2);
    duplicate.append(QStringLiteral("INSERT INTO tblCards (ID, Name) VALUES (2, 'again')"));
    put(QStringLiteral("deck"), QStringLiteral("duplicate-card"), plainImage(duplicate));
    QStringList nulls = deckStatements(1);
    nulls.append(QStringLiteral("INSERT INTO tblCards VALUES (NULL, NULL, NULL, NULL, NULL, 0, 'text')"));
    nulls.append(QStringLiteral("INSERT INTO tblKeywords VALUES (NULL, 9, NULL, x'00ff')"));
    put(QStringLiteral("deck"), QStringLiteral("nulls"), plainImage(nulls));
    QStringList trigger = deckStatements(1);
    trigger.append(QStringLiteral("CREATE TRIGGER t AFTER INSERT ON tblCards BEGIN DELETE FROM tblType; END"));
    put(QStringLiteral("deck"), QStringLiteral("trigger"), plainImage(trigger));
    QStringList catalog;
    for (const auto &sql : schema::kCatalogTables)
        catalog.append(QString::fromLatin1(sql.data(), qsizetype(sql.size())));
    catalog.append(QStringLiteral("INSERT INTO tblStoreDeck VALUES ('Seed', 'Deck7.vdk', 1)"));
    catalog.append(QStringLiteral("INSERT INTO tblUpdateDeck VALUES ('Seed', 'Deck7.vdk', 'Seed', 3)"));
    put(QStringLiteral("deck"), QStringLiteral("catalog"), plainImage(catalog));

    // The tests' hostile decks, small enough for the fuzzer: fewer cards, texts
    // of kilobytes instead of megabytes, only the small pictures.
    for (test::HostileKind kind : test::hostileKinds()) {
        QStringList statements;
        for (const auto &sql : schema::kDeckTables)
            statements.append(QString::fromLatin1(sql.data(), qsizetype(sql.size())));
        statements.append(test::plainRowsSql(std::min(kind.cards, 24)));
        if (!kind.sql.isEmpty())
            statements.append(kind.sql.replace(QStringLiteral("5000000"), QStringLiteral("1500")));
        for (const auto &[cardId, bytes] : kind.pictures) {
            if (bytes.size() < 1024)
                statements.append(QStringLiteral("UPDATE tblCards SET PictureData = x'%1', issaved = 1 WHERE ID = %2")
                                      .arg(QString::fromLatin1(bytes.toHex()))
                                      .arg(cardId));
        }
        const QString name = QString::fromLatin1(kind.name).replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")),
                                                                    QStringLiteral("-"));
        const QByteArray image = plainImage(statements);
        put(QStringLiteral("deck"), QStringLiteral("hostile-") + name, image);
        put(QStringLiteral("import"), QStringLiteral("hostile-") + name, image);
    }
    put(QStringLiteral("import"), QStringLiteral("three-cards"), plainImage(deckStatements(3)));

    // A history of two tests, on small pages, and one with a view in it.
    {
        const QString path = fuzz::scratchFolder() + QStringLiteral("/history.db");
        QFile::remove(path);
        {
            progress::HistoryFile history;
            const progress::TestRecord test{QDateTime::fromMSecsSinceEpoch(1700000000000),
                                            QStringLiteral("Tutor2.vdk"),
                                            QStringLiteral("Moon"),
                                            progress::TestKind::Description,
                                            1,
                                            {0, 2},
                                            {{1, QStringLiteral("The Fool"), false, 1, 1}, {2, QString(), true, 0, 3}}};
            if (!history.open(path) || !history.record(test) || !history.record(test))
                std::fprintf(stderr, "history seed failed: %s\n", qPrintable(history.errorText()));
        }
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        sqlite3_exec(db, "PRAGMA page_size = 512; VACUUM", nullptr, nullptr, nullptr);
        QFile file(path);
        put(QStringLiteral("history"), QStringLiteral("two-tests"),
            file.open(QIODevice::ReadOnly) ? file.readAll() : "");
        file.close();
        sqlite3_exec(db, "CREATE VIEW v AS SELECT 1; PRAGMA user_version = 1; VACUUM", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        put(QStringLiteral("history"), QStringLiteral("view-old-layout"),
            file.open(QIODevice::ReadOnly) ? file.readAll() : "");
    }

    put(QStringLiteral("logon"), QStringLiteral("entry"),
        startupEntryText(QStringLiteral("velmora"), QStringLiteral("/opt/v")));
    put(QStringLiteral("logon"), QStringLiteral("hidden"),
        QByteArrayLiteral("[Desktop Action a]\nHidden=true\n[Desktop Entry]\r\n Hidden = true \r\n"));

    for (const char *format : {"png", "jpg", "bmp", "gif", "ppm", "xpm"}) {
        const QByteArray bytes = picture(format, QSize(6, 9));
        if (!bytes.isEmpty())
            put(QStringLiteral("picture"), QString::fromLatin1(format), QByteArray(1, '\1') + bytes);
    }
    put(QStringLiteral("picture"), QStringLiteral("png-large"), QByteArray(1, '\1') + picture("png", QSize(300, 500)));
    // Just over the scan limit, a whole segment of empty metadata, and
    // both orientations that turn the picture.
    put(QStringLiteral("picture"), QStringLiteral("jpg-scan-bomb"),
        QByteArray(1, '\1') + test::scanBombJpeg(QSize(16, 16), kMaxJpegScans + 1));
    put(QStringLiteral("picture"), QStringLiteral("jpg-bulky-exif"),
        QByteArray(1, '\0') + test::withPadding(picture("jpg", QSize(6, 9)), 1));
    for (const int orientation : {3, 6})
        put(QStringLiteral("picture"), QStringLiteral("jpg-orientation-%1").arg(orientation),
            QByteArray(1, '\1') + test::withOrientation(picture("jpg", QSize(6, 9)), orientation));

    put(QStringLiteral("goals"), QStringLiteral("two"),
        QByteArrayLiteral("\"Learn majors\",#2026-01-01#,#2026-02-01#,\"all 22\",#FALSE#,40\r\n"
                          "\r\n\"Cups\",#2026-01-05#,#2026-03-01#,\"\",#TRUE#,100\r\n"));
    put(QStringLiteral("goals"), QStringLiteral("quotes-latin1"),
        QByteArrayLiteral("\"Caf\xe9 ''x''\",#2025-12-31#,#2026-01-01#,\"a,b\",#FALSE#,0\r\n\"broken\r\n"));

    put(QStringLiteral("settings"), QStringLiteral("both"),
        QByteArrayLiteral("[Settings]\nDuration=2026-02-01 10:00:00\nRunAtSysTray=True\n"));
    put(QStringLiteral("settings"), QStringLiteral("list"),
        QByteArrayLiteral("[Settings]\nDuration=\"1.2.2026, 10:00\"\nRunAtSysTray=a, b\n[General]\nx=@Variant(\\0)\n"));
    return 0;
}
