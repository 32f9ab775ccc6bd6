// How note fields become card fields: the guessed mapping, markup to text,
// keywords, the picture's name and the group.

#include "flashcards/cardmapping.h"

#include <QtTest>

using namespace velmora::flashcards;

Q_DECLARE_METATYPE(velmora::flashcards::FieldMapping)

class TestCardMapping : public QObject
{
    Q_OBJECT

private slots:
    void guessMapping_fromFieldNames_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<FieldMapping>("expected");
        // name, group, keywords, upright, reversed, picture
        QTest::addRow("own export") << QStringList{"Name", "Group", "Picture", "Keywords", "Upright", "Reversed"}
                                    << FieldMapping{0, 1, 3, 4, 5, 2};
        QTest::addRow("meaning beside reversed meaning")
            << QStringList{"Card", "Key words", "Meaning", "Reversed meaning", "Image"}
            << FieldMapping{0, -1, 1, 2, 3, 4};
        QTest::addRow("reversed meaning listed first")
            << QStringList{"Reversed Meaning", "Upright Meaning", "Card Name", "Suit"}
            << FieldMapping{2, 3, -1, 1, 0, -1};
        QTest::addRow("card image is no card name")
            << QStringList{"Card image", "Title", "Normal"} << FieldMapping{1, -1, -1, 2, -1, 0};
        QTest::addRow("nothing known: the first field names the card")
            << QStringList{"Front", "Back"} << FieldMapping{0, -1, -1, -1, -1, -1};
        QTest::addRow("unknown names") << QStringList{"Alpha", "Beta"} << FieldMapping{0, -1, -1, -1, -1, -1};
    }
    void guessMapping_fromFieldNames()
    {
        QFETCH(QStringList, fields);
        QFETCH(FieldMapping, expected);
        const FieldMapping got = guessMapping(fields);
        QCOMPARE(got.name, expected.name);
        QCOMPARE(got.group, expected.group);
        QCOMPARE(got.keywords, expected.keywords);
        QCOMPARE(got.upright, expected.upright);
        QCOMPARE(got.reversed, expected.reversed);
        QCOMPARE(got.picture, expected.picture);
    }

    void guessMapping_pictureFromContentWhenNoNameSaysSo()
    {
        const QStringList fields{"Front", "Extra", "Back"};
        const QVector<QStringList> samples{{"The Fool", "", "A start"}, {"The Magician", "<img src='m.jpg'>", "Will"}};
        QCOMPARE(guessMapping(fields, samples).picture, 1);
    }

    void htmlToPlainText_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::addRow("tags and entities") << "<b>A</b> new&nbsp;<i>start</i> &amp; a &lt;leap&gt;"
                                           << "A new start & a <leap>";
        QTest::addRow("breaks and blocks") << "one<br>two<div>three</div>four<br/>"
                                           << "one\ntwo\nthree\nfour";
        QTest::addRow("numeric entities") << "&#9733; &#x263E; &#0; &#xD800;" << QString::fromUtf8("★ ☾ \uFFFD \uFFFD");
        QTest::addRow("script and style dropped") << "a<script>alert(1)</script><style>p{}</style>b"
                                                  << "ab";
        QTest::addRow("unknown entity kept") << "&bogus; &amp"
                                             << "&bogus; &amp";
        QTest::addRow("source line breaks are blanks") << "a\n  b"
                                                       << "a b";
    }
    void htmlToPlainText()
    {
        QFETCH(QString, html);
        QFETCH(QString, text);
        QCOMPARE(velmora::flashcards::htmlToPlainText(html), text);
    }

    void splitKeywords_onCommasAndSemicolonsUpToSeven()
    {
        const SplitKeywords split = splitKeywords(" union, partnership;attraction ,, love ; bond,trust,harmony,joy;x ");
        QCOMPARE(split.keywords,
                 QStringList({"union", "partnership", "attraction", "love", "bond", "trust", "harmony"}));
        QCOMPARE(split.dropped, 2);
        QVERIFY(splitKeywords(" ; , ").keywords.isEmpty());
    }

    void firstImageSource_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("source");
        QTest::addRow("double quotes, the first of two") << "x<img class=a src=\"a b.jpg\"><img src=\"c.jpg\">"
                                                         << "a b.jpg";
        QTest::addRow("single quotes") << "<IMG SRC='c.png'>"
                                       << "c.png";
        QTest::addRow("unquoted") << "<img src=d.gif alt=x>"
                                  << "d.gif";
        QTest::addRow("entities decoded") << "<img src=\"two &amp; three.png\">"
                                          << "two & three.png";
        QTest::addRow("data-src is no src") << "<img data-src=\"e.jpg\">"
                                            << "";
        QTest::addRow("none") << "no picture"
                              << "";
    }
    void firstImageSource()
    {
        QFETCH(QString, html);
        QFETCH(QString, source);
        QCOMPARE(velmora::flashcards::firstImageSource(html), source);
    }

    void groupFromText_namesAndTagsOfEveryGroup()
    {
        for (int group = 0; group < 5; ++group) {
            QCOMPARE(groupFromText(groupName(group)), std::optional<int>(group));
            QCOMPARE(groupFromText(groupTag(group)), std::optional<int>(group));
        }
        QCOMPARE(groupFromText("Coins"), std::optional<int>(3));
        QCOMPARE(groupFromText("<b>Rods</b>"), std::optional<int>(2));
        QCOMPARE(groupFromText("minor"), std::nullopt);
        QCOMPARE(groupFromText(""), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestCardMapping)
#include "tst_cardmapping.moc"
