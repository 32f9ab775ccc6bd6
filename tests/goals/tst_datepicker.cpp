#include "goals/datepicker.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

using namespace velmora::goals;

class TstDatePicker : public QObject
{
    Q_OBJECT

private slots:
    void value_isReadFromTheThreeLists();
    void listChange_correctsTheDayBeforeRaisingDateChanged_data();
    void listChange_correctsTheDayBeforeRaisingDateChanged();
    void setValue_showsTheDateWhateverWasShownBefore_data();
    void setValue_showsTheDateWhateverWasShownBefore();
};

void TstDatePicker::value_isReadFromTheThreeLists()
{
    DatePicker picker(QDate(2026, 12, 6));
    QCOMPARE(picker.value(), QDate(2026, 12, 6));
    picker.dayList()->setCurrentIndex(picker.dayList()->findText(QStringLiteral("5")));
    picker.monthList()->setCurrentIndex(picker.monthList()->findText(QStringLiteral("March")));
    picker.yearList()->setCurrentIndex(picker.yearList()->findText(QStringLiteral("2009")));
    QCOMPARE(picker.value(), QDate(2009, 3, 5));
}

void TstDatePicker::listChange_correctsTheDayBeforeRaisingDateChanged_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QDate>("result");
    QTest::addColumn<int>("changes");
    QTest::addRow("31 April") << QDate(2009, 1, 1) << "31"
                              << "April"
                              << "2009" << QDate(2009, 4, 30) << 3;
    QTest::addRow("29 February 2009") << QDate(2008, 1, 1) << "29"
                                      << "February"
                                      << "2009" << QDate(2009, 2, 28) << 4;
    QTest::addRow("29 February 2008") << QDate(2008, 1, 1) << "29"
                                      << "February"
                                      << "2008" << QDate(2008, 2, 29) << 2;
}

void TstDatePicker::listChange_correctsTheDayBeforeRaisingDateChanged()
{
    QFETCH(QDate, shown);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QDate, result);
    QFETCH(int, changes);
    DatePicker picker(shown);
    QList<QDate> seen;
    connect(&picker, &DatePicker::dateChanged, this, [&] { seen.append(picker.value()); });
    picker.dayList()->setCurrentText(day);
    picker.monthList()->setCurrentText(month);
    picker.yearList()->setCurrentText(year);
    QCOMPARE(picker.value(), result);
    QCOMPARE(seen.size(), changes);
    for (const QDate &date : seen)
        QVERIFY2(date.isValid(), "dateChanged raised before the day was corrected");
}

void TstDatePicker::setValue_showsTheDateWhateverWasShownBefore_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("written");
    QTest::addColumn<QDate>("result");
    QTest::addRow("leap day while a common year is shown")
        << QDate(2009, 1, 31) << QDate(2008, 2, 29) << QDate(2008, 2, 29);
    QTest::addRow("31st while a short month is shown") << QDate(2009, 2, 1) << QDate(2009, 3, 31) << QDate(2009, 3, 31);
    QTest::addRow("year before the lists") << QDate(2009, 2, 1) << QDate(1970, 6, 2) << QDate(1980, 6, 2);
    QTest::addRow("year after the lists") << QDate(2009, 2, 1) << QDate(2200, 6, 2) << QDate(2099, 6, 2);
}

void TstDatePicker::setValue_showsTheDateWhateverWasShownBefore()
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

QTEST_MAIN(TstDatePicker)
#include "tst_datepicker.moc"
