#include "fakes.h"
#include "readings/journalmodel.h"
#include "readings/reading.h"

#include <QTest>

using namespace velmora::readings;
using velmora::test::ScriptedRandom;

class TstReading : public QObject
{
    Q_OBJECT

private slots:
    void drawSpread_takesEachCardOnce_data()
    {
        QTest::addColumn<int>("pool");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("reversedAllowed");
        QTest::addColumn<QList<double>>("numbers");
        QTest::addColumn<QString>("drawn"); // index, and "r" when reversed
        // The same number every time still gives three different cards.
        QTest::newRow("first left, upright") << 10 << 3 << false << QList<double>{0.0} << "0 1 2";
        QTest::newRow("last left each time") << 5 << 3 << false << QList<double>{0.99} << "4 0 1";
        QTest::newRow("coin for reversal") << 10 << 2 << true << QList<double>{0.5, 0.7, 0.1, 0.2} << "5r 1";
        QTest::newRow("no reversal without the option") << 10 << 1 << false << QList<double>{0.5, 0.9} << "5";
        QTest::newRow("pool smaller than spread") << 2 << 5 << false << QList<double>{0.99} << "1 0";
        QTest::newRow("empty pool") << 0 << 3 << true << QList<double>{0.5} << "";
    }
    void drawSpread_takesEachCardOnce()
    {
        QFETCH(int, pool);
        QFETCH(int, count);
        QFETCH(bool, reversedAllowed);
        QFETCH(QList<double>, numbers);
        QFETCH(QString, drawn);
        ScriptedRandom random(numbers);
        QStringList got;
        for (const Draw &draw : drawSpread(pool, count, reversedAllowed, random))
            got.append(QString::number(draw.index) + (draw.reversed ? QStringLiteral("r") : QString()));
        QCOMPARE(got.join(QLatin1Char(' ')), drawn);
    }

    void search_needsEveryWordInQuestionOrInterpretation_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("found");
        QTest::newRow("nothing typed") << "  " << true;
        QTest::newRow("case ignored") << "CAREER" << true;
        QTest::newRow("words in both boxes") << "career patience" << true;
        QTest::newRow("one word missing") << "career money" << false;
        QTest::newRow("deck name is not searched") << "Rider" << false;
    }
    void search_needsEveryWordInQuestionOrInterpretation()
    {
        QFETCH(QString, search);
        QFETCH(bool, found);
        Reading reading;
        reading.deckName = QStringLiteral("Rider");
        reading.question = QStringLiteral("My career?");
        reading.interpretation = QStringLiteral("Patience first.");
        QCOMPARE(readingMatches(reading, search), found);
    }

    // The journal folds each reading once and searches the folded texts: they
    // fold exactly as Qt folds the whole text, whatever the writing.
    void searchableText_foldsAsQtFoldsTheWholeText_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("interpretation");
        QString ascii;
        for (char16_t c = 0; c < 0x80; ++c)
            ascii += QChar(c);
        QTest::newRow("every ASCII character") << ascii << QStringLiteral("THE END");
        QTest::newRow("accents after ASCII") << QStringLiteral("Été à PARIS?") << QStringLiteral("ÇA VA, Ökonomie");
        QTest::newRow("sharp s, dotted I, Kelvin") << QStringLiteral("STRAßE İstanbul") << QStringLiteral("5 \u212A");
        QTest::newRow("Greek and Cyrillic") << QStringLiteral("ΣΟΦΙΑ") << QStringLiteral("МУДРОСТЬ");
        QTest::newRow("beyond the basic plane") << QStringLiteral("Card \U00010400") << QStringLiteral("\U0001D400 X");
        QTest::newRow("lone surrogates") << QString::fromUtf16(u"AB\xD801"
                                                               u"CD")
                                         << QString::fromUtf16(u"X\xDC00y\xD800");
        QTest::newRow("empty") << QString() << QString();
    }
    void searchableText_foldsAsQtFoldsTheWholeText()
    {
        QFETCH(QString, question);
        QFETCH(QString, interpretation);
        Reading reading;
        reading.question = question;
        reading.interpretation = interpretation;
        QCOMPARE(searchableText(reading), QString(question + QLatin1Char('\n') + interpretation).toCaseFolded());
    }

    // What the list shows for a search is what readingMatches() finds, with
    // the list limited to some readings or not, and with the folded texts
    // made by the model or handed to it.
    void journalModel_findsWhatReadingMatchesFinds()
    {
        const QStringList texts{QStringLiteral("Été à Paris|Patience first."),
                                QStringLiteral("My CAREER?|Straße, then rest."), QStringLiteral("career change|ÉTÉ"),
                                QStringLiteral("|"), QStringLiteral("Work\U00010400|week 12 ahead")};
        QVector<Reading> readings;
        for (int i = 0; i < texts.size(); ++i) {
            Reading reading;
            reading.id = i + 1;
            reading.question = texts[i].section(QLatin1Char('|'), 0, 0);
            reading.interpretation = texts[i].section(QLatin1Char('|'), 1);
            readings.append(reading);
        }
        JournalModel made;
        made.setReadings(readings);
        JournalModel given;
        given.setReadings(readings, JournalModel::searchableTexts(readings));
        const QStringList searches{QString(),
                                   QStringLiteral("  "),
                                   QStringLiteral("été"),
                                   QStringLiteral("ETE"),
                                   QStringLiteral("strasse"),
                                   QStringLiteral("STRAẞE"),
                                   QStringLiteral("career rest"),
                                   QStringLiteral("paris\npatience"),
                                   QStringLiteral("\U00010428"),
                                   QStringLiteral("week 12"),
                                   QStringLiteral("x")};
        for (const std::optional<QSet<qint64>> &only :
             {std::optional<QSet<qint64>>(), std::optional(QSet<qint64>{2, 3, 4})}) {
            made.setOnly(only);
            given.setOnly(only);
            for (const QString &search : searches) {
                made.setSearch(search);
                given.setSearch(search);
                QList<qint64> expected;
                for (const Reading &reading : std::as_const(readings)) {
                    if ((!only || only->contains(reading.id)) && readingMatches(reading, search))
                        expected.append(reading.id);
                }
                for (JournalModel *model : {&made, &given}) {
                    QList<qint64> shown;
                    for (int row = 0; row < model->rowCount(); ++row)
                        shown.append(model->index(row).data(Qt::UserRole).toLongLong());
                    QVERIFY2(shown == expected, qPrintable(search));
                }
            }
        }
    }

    void markdown_escapesWhatTheLearnerWroteAndNamesPictures()
    {
        Reading reading;
        reading.made = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        reading.deckName = QStringLiteral("My *best* deck");
        reading.spread = Spread::ThreeCards;
        reading.question = QStringLiteral("# not a heading <b> [see](x)");
        reading.interpretation = QStringLiteral("1. first\n- second\n\n");
        reading.cards = {{1, QStringLiteral("The Fool"), false, QStringLiteral("start, leap"), {}},
                         {2, QStringLiteral("The Tower"), true, QStringLiteral("fall"), {}},
                         {3, QStringLiteral("The Star"), false, {}, {}}};
        const QString text = journalMarkdown({reading, reading});
        QCOMPARE(text.count(QStringLiteral("\n## ")), 2);
        QVERIFY(text.contains(QStringLiteral("## Monday, 7 December 2026 09:30: Three cards, My \\*best\\* deck\n")));
        // Either bracket left bare would make the question a link.
        QVERIFY(text.contains(QStringLiteral("**Question:** \\# not a heading \\<b\\> \\[see\\](x)\n")));
        QVERIFY(text.contains(QStringLiteral("- **Present:** The Tower (reversed). Picture: The Tower of My \\*best\\* "
                                             "deck. Keywords: fall.\n")));
        QVERIFY(text.contains(QStringLiteral("1\\. first\\\n\\- second\n")));
        QVERIFY(!text.contains(QStringLiteral("![")));
    }

    void dayCard_readsBackOnlyWhatWasWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("written") << dayCardText({QDate(2026, 12, 7), QStringLiteral("Tutor1.vdk"), 12, true}) << true;
        QTest::newRow("no date") << "x|12|R|Tutor1.vdk" << false;
        QTest::newRow("no number") << "2026-12-07|a|R|Tutor1.vdk" << false;
        QTest::newRow("odd orientation") << "2026-12-07|12|X|Tutor1.vdk" << false;
        QTest::newRow("no deck") << "2026-12-07|12|U|" << false;
        QTest::newRow("empty") << "" << false;
    }
    void dayCard_readsBackOnlyWhatWasWritten()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<DayCard> card = dayCardFromText(text);
        QCOMPARE(card.has_value(), valid);
        if (valid)
            QVERIFY(card->reversed && card->cardId == 12 && card->day == QDate(2026, 12, 7));
    }
};

QTEST_GUILESS_MAIN(TstReading)
#include "tst_reading.moc"
