#include "goals/datepicker.h"

#include <QAccessible>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

using namespace velmora::goals;

class TstDatePicker : public QObject
{
    Q_OBJECT

private slots:
    // Day, month and year chosen in that order, as the user would.
    void listChange_correctsTheDayBeforeRaisingDateChanged_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QDate>("result");
        QTest::addColumn<int>("changes");
        QTest::addRow("31 April") << QDate(2009, 1, 1) << "31 April 2009" << QDate(2009, 4, 30) << 3;
        QTest::addRow("29 February 2009") << QDate(2008, 1, 1) << "29 February 2009" << QDate(2009, 2, 28) << 4;
        QTest::addRow("29 February 2008") << QDate(2008, 1, 1) << "29 February 2008" << QDate(2008, 2, 29) << 2;
    }
    void listChange_correctsTheDayBeforeRaisingDateChanged()
    {
        QFETCH(QDate, shown);
        QFETCH(QString, chosen);
        QFETCH(QDate, result);
        QFETCH(int, changes);
        DatePicker picker(shown);
        QCOMPARE(picker.value(), shown);
        QList<QDate> seen;
        connect(&picker, &DatePicker::dateChanged, this, [&] { seen.append(picker.value()); });
        const QStringList parts = chosen.split(QLatin1Char(' '));
        picker.dayList()->setCurrentText(parts[0]);
        picker.monthList()->setCurrentText(parts[1]);
        picker.yearList()->setCurrentText(parts[2]);
        QCOMPARE(picker.value(), result);
        QCOMPARE(seen.size(), changes);
        for (const QDate &date : seen)
            QVERIFY2(date.isValid(), "dateChanged raised before the day was corrected");
    }

    void setValue_showsTheDateWhateverWasShownBefore_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("written");
        QTest::addColumn<QDate>("result");
        QTest::addRow("leap day while a common year is shown")
            << QDate(2009, 1, 31) << QDate(2008, 2, 29) << QDate(2008, 2, 29);
        QTest::addRow("31st while a short month is shown")
            << QDate(2009, 2, 1) << QDate(2009, 3, 31) << QDate(2009, 3, 31);
        QTest::addRow("year before the lists") << QDate(2009, 2, 1) << QDate(1970, 6, 2) << QDate(1980, 6, 2);
        QTest::addRow("year after the lists") << QDate(2009, 2, 1) << QDate(2200, 6, 2) << QDate(2099, 6, 2);
    }
    void setValue_showsTheDateWhateverWasShownBefore()
    {
        QFETCH(QDate, shown);
        QFETCH(QDate, written);
        QFETCH(QDate, result);
        DatePicker picker(shown);
        QSignalSpy changed(&picker, &DatePicker::dateChanged);
        picker.setValue(written);
        QCOMPARE(picker.value(), result);
        QVERIFY(changed.count() >= 1);
    }

    // A screen reader says what each list is for and, apart, what it shows;
    // the toolkit alone would read "7", "December", "2026".
    void lists_areNamedByPurposeAndTellTheChosenEntryAsValue()
    {
        DatePicker picker(QDate(2026, 12, 7));
        picker.setAccessibleTitle(QStringLiteral("Goal Ending Date"));
        const QList<std::pair<QComboBox *, QString>> lists = {{picker.dayList(), QStringLiteral("7")},
                                                              {picker.monthList(), QStringLiteral("December")},
                                                              {picker.yearList(), QStringLiteral("2026")}};
        const QStringList parts = {QStringLiteral("day"), QStringLiteral("month"), QStringLiteral("year")};
        for (qsizetype i = 0; i < lists.size(); ++i) {
            QAccessibleInterface *list = QAccessible::queryAccessibleInterface(lists[i].first);
            QVERIFY(list);
            QCOMPARE(list->role(), QAccessible::ComboBox);
            QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Goal Ending Date, ") + parts[i]);
            QCOMPARE(list->text(QAccessible::Value), lists[i].second);
            QVERIFY(list->actionInterface() &&
                    list->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
            QCOMPARE(list->childCount(), 1);
        }
    }
};

QTEST_MAIN(TstDatePicker)
#include "tst_datepicker.moc"
