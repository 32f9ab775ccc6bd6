#include "app/services.h"
#include "learn/testsettings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

class TstTestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void absentKeys_giveAllGroupsKeywordTestBeginner();
    void roundTrip_keepsEveryChoice();
    void writtenValues_areTheTextsOtherRunsRead();
    void badStoredValue_leavesThatDefault();

private:
    [[nodiscard]] QString file() const { return dir_->filePath(QStringLiteral("velmora.conf")); }
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsStore> store_;
};

void TstTestSettings::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<SettingsStore>(file());
}

void TstTestSettings::absentKeys_giveAllGroupsKeywordTestBeginner()
{
    const TestSettings settings = readTestSettings(*store_);
    QVERIFY(settings.major && settings.minor);
    QCOMPARE(settings.suits, (std::array<bool, kSuitCount>{true, true, true, true}));
    QCOMPARE(settings.testType, TestType::Keywords);
    QCOMPARE(settings.difficulty, 0);
}

void TstTestSettings::roundTrip_keepsEveryChoice()
{
    const QList<TestSettings> choices = {{true, false, {false, true, false, true}, TestType::Description, 2},
                                         {false, true, {true, false, false, false}, TestType::Keywords, 1},
                                         {false, false, {false, false, false, true}, TestType::Description, 0}};
    for (const TestSettings &written : choices) {
        writeTestSettings(*store_, written, false);
        // A fresh store on the same file, as the next run would read it.
        SettingsStore reread(file());
        const TestSettings read = readTestSettings(reread);
        QCOMPARE(read.major, written.major);
        QCOMPARE(read.minor, written.minor);
        QCOMPARE(read.suits, written.suits);
        QCOMPARE(read.testType, written.testType);
        QCOMPARE(read.difficulty, written.difficulty);
    }
}

void TstTestSettings::writtenValues_areTheTextsOtherRunsRead()
{
    TestSettings settings;
    settings.major = false;
    settings.suits[2] = false;
    settings.testType = TestType::Description;
    settings.difficulty = 2;
    writeTestSettings(*store_, settings, true);
    SettingsStore reread(file());
    QCOMPARE(reread.value(QStringLiteral("MajorArcana")), QStringLiteral("0"));
    QCOMPARE(reread.value(QStringLiteral("MinorArcana")), QStringLiteral("1"));
    QCOMPARE(reread.value(QStringLiteral("Cups")), QStringLiteral("1"));
    QCOMPARE(reread.value(QStringLiteral("Pentacles")), QStringLiteral("0"));
    QCOMPARE(reread.value(QStringLiteral("TestType")), QStringLiteral("0"));
    QCOMPARE(reread.value(QStringLiteral("Difficulty")), QStringLiteral("2"));
    QCOMPARE(reread.value(QStringLiteral("RunAtSysTray")), QStringLiteral("True"));

    settings.testType = TestType::Keywords;
    writeTestSettings(*store_, settings, false);
    QCOMPARE(store_->value(QStringLiteral("TestType")), QStringLiteral("1"));
    QCOMPARE(store_->value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));
}

void TstTestSettings::badStoredValue_leavesThatDefault()
{
    const QList<std::pair<QString, QString>> damaged = {
        {"MajorArcana", "yes"}, {"Cups", "2"},       {"Swords", "-1"},      {"TestType", "2"},
        {"TestType", ""},       {"Difficulty", "3"}, {"Difficulty", "1.5"}, {"Difficulty", "99999999999999999999"}};
    const TestSettings defaults;
    for (const auto &[key, value] : damaged) {
        // Every other key holds a valid value that differs from its default, so
        // only the damaged key may fall back.
        writeTestSettings(*store_, TestSettings{false, false, {false, false, false, false}, TestType::Description, 1},
                          false);
        store_->setValue(key, value);
        const TestSettings read = readTestSettings(*store_);
        const QByteArray where = (key + QLatin1Char('=') + value).toUtf8();
        QVERIFY2(read.major == (key == QLatin1String("MajorArcana") ? defaults.major : false), where);
        QVERIFY2(read.suits[0] == (key == QLatin1String("Cups") ? defaults.suits[0] : false), where);
        QVERIFY2(read.suits[3] == (key == QLatin1String("Swords") ? defaults.suits[3] : false), where);
        QVERIFY2(read.testType == (key == QLatin1String("TestType") ? defaults.testType : TestType::Description),
                 where);
        QVERIFY2(read.difficulty == (key == QLatin1String("Difficulty") ? defaults.difficulty : 1), where);
    }
}

QTEST_APPLESS_MAIN(TstTestSettings)
#include "tst_testsettings.moc"
