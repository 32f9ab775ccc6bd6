// Writes the seed inputs of every fuzz target into <folder>/<target>/, each a
// few kilobytes at most: plain database images of decks and a catalog,
// tiny pictures in each format the program meets, goals and settings files.

#include "fuzzsupport.h"

#include "store/schema.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

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

    for (const char *format : {"png", "jpg", "bmp", "gif", "ppm", "xpm"}) {
        const QByteArray bytes = picture(format, QSize(6, 9));
        if (!bytes.isEmpty())
            put(QStringLiteral("picture"), QString::fromLatin1(format), QByteArray(1, '\1') + bytes);
    }
    put(QStringLiteral("picture"), QStringLiteral("png-large"), QByteArray(1, '\1') + picture("png", QSize(300, 500)));

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
