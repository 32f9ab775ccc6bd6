#include "filebytes.h"
#include "filesizelimit.h"
#include "scriptedprompter.h"

#include "app/prompter.h"
#include "resident/startupentry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

using namespace velmora;

namespace {

QString expectedFailure(int error, const char *what)
{
    return QStringLiteral("Error ") + QString::number(error) + QLatin1String(what) + QStringLiteral("\r\n") +
           QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

class TestStartupEntry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_->path() + QStringLiteral("/config")));
        prompter_ = std::make_unique<test::ScriptedPrompter>();
    }

    void autostartFolder_followsConfigHome_data()
    {
        QTest::addColumn<QByteArray>("configHome");
        QTest::addColumn<QString>("expected");
        QTest::addRow("set") << QByteArray("/srv/cfg") << QStringLiteral("/srv/cfg/autostart");
        QTest::addRow("trailing slash") << QByteArray("/srv/cfg/") << QStringLiteral("/srv/cfg/autostart");
        QTest::addRow("empty") << QByteArray() << QDir::homePath() + QStringLiteral("/.config/autostart");
        QTest::addRow("relative is ignored")
            << QByteArray("cfg") << QDir::homePath() + QStringLiteral("/.config/autostart");
    }
    void autostartFolder_followsConfigHome()
    {
        QFETCH(QByteArray, configHome);
        QFETCH(QString, expected);
        qputenv("XDG_CONFIG_HOME", configHome);
        QCOMPARE(autostartFolder(), expected);
        QCOMPARE(startupEntryPath(QStringLiteral("velmora")), expected + QStringLiteral("/velmora.desktop"));
    }

    void execLine_quotesThePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");
        const auto row = [](const char *tag, const QString &folder, const QString &program) {
            QTest::addRow("%s", tag) << folder << QStringLiteral("Exec=\"%1/velmora\" /STARTUP").arg(program);
        };
        row("plain", QStringLiteral("/opt/velmora"), QStringLiteral("/opt/velmora"));
        row("blank", QStringLiteral("/home/ann/My Apps"), QStringLiteral("/home/ann/My Apps"));
        row("trailing slash", QStringLiteral("/opt/velmora/"), QStringLiteral("/opt/velmora"));
        row("quote dollar backtick", QStringLiteral("/o\"p$t`x"), QStringLiteral("/o\\\\\"p\\\\$t\\\\`x"));
        row("backslash", QStringLiteral("/a\\b"), QStringLiteral("/a\\\\\\\\b"));
        row("percent", QStringLiteral("/100%"), QStringLiteral("/100%%"));
        row("non-ascii", QStringLiteral("/home/zoë"), QStringLiteral("/home/zoë"));
    }
    void execLine_quotesThePath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, exec);
        const QStringList lines = QString::fromUtf8(startupEntryText(QStringLiteral("velmora"), folder)).split('\n');
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Exec="))), QStringList{exec});
    }

    void setStartupEntry_writesAValidEntryAndRemovesIt()
    {
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt/velmora"), true);
        QVERIFY(prompter_->records().isEmpty());
        const QByteArray text = test::fileBytes(startupEntryPath(QStringLiteral("velmora")));
        QCOMPARE(text, QByteArray("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Velmora\n"
                                  "Exec=\"/opt/velmora/velmora\" /STARTUP\n"
                                  "Terminal=false\n"
                                  "X-GNOME-Autostart-enabled=true\n"));
        QVERIFY(StartupEntryExists(QStringLiteral("velmora")));
        QVERIFY(!StartupEntryExists(QStringLiteral("other")));

        // Written again after the folder moved, the entry names the new one only.
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/new/place"), true);
        const QByteArray moved = test::fileBytes(startupEntryPath(QStringLiteral("velmora")));
        QVERIFY(moved.contains("Exec=\"/new/place/velmora\" /STARTUP\n"));
        QVERIFY(!moved.contains("/opt/velmora"));
        QCOMPARE(QDir(autostartFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"velmora.desktop"});

        // Removed silently, also when already gone.
        for (int time = 0; time < 2; ++time)
            SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt"), false);
        QVERIFY(!QFile::exists(startupEntryPath(QStringLiteral("velmora"))));
        QVERIFY(prompter_->records().isEmpty());
    }

    void startupEntryExists_readsTheFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("exists");
        QTest::addRow("plain") << QByteArray("[Desktop Entry]\nExec=x\n") << true;
        QTest::addRow("empty file") << QByteArray() << true;
        QTest::addRow("hidden") << QByteArray("[Desktop Entry]\nHidden=true\n") << false;
        QTest::addRow("hidden, blanks") << QByteArray("[Desktop Entry]\nHidden = true \n") << false;
        QTest::addRow("hidden false") << QByteArray("[Desktop Entry]\nHidden=false\n") << true;
        QTest::addRow("hidden True is no boolean") << QByteArray("[Desktop Entry]\nHidden=True\n") << true;
        QTest::addRow("hidden in another group")
            << QByteArray("[Desktop Entry]\nExec=x\n[Desktop Action a]\nHidden=true\n") << true;
        QTest::addRow("commented out") << QByteArray("[Desktop Entry]\n#Hidden=true\n") << true;
        QTest::addRow("crlf") << QByteArray("[Desktop Entry]\r\nHidden=true\r\n") << false;
        // Not files, read as absent without waiting or reading without end.
        for (const char *special : {"pipe", "device", "dangling"})
            QTest::addRow("%s", special) << QByteArray(special) << false;
    }
    void startupEntryExists_readsTheFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, exists);
        const QString path = startupEntryPath(QStringLiteral("velmora"));
        const bool special = QByteArrayList{"pipe", "device", "dangling"}.contains(QTest::currentDataTag());
        QVERIFY(special ? QDir().mkpath(autostartFolder()) && test::makeSpecialFile(path, QString::fromLatin1(text))
                        : test::writeFile(path, text));
        QCOMPARE(StartupEntryExists(QStringLiteral("velmora")), exists);
        if (special)
            return;
        // Written over, whatever it held, the entry exists.
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt"), true);
        QVERIFY(StartupEntryExists(QStringLiteral("velmora")));
    }

    // The entry is the program's own: a link in its place is replaced, and the
    // file it named is left as it was.
    void entryIsALink_isReplacedNotWrittenThrough()
    {
        const QString other = home_->filePath(QStringLiteral("other.txt"));
        QVERIFY(test::writeFile(other, "the user's") && QDir().mkpath(autostartFolder()));
        QVERIFY(QFile::link(other, startupEntryPath(QStringLiteral("velmora"))));
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt"), true);
        QVERIFY(prompter_->records().isEmpty());
        QCOMPARE(test::fileBytes(other), QByteArray("the user's"));
        const QFileInfo entry(startupEntryPath(QStringLiteral("velmora")));
        QVERIFY(!entry.isSymLink() && entry.isFile());
        QVERIFY(test::fileBytes(entry.filePath()).contains("Exec=\"/opt/velmora\" /STARTUP"));
    }

    // Running as root makes a read-only folder writable anyway: a file where a
    // folder belongs fails for everyone.
    void folderCannotBeMade_saysOpeningKey_data()
    {
        QTest::addColumn<QString>("fileInTheWay");
        QTest::addColumn<int>("error");
        QTest::addRow("autostart is a file") << QStringLiteral("config/autostart") << int(ENOTDIR);
        QTest::addRow("config home is a file") << QStringLiteral("config") << int(ENOTDIR);
    }
    void folderCannotBeMade_saysOpeningKey()
    {
        QFETCH(QString, fileInTheWay);
        QFETCH(int, error);
        const QString path = home_->filePath(fileInTheWay);
        QVERIFY(test::writeFile(path, "not a folder"));
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt"), true);
        const QList<Prompt> prompts = prompter_->messages();
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(prompts[0].text, expectedFailure(error, " opening key"));
        QVERIFY(prompts[0].icon == PromptIcon::None && prompts[0].buttons == PromptButtons::Ok &&
                prompts[0].title == QStringLiteral("Velmora"));
        QCOMPARE(test::fileBytes(path), QByteArray("not a folder"));

        prompter_->clear();
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt"), false);
        QVERIFY(prompter_->records().isEmpty());
    }

    void entryPathIsAFolder_doesNotExistAndSaysOpeningKey()
    {
        QVERIFY(!StartupEntryExists(QStringLiteral("velmora")));
        QVERIFY(QDir().mkpath(startupEntryPath(QStringLiteral("velmora"))));
        QVERIFY(!StartupEntryExists(QStringLiteral("velmora")));
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/opt"), true);
        QCOMPARE(prompter_->messageTexts(), QStringList{expectedFailure(EISDIR, " opening key")});
    }

    // A file size limit makes the write itself fail (EFBIG), also for root;
    // the entry written before stays whole.
    void writeFails_saysSettingKey_keepsTheOldEntry()
    {
        SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/old/place"), true);
        const QByteArray before = test::fileBytes(startupEntryPath(QStringLiteral("velmora")));

        {
            const test::FileSizeLimit full(20);
            SetStartupEntry(*prompter_, QStringLiteral("velmora"), QStringLiteral("/new/place"), true);
        }

        QCOMPARE(prompter_->messageTexts(), QStringList{expectedFailure(EFBIG, " setting key")});
        QCOMPARE(prompter_->messages()[0].icon, PromptIcon::None);
        QCOMPARE(test::fileBytes(startupEntryPath(QStringLiteral("velmora"))), before);
        QCOMPARE(QDir(autostartFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"velmora.desktop"});
    }

private:
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<test::ScriptedPrompter> prompter_;
};

QTEST_GUILESS_MAIN(TestStartupEntry)
#include "tst_startupentry.moc"
