// The storage libraries are not loaded until the program first calls into
// them, and then each call reaches the library's own function with its
// arguments as given.

#include "store/latelibraries.h"

#include <QtTest>

#include <openssl/evp.h>
#include <sqlite3.h>
#include <zip.h>

using namespace velmora::store;

class TestLateLibraries : public QObject
{
    Q_OBJECT

private slots:
    // First: every later test loads a library.
    void start_loadsNoStorageLibrary();
    void sqlCipher_loadedByItsFirstCall_andAnswers();
    void dbConfig_passesTheIntOptions_refusesTheOthers();
    void zip_loadedByItsFirstCall_andAnswers();
    void keyDerivation_givesTheKnownKey();
};

void TestLateLibraries::start_loadsNoStorageLibrary()
{
    QVERIFY(!lateLibraryLoaded(LateLibrary::SqlCipher));
    QVERIFY(!lateLibraryLoaded(LateLibrary::Zip));
    QVERIFY(!lateLibraryLoaded(LateLibrary::Crypto));
}

void TestLateLibraries::sqlCipher_loadedByItsFirstCall_andAnswers()
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
    QVERIFY(lateLibraryLoaded(LateLibrary::SqlCipher));
    // SQLCipher's own library takes its crypto library with it.
    QVERIFY(lateLibraryLoaded(LateLibrary::Crypto));

    QCOMPARE(sqlite3_exec(db, "CREATE TABLE t(a INTEGER, b TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_stmt *insert = nullptr;
    QCOMPARE(sqlite3_prepare_v2(db, "INSERT INTO t VALUES(?1, ?2)", -1, &insert, nullptr), SQLITE_OK);
    QCOMPARE(sqlite3_bind_int64(insert, 1, 1234567890123LL), SQLITE_OK);
    QCOMPARE(sqlite3_bind_text64(insert, 2, "word", 4, SQLITE_TRANSIENT, SQLITE_UTF8), SQLITE_OK);
    QCOMPARE(sqlite3_step(insert), SQLITE_DONE);
    QCOMPARE(sqlite3_finalize(insert), SQLITE_OK);
    QCOMPARE(sqlite3_changes(db), 1);

    sqlite3_stmt *select = nullptr;
    QCOMPARE(sqlite3_prepare_v2(db, "SELECT a, b FROM t", -1, &select, nullptr), SQLITE_OK);
    QCOMPARE(sqlite3_step(select), SQLITE_ROW);
    QCOMPARE(sqlite3_column_int64(select, 0), 1234567890123LL);
    QCOMPARE(
        QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(select, 1)), sqlite3_column_bytes(select, 1)),
        QByteArray("word"));
    QCOMPARE(sqlite3_finalize(select), SQLITE_OK);

    QCOMPARE(sqlite3_exec(db, "NOT SQL", nullptr, nullptr, nullptr), SQLITE_ERROR);
    QVERIFY(QByteArray(sqlite3_errmsg(db)).contains("syntax error"));
    QCOMPARE(sqlite3_close_v2(db), SQLITE_OK);
}

void TestLateLibraries::dbConfig_passesTheIntOptions_refusesTheOthers()
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
    int triggers = -1;
    QCOMPARE(sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, &triggers), SQLITE_OK);
    QCOMPARE(triggers, 0);
    // -1 asks without changing.
    triggers = -1;
    QCOMPARE(sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, -1, &triggers), SQLITE_OK);
    QCOMPARE(triggers, 0);
    QCOMPARE(sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 1, &triggers), SQLITE_OK);
    QCOMPARE(triggers, 1);
    // The two options before it take a name, or a buffer and two sizes.
    QCOMPARE(sqlite3_db_config(db, SQLITE_DBCONFIG_MAINDBNAME, "other"), SQLITE_MISUSE);
    QCOMPARE(sqlite3_db_config(db, SQLITE_DBCONFIG_LOOKASIDE, nullptr, 0, 0), SQLITE_MISUSE);
    QCOMPARE(sqlite3_close_v2(db), SQLITE_OK);
}

void TestLateLibraries::zip_loadedByItsFirstCall_andAnswers()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("one.zip")));
    int error = 0;
    zip_t *archive = zip_open(path.constData(), ZIP_CREATE | ZIP_EXCL, &error);
    QVERIFY(archive);
    QVERIFY(lateLibraryLoaded(LateLibrary::Zip));
    static const char kText[] = "the text";
    zip_source_t *source = zip_source_buffer(archive, kText, sizeof(kText) - 1, 0);
    QVERIFY(source);
    QCOMPARE(zip_file_add(archive, "a.txt", source, ZIP_FL_ENC_UTF_8), zip_int64_t(0));
    QCOMPARE(zip_close(archive), 0);

    archive = zip_open(path.constData(), ZIP_RDONLY, &error);
    QVERIFY(archive);
    QCOMPARE(zip_get_num_entries(archive, 0), zip_int64_t(1));
    QCOMPARE(zip_name_locate(archive, "a.txt", 0), zip_int64_t(0));
    zip_file_t *file = zip_fopen_index(archive, 0, 0);
    QVERIFY(file);
    char read[32] = {};
    QCOMPARE(zip_fread(file, read, sizeof(read)), zip_int64_t(sizeof(kText) - 1));
    QCOMPARE(QByteArray(read), QByteArray(kText));
    QCOMPARE(zip_fclose(file), 0);
    zip_discard(archive);

    zip_error_t noSuchFile;
    zip_error_init_with_code(&noSuchFile, ZIP_ER_NOENT);
    QCOMPARE(QByteArray(zip_error_strerror(&noSuchFile)), QByteArray("No such file"));
    zip_error_fini(&noSuchFile);
}

void TestLateLibraries::keyDerivation_givesTheKnownKey()
{
    // RFC 6070's second PBKDF2-HMAC-SHA1 vector.
    unsigned char key[20] = {};
    QCOMPARE(PKCS5_PBKDF2_HMAC_SHA1("password", 8, reinterpret_cast<const unsigned char *>("salt"), 4, 2, 20, key), 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(key), 20).toHex(),
             QByteArray("ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"));
}

QTEST_GUILESS_MAIN(TestLateLibraries)
#include "tst_latelibraries.moc"
