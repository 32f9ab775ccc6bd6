#include "servicesrig.h"
#include "urlcatcher.h"

#include "app/updatereminder.h"
#include "app/vendorlinks.h"

#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {
const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");
}

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private:
    struct Rig : ServicesRig
    {
        void store(const QDateTime &moment)
        {
            settings.setValue(QStringLiteral("Duration"), formatDuration(moment, QLocale::system()));
        }
        QString stored() const { return settings.value(QStringLiteral("Duration")); }
        QString nowText() const { return formatDuration(clock.now(), QLocale::system()); }
    };

private slots:
    // Asked or not, and the answer given: "yes" opens the download page.
    void dayCount_decidesTheQuestion_data()
    {
        QTest::addColumn<QDateTime>("stored");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("answer"); // empty: not asked
        const QDate day(2026, 6, 10);
        const QTime noon(12, 0);
        QTest::addRow("14 days back") << QDateTime(day, noon) << QDateTime(day.addDays(14), noon) << "";
        QTest::addRow("15 days back") << QDateTime(day, noon) << QDateTime(day.addDays(15), noon) << "yes";
        QTest::addRow("14 days ahead") << QDateTime(day.addDays(14), noon) << QDateTime(day, noon) << "";
        QTest::addRow("15 days ahead") << QDateTime(day.addDays(15), noon) << QDateTime(day, noon) << "no";
        // Calendar days count, not elapsed hours.
        QTest::addRow("15 boundaries in 14 days and 2 minutes")
            << QDateTime(day, QTime(23, 59)) << QDateTime(day.addDays(15), QTime(0, 1)) << "no";
        QTest::addRow("14 boundaries in nearly 15 days")
            << QDateTime(day, QTime(0, 1)) << QDateTime(day.addDays(14), QTime(23, 59)) << "";
        QTest::addRow("across new year, 15 days")
            << QDateTime(QDate(2025, 12, 20), noon) << QDateTime(QDate(2026, 1, 4), noon) << "yes";
        QTest::addRow("across february of a leap year")
            << QDateTime(QDate(2028, 2, 20), noon) << QDateTime(QDate(2028, 3, 5), noon) << "";
    }
    void dayCount_decidesTheQuestion()
    {
        QFETCH(QDateTime, stored);
        QFETCH(QDateTime, now);
        QFETCH(QString, answer);
        const bool asked = !answer.isEmpty();
        UrlCatcher catcher;
        Rig rig;
        rig.clock.set(now);
        rig.store(stored);
        const QString before = rig.stored();
        if (asked)
            rig.prompter.queueAnswer(answer == QLatin1String("yes") ? PromptAnswer::Yes : PromptAnswer::No);

        UpdateReminder(rig.services);

        QCOMPARE(rig.prompter.messageTexts(), asked ? QStringList{kQuestion} : QStringList());
        QCOMPARE(rig.stored(), asked ? rig.nowText() : before);
        QCOMPARE(catcher.urls,
                 answer == QLatin1String("yes") ? QList<QUrl>{vendorPageUrl(VendorPage::Download)} : QList<QUrl>{});
        if (!asked)
            return;
        const Prompt prompt = rig.prompter.messages().first();
        QVERIFY(prompt.icon == PromptIcon::Information && prompt.buttons == PromptButtons::YesNo &&
                prompt.title == QStringLiteral("Velmora"));
        // The main window's opening later in the same run does not ask again.
        rig.clock.set(now.addSecs(60));
        UpdateReminder(rig.services);
        QCOMPARE(rig.prompter.messages().size(), 1);
    }

    // The first check, or one after an unreadable date, stores now and asks nothing.
    void absentOrUnreadableDate_storesNowAndAsksNothing()
    {
        for (const char *text :
             {static_cast<const char *>(nullptr), "last Tuesday", "45/13/2026 99:99", "   ", "20261206"}) {
            Rig rig;
            if (text)
                rig.settings.setValue(QStringLiteral("Duration"), QString::fromLatin1(text));
            UpdateReminder(rig.services);
            QVERIFY2(rig.prompter.records().isEmpty(), text);
            QCOMPARE(rig.stored(), rig.nowText());
        }
    }

    // At start-up a date still to be noted is left to the caller, as the
    // date of the start; a date that decides leaves nothing to do.
    void startUp_leavesOnlyTheFirstDateToTheCaller()
    {
        Rig rig;
        const QString start = rig.nowText();
        const std::function<void()> noteDate = startUpdateReminder(rig.services);
        QVERIFY(noteDate);
        QVERIFY(rig.stored().isEmpty());
        rig.clock.set(rig.clock.now().addDays(3));
        noteDate();
        QCOMPARE(rig.stored(), start);
        QVERIFY(rig.prompter.records().isEmpty());

        rig.clock.set(rig.clock.now().addDays(20));
        rig.prompter.queueAnswer(PromptAnswer::No);
        QVERIFY(!startUpdateReminder(rig.services));
        QCOMPARE(rig.prompter.messageTexts(), QStringList{kQuestion});
        QCOMPARE(rig.stored(), rig.nowText());
        QVERIFY(!startUpdateReminder(rig.services));
        QCOMPARE(rig.prompter.messages().size(), 1);
    }

    void storedText_readsBackInEveryLocale_data()
    {
        QTest::addColumn<QString>("localeName");
        for (const char *name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG", "fa_IR"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }

    void storedText_readsBackInEveryLocale()
    {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        const QDateTime now(QDate(2026, 12, 6), QTime(21, 5));
        for (const QDateTime &moment :
             {now, QDateTime(QDate(2025, 1, 31), QTime(7, 9)), QDateTime(QDate(1999, 12, 31), QTime(23, 59))}) {
            const QString text = formatDuration(moment, locale);
            const std::optional<QDateTime> read = parseDuration(text, locale, now);
            QVERIFY2(read.has_value(), qPrintable(text));
            QCOMPARE(read->toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                     moment.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        }
    }

    // A text in the locale's own short format (two-digit year) is read in the
    // century nearest to now, not a hundred years back.
    void twoDigitYear_isReadInTheNearestCentury()
    {
        const QLocale locale(QStringLiteral("en_US"));
        const QDateTime now(QDate(2026, 12, 6), QTime(12, 0));
        const QDateTime moment(QDate(2026, 11, 1), QTime(8, 30));
        const QString shortText = locale.toString(moment, QLocale::ShortFormat);
        QVERIFY(!shortText.contains(QStringLiteral("2026")));
        const std::optional<QDateTime> read = parseDuration(shortText, locale, now);
        QVERIFY(read.has_value());
        QCOMPARE(read->date(), moment.date());
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
