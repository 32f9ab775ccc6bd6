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
    void roundTrip_keepsEveryChoice_data();
    void roundTrip_keepsEveryChoice();
    void writtenValues_areTheTextsOtherRunsRead();
    void badStoredValue_leavesThatDefault_data();
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
    QVERIFY(settings.major);
    QVERIFY(settings.minor);
    for (bool suit : settings.suits)
        QVERIFY(suit);
    QCOMPARE(settings.testType, kTestTypeKeywords);
    QCOMPARE(settings.difficulty, 0);
}

void TstTestSettings::roundTrip_keepsEveryChoice_data()
{
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::addColumn<int>("suitBits");
    QTest::addColumn<int>("testType");
    QTest::addColumn<int>("difficulty");
    QTest::addRow("description, advanced, minor off") << true << false << 0b1010 << 0 << 2;
    QTest::addRow("keywords, intermediate, major off") << false << true << 0b0001 << 1 << 1;
    QTest::addRow("everything off but swords") << false << false << 0b1000 << 0 << 0;
}

void TstTestSettings::roundTrip_keepsEveryChoice()
{
    QFETCH(bool, major);
    QFETCH(bool, minor);
    QFETCH(int, suitBits);
    QFETCH(int, testType);
    QFETCH(int, difficulty);
    TestSettings written;
    written.major = major;
    written.minor = minor;
    for (int i = 0; i < kSuitCount; ++i)
        written.suits[i] = (suitBits >> i) & 1;
    written.testType = testType;
    written.difficulty = difficulty;
    writeTestSettings(*store_, written, false);

    // A fresh store on the same file, as the next run would read it.
    SettingsStore reread(file());
    const TestSettings read = readTestSettings(reread);
    QCOMPARE(read.major, major);
    QCOMPARE(read.minor, minor);
    for (int i = 0; i < kSuitCount; ++i)
        QCOMPARE(read.suits[i], bool((suitBits >> i) & 1));
    QCOMPARE(read.testType, testType);
    QCOMPARE(read.difficulty, difficulty);
}

void TstTestSettings::writtenValues_areTheTextsOtherRunsRead()
{
    TestSettings settings;
    settings.major = false;
    settings.suits[2] = false;
    settings.testType = kTestTypeDescription;
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

    settings.testType = kTestTypeKeywords;
    writeTestSettings(*store_, settings, false);
    QCOMPARE(store_->value(QStringLiteral("TestType")), QStringLiteral("1"));
    QCOMPARE(store_->value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));
}

void TstTestSettings::badStoredValue_leavesThatDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addRow("check box not a number") << "MajorArcana"
                                            << "yes";
    QTest::addRow("check box grey state") << "Cups"
                                          << "2";
    QTest::addRow("check box negative") << "Swords"
                                        << "-1";
    QTest::addRow("test type out of range") << "TestType"
                                            << "2";
    QTest::addRow("test type empty") << "TestType"
                                     << "";
    QTest::addRow("difficulty out of range") << "Difficulty"
                                             << "3";
    QTest::addRow("difficulty fraction") << "Difficulty"
                                         << "1.5";
    QTest::addRow("difficulty huge") << "Difficulty"
                                     << "99999999999999999999";
}

void TstTestSettings::badStoredValue_leavesThatDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    // Every other key holds a valid value that differs from its default, so
    // only the damaged key may fall back.
    writeTestSettings(*store_, TestSettings{false, false, {false, false, false, false}, 0, 1}, false);
    store_->setValue(key, value);
    const TestSettings read = readTestSettings(*store_);
    const TestSettings defaults;
    QCOMPARE(read.major, key == QLatin1String("MajorArcana") ? defaults.major : false);
    QCOMPARE(read.suits[0], key == QLatin1String("Cups") ? defaults.suits[0] : false);
    QCOMPARE(read.suits[3], key == QLatin1String("Swords") ? defaults.suits[3] : false);
    QCOMPARE(read.testType, key == QLatin1String("TestType") ? defaults.testType : 0);
    QCOMPARE(read.difficulty, key == QLatin1String("Difficulty") ? defaults.difficulty : 1);
}

QTEST_APPLESS_MAIN(TstTestSettings)
#include "tst_testsettings.moc"
