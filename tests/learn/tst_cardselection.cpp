#include "learn/cardselection.h"

#include <QtTest>

using namespace velmora;

class TstCardSelection : public QObject
{
    Q_OBJECT

private slots:
    void sqlNamesTheGroupsThatCount_data();
    void sqlNamesTheGroupsThatCount();
};

void TstCardSelection::sqlNamesTheGroupsThatCount_data()
{
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::addColumn<QList<bool>>("suits");
    QTest::addColumn<QString>("sql");

    const QList<bool> all{true, true, true, true};
    QTest::addRow("every group") << true << true << all
                                 << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR "
                                    "(Group=4) ORDER BY ID";
    QTest::addRow("major and cups") << true << true << QList<bool>{true, false, false, false}
                                    << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) ORDER BY ID";
    QTest::addRow("checked suits do not count while minor is off")
        << true << false << all << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID";
    QTest::addRow("one suit, the last") << false << true << QList<bool>{false, false, false, true}
                                        << "SELECT * FROM tblCards WHERE (Group=4) ORDER BY ID";
    QTest::addRow("suits with a gap") << false << true << QList<bool>{true, false, true, false}
                                      << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=3) ORDER BY ID";
    QTest::addRow("all suits without major")
        << false << true << all
        << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID";
    QTest::addRow("major with wands and swords")
        << true << true << QList<bool>{false, true, false, true}
        << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=2) OR (Group=4) ORDER BY ID";
}

void TstCardSelection::sqlNamesTheGroupsThatCount()
{
    QFETCH(bool, major);
    QFETCH(bool, minor);
    QFETCH(QList<bool>, suits);
    QFETCH(QString, sql);
    GroupChoice choice;
    choice.major = major;
    for (int i = 0; i < kSuitCount; ++i) {
        choice.suitChecked[i] = suits[i];
        choice.suitAvailable[i] = minor;
    }
    QCOMPARE(BuildCardSelectionSql(choice), sql);
}

QTEST_APPLESS_MAIN(TstCardSelection)
#include "tst_cardselection.moc"
