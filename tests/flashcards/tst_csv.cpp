// CSV as RFC 4180 has it, and as spreadsheets write it.

#include "flashcards/csv.h"

#include <QtTest>

using namespace velmora::flashcards;

using Rows = QVector<QStringList>;
Q_DECLARE_METATYPE(Rows)

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void parseCsv_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Rows>("rows");
        QTest::addRow("plain, CR LF") << QByteArray("a,b\r\nc,d\r\n") << Rows{{"a", "b"}, {"c", "d"}};
        QTest::addRow("LF alone, no last line end") << QByteArray("a,b\nc,") << Rows{{"a", "b"}, {"c", ""}};
        QTest::addRow("quoted comma, quote and line break")
            << QByteArray("\"x, y\",\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\n")
            << Rows{{"x, y", "say \"hi\"", "one\r\ntwo"}};
        QTest::addRow("byte order mark, UTF-8")
            << QByteArray("\xEF\xBB\xBFName\r\nL\xC3\xA9 Monde\r\n") << Rows{{"Name"}, {QString::fromUtf8("Lé Monde")}};
        QTest::addRow("empty quoted field at the end") << QByteArray("a,\"\"") << Rows{{"a", ""}};
        QTest::addRow("quote inside an unquoted field") << QByteArray("5\" tall,b") << Rows{{"5\" tall", "b"}};
    }
    void parseCsv()
    {
        QFETCH(QByteArray, text);
        QFETCH(Rows, rows);
        QString error;
        const auto parsed = velmora::flashcards::parseCsv(text, error);
        QVERIFY2(parsed, qPrintable(error));
        QCOMPARE(*parsed, rows);
    }

    void parseCsv_refusesBrokenQuotingWithTheLine()
    {
        QString error;
        QVERIFY(!velmora::flashcards::parseCsv("a,b\r\n\"open,c\r\nd", error));
        QCOMPARE(error, QStringLiteral("line 3: a quote is never closed"));
        QVERIFY(!velmora::flashcards::parseCsv("a\r\n\"q\"x,b", error));
        QCOMPARE(error, QStringLiteral("line 2: text after a closing quote"));
    }

    void csvText_readsBackAsWritten()
    {
        const Rows rows{{"Name", "Upright"}, {"The \"Fool\"", "a, b\nc"}, {"", "plain"}};
        QString error;
        QCOMPARE(*velmora::flashcards::parseCsv(csvText(rows), error), rows);
        QVERIFY(csvText(rows).endsWith("\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
