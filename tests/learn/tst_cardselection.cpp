#include "learn/cardselection.h"

#include <QtTest>

using namespace velmora;

class TstCardSelection : public QObject
{
    Q_OBJECT

private slots:
    void groupsThatCount_data();
    void groupsThatCount();
};

void TstCardSelection::groupsThatCount_data()
{
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::addColumn<QList<bool>>("suits");
    QTest::addColumn<QVector<int>>("groups");

    const QList<bool> all{true, true, true, true};
    QTest::addRow("every group") << true << true << all << QVector<int>{0, 1, 2, 3, 4};
    QTest::addRow("major and cups") << true << true << QList<bool>{true, false, false, false} << QVector<int>{0, 1};
    QTest::addRow("checked suits do not count while minor is off") << true << false << all << QVector<int>{0};
    QTest::addRow("one suit, the last") << false << true << QList<bool>{false, false, false, true} << QVector<int>{4};
    QTest::addRow("suits with a gap") << false << true << QList<bool>{true, false, true, false} << QVector<int>{1, 3};
    QTest::addRow("all suits without major") << false << true << all << QVector<int>{1, 2, 3, 4};
    QTest::addRow("major with wands and swords")
        << true << true << QList<bool>{false, true, false, true} << QVector<int>{0, 2, 4};
}

void TstCardSelection::groupsThatCount()
{
    QFETCH(bool, major);
    QFETCH(bool, minor);
    QFETCH(QList<bool>, suits);
    QFETCH(QVector<int>, groups);
    GroupChoice choice;
    choice.major = major;
    for (int i = 0; i < kSuitCount; ++i) {
        choice.suitChecked[i] = suits[i];
        choice.suitAvailable[i] = minor;
    }
    QCOMPARE(selectedGroups(choice), groups);
}

QTEST_APPLESS_MAIN(TstCardSelection)
#include "tst_cardselection.moc"
