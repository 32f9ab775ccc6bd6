#include "app/services.h"
#include "learn/testsettings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

// The stored texts of the test options and the tray choice, in the order they
// are written.
QString stored(const SettingsStore &store)
{
    QStringList texts;
    for (const char *key : {"MajorArcana", "MinorArcana", "Cups", "Wands", "Pentacles", "Swords", "TestType",
                            "Difficulty", "RunAtSysTray"})
        texts.append(store.value(QLatin1String(key)));
    return texts.join(QLatin1Char(' '));
}

// What a run reads from the store, written back as texts.
QString readBack(SettingsStore &store)
{
    writeTestSettings(store, readTestSettings(store), false);
    return stored(store);
}

} // namespace

class TstTestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        store_ = std::make_unique<SettingsStore>(file());
    }

    void written_areTheTextsTheNextRunReadsBack()
    {
        const QList<std::tuple<TestSettings, bool, QString>> cases = {
            {{true, false, {false, true, false, true}, TestType::Description, 2}, true, "1 0 0 1 0 1 0 2 True"},
            {{false, true, {true, false, false, false}, TestType::Keywords, 1}, false, "0 1 1 0 0 0 1 1 False"},
            {{false, false, {false, false, false, true}, TestType::Description, 0}, false, "0 0 0 0 0 1 0 0 False"}};
        for (const auto &[written, tray, texts] : cases) {
            writeTestSettings(*store_, written, tray);
            // A fresh store on the same file, as the next run would read it.
            SettingsStore reread(file());
            QCOMPARE(stored(reread), texts);
            QCOMPARE(readBack(reread), QString(texts).replace(QStringLiteral("True"), QStringLiteral("False")));
        }
    }

    void absentKeysAndBadValues_giveTheirDefaults()
    {
        // Nothing stored: every group, the keyword test, beginner.
        QCOMPARE(readBack(*store_), QStringLiteral("1 1 1 1 1 1 1 0 False"));
        const QList<std::tuple<QString, QString, QString>> damaged = {
            {"MajorArcana", "yes", "1 0 0 0 0 0 0 1 False"},
            {"Cups", "2", "0 0 1 0 0 0 0 1 False"},
            {"Swords", "-1", "0 0 0 0 0 1 0 1 False"},
            {"TestType", "2", "0 0 0 0 0 0 1 1 False"},
            {"TestType", "", "0 0 0 0 0 0 1 1 False"},
            {"Difficulty", "3", "0 0 0 0 0 0 0 0 False"},
            {"Difficulty", "1.5", "0 0 0 0 0 0 0 0 False"},
            {"Difficulty", "99999999999999999999", "0 0 0 0 0 0 0 0 False"}};
        for (const auto &[key, value, expected] : damaged) {
            // Every other key holds a valid value that differs from its default,
            // so only the damaged key may fall back.
            writeTestSettings(*store_, {false, false, {false, false, false, false}, TestType::Description, 1}, false);
            store_->setValue(key, value);
            QVERIFY2(readBack(*store_) == expected, qPrintable(key + QLatin1Char('=') + value));
        }
    }

    // The file gets every change without the screen thread writing it: while
    // this thread runs no event loop and when the store goes right after.
    void changes_reachTheFileBesideTheEventLoopAndAtTheEnd()
    {
        const auto onDisk = [this] {
            QFile conf(file());
            return conf.open(QIODevice::ReadOnly) ? QString::fromUtf8(conf.readAll()) : QString();
        };
        store_->setValue(QStringLiteral("Difficulty"), QStringLiteral("2"));
        bool written = false;
        for (int look = 0; look < 1000 && !written; ++look) {
            written = onDisk().contains(QLatin1String("Difficulty=2"));
            if (!written)
                QThread::msleep(5);
        }
        QVERIFY(written);
        for (int round = 0; round < 20; ++round) {
            store_->setValue(QStringLiteral("TestType"), QString::number(round));
            store_->remove(QStringLiteral("Difficulty"));
        }
        store_.reset();
        QVERIFY(onDisk().contains(QLatin1String("TestType=19")));
        QVERIFY(!onDisk().contains(QLatin1String("Difficulty")));
    }

private:
    [[nodiscard]] QString file() const { return dir_->filePath(QStringLiteral("velmora.conf")); }
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsStore> store_;
};

QTEST_APPLESS_MAIN(TstTestSettings)
#include "tst_testsettings.moc"
