#include "filebytes.h"
#include "hostilepictures.h"
#include "sampledeck.h"

#include "design/cardwriter.h"
#include "design/designrules.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::GroupOptions)

namespace {

QByteArray pngHeader(quint32 width, quint32 height)
{
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray bytes = test::encodedPicture(small, "PNG");
    // IHDR's width and height sit at bytes 16..23, its CRC (over type and data) at 29..32.
    const auto put = [&bytes](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((value >> (24 - 8 * i)) & 0xFF);
    };
    put(16, width);
    put(20, height);
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    put(29, crc ^ 0xFFFFFFFFu);
    return bytes;
}

// A real picture whose file is small but whose pixels need more than the limit.
QByteArray inflating()
{
    QImage image(6000, 6000, QImage::Format_Mono);
    image.fill(0);
    return test::encodedPicture(image, "PNG");
}

} // namespace

class TstDesignRules : public QObject
{
    Q_OBJECT

private slots:
    void meaningLimit_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString normal = QStringLiteral("Normal Meaning can be maximum of 360 characters");
        const QString reversed = QStringLiteral("Reverse Meaning can be maximum of 360 characters");
        // Characters, not bytes nor UTF-16 units: a non-ASCII letter and an emoji count once.
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8C\x99");
        QTest::addRow("normal 360") << int(Meaning::Normal) << QString(360, QChar(0x00E9)) << QString();
        QTest::addRow("normal 361") << int(Meaning::Normal) << QString(361, QChar(0x00E9)) << normal;
        QTest::addRow("reversed 360 emoji") << int(Meaning::Reversed) << emoji.repeated(360) << QString();
        QTest::addRow("reversed 361 emoji") << int(Meaning::Reversed) << emoji.repeated(361) << reversed;
    }

    void meaningLimit()
    {
        QFETCH(int, which);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const auto result = meaningTooLong(Meaning(which), text);
        QCOMPARE(result.value_or(QString()), message);
    }

    void groups_data()
    {
        QTest::addColumn<GroupOptions>("options");
        QTest::addColumn<int>("forSave"); // -1: none
        QTest::addColumn<int>("suit");
        QTest::addRow("major") << GroupOptions{true, false, false, false, false, false} << 0 << -1;
        QTest::addRow("major with a stale suit") << GroupOptions{true, false, false, true, false, false} << 0 << 2;
        QTest::addRow("minor cups") << GroupOptions{false, true, true, false, false, false} << 1 << 1;
        QTest::addRow("minor swords") << GroupOptions{false, true, false, false, false, true} << 4 << 4;
        QTest::addRow("minor without suit") << GroupOptions{false, true, false, false, false, false} << -1 << -1;
        QTest::addRow("nothing") << GroupOptions{} << -1 << -1;
    }

    void groups()
    {
        QFETCH(GroupOptions, options);
        QFETCH(int, forSave);
        QFETCH(int, suit);
        QCOMPARE(groupForSave(options).value_or(-1), forSave);
        QCOMPARE(suitGroup(options).value_or(-1), suit);
    }

    void storedGroupOutsideRange_leavesOptions()
    {
        QVERIFY(!optionsForGroup(5, {}).has_value());
        QVERIFY(!optionsForGroup(-1, {}).has_value());
        const auto pentacles = optionsForGroup(3, GroupOptions{true, false, true, false, false, false});
        QVERIFY(pentacles);
        QVERIFY(!pentacles->major && pentacles->minor && pentacles->pentacles && !pentacles->cups);
        QCOMPARE(shownCardName(QString()), QStringLiteral("Card 1"));
        QCOMPARE(shownCardName(QStringLiteral("")), QStringLiteral(""));
    }

    void preview_data()
    {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QRect>("drawn");
        const QSizeF box(2325, 3675);
        QTest::addRow("small: stretched to the fixed size") << QSizeF(1500, 1500) << QRect(50, 30, 2225, 3615);
        QTest::addRow("exactly box wide: fixed width") << QSizeF(box.width(), 100) << QRect(50, 30, 2225, 3615);
        QTest::addRow("twice as wide, short: full width") << QSizeF(4650, 1000) << QRect(0, 30, 2325, 3615);
        QTest::addRow("very tall: proportions at full height") << QSizeF(1000, 7350) << QRect(606, 0, 1112, 3675);
        QTest::addRow("wide and tall: both scaled") << QSizeF(4650, 14700) << QRect(581, 0, 1162, 3675);
    }

    void preview()
    {
        QFETCH(QSizeF, picture);
        QFETCH(QRect, drawn);
        const QRect got = fitPictureRect(picture, QSizeF(2325, 3675), QSizeF(2225, 3615));
        QVERIFY2(
            qAbs(got.x() - drawn.x()) <= 1 && qAbs(got.y() - drawn.y()) <= 1 &&
                qAbs(got.width() - drawn.width()) <= 1 && qAbs(got.height() - drawn.height()) <= 1,
            qPrintable(QStringLiteral("%1,%2 %3x%4").arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
    }

    void choice_limitDuplicateAndDelete()
    {
        PictureChoice none(0);
        QCOMPARE(none.add(QStringLiteral("/p/a.jpg")), PictureChoice::Refusal::Limit);
        QCOMPARE(limitMessage(none.slotsAtOpening()),
                 QStringLiteral("0 Pictures already added\nYou cannot add any more pictures"));

        PictureChoice two(2);
        QCOMPARE(two.add(QStringLiteral("/p/a.jpg")), PictureChoice::Refusal::None);
        QCOMPARE(two.add(QStringLiteral("/P/A.JPG")), PictureChoice::Refusal::Duplicate);
        QCOMPARE(two.freeSlots(), 1);
        QCOMPARE(two.add(QStringLiteral("/p/b.jpg")), PictureChoice::Refusal::None);
        QCOMPARE(two.add(QStringLiteral("/p/c.jpg")), PictureChoice::Refusal::Limit);
        QVERIFY(two.remove(0));
        QCOMPARE(two.add(QStringLiteral("/p/c.jpg")), PictureChoice::Refusal::None);
        QCOMPARE(two.files(), QStringList({QStringLiteral("/p/b.jpg"), QStringLiteral("/p/c.jpg")}));
        QCOMPARE(two.slotsAtOpening(), 2);
        QVERIFY(!PictureChoice(3).remove(0));
    }

    void targets_data()
    {
        QTest::addColumn<QVector<bool>>("hasPicture");
        QTest::addColumn<int>("files");
        QTest::addColumn<QVector<int>>("targets");
        QTest::addRow("cards 1, 2 and 4 lack, two files")
            << QVector<bool>{false, false, true, false} << 2 << QVector<int>{0, 1};
        QTest::addRow("skips cards with pictures")
            << QVector<bool>{true, false, true, false} << 2 << QVector<int>{1, 3};
        QTest::addRow("more files than free cards") << QVector<bool>{true, false} << 3 << QVector<int>{1};
        QTest::addRow("all have pictures") << QVector<bool>{true, true} << 1 << QVector<int>{};
    }

    void targets()
    {
        QFETCH(QVector<bool>, hasPicture);
        QFETCH(int, files);
        QFETCH(QVector<int>, targets);
        QCOMPARE(pictureTargets(hasPicture, files), targets);
    }

    void pictureFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // a part of the message; empty: readable
        QTest::addRow("a picture") << test::jpegPicture(QSize(100, 170), Qt::darkGreen) << QString();
        QTest::addRow("not a picture") << QByteArray("plain text, not a picture") << QStringLiteral("not a picture");
        QTest::addRow("header claims 60000 x 60000") << pngHeader(60000, 60000) << QStringLiteral("too large");
        // A file name is text of its own: a placeholder in it takes no number meant for the message.
        QTest::addRow("named with %%3") << pngHeader(60000, 60000)
                                        << QStringLiteral("too large (60000 x 60000 pixels)");
        QTest::addRow("small file, huge picture") << inflating() << QStringLiteral("too large");
        QTest::addRow("empty file") << QByteArray() << QStringLiteral("not a picture");
        // Not files: the bytes name what makeSpecialFile() puts in the file's place.
        QTest::addRow("pipe") << QByteArray("pipe") << QStringLiteral("is a pipe");
        QTest::addRow("device") << QByteArray("device") << QStringLiteral("is a device");
        QTest::addRow("dangling") << QByteArray("dangling")
                                  << QStringLiteral("is a link to a file that does not exist");
    }

    void pictureFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString path = dir_.filePath(QStringLiteral("%1.jpg").arg(QLatin1String(QTest::currentDataTag())));
        if (error.startsWith(QLatin1String("is a"))) {
            QVERIFY(test::makeSpecialFile(path, QString::fromLatin1(bytes)));
        } else {
            QVERIFY(test::writeFile(path, bytes));
        }
        const PictureFile read = readPictureFile(path);
        if (error.isEmpty()) {
            QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
            QCOMPARE(read.image.size(), QSize(100, 170));
        } else {
            QVERIFY(read.image.isNull());
            QVERIFY2(read.error.contains(error), qPrintable(read.error));
            QVERIFY2(read.error.startsWith(QFileInfo(path).fileName()), qPrintable(read.error));
        }
        QVERIFY(
            readPictureFile(dir_.filePath(QStringLiteral("missing.jpg"))).error.contains(QLatin1String("missing.jpg")));
    }

    // Compact keeps a JPEG file's bytes, decoded only as large as shown, and makes others JPEG.
    void pictureFile_storedBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("compact");
        QTest::addColumn<QByteArray>("head"); // of the stored bytes; empty: the file's own bytes
        QImage see(QSize(1000, 1700), QImage::Format_ARGB32);
        see.fill(Qt::transparent);
        QPainter(&see).fillRect(100, 0, 900, 1700, Qt::darkBlue);
        const QByteArray jpeg = test::encodedPicture(see, "jpeg", 92);
        QTest::addRow("JPEG, compact") << jpeg << true << QByteArray();
        QTest::addRow("PNG, compact") << test::encodedPicture(see, "png") << true << QByteArray("\xFF\xD8");
        QTest::addRow("JPEG, BMP") << jpeg << false << QByteArray("BM");
    }

    void pictureFile_storedBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, compact);
        QFETCH(QByteArray, head);
        const QString path = dir_.filePath(QStringLiteral("stored.jpg"));
        QVERIFY(test::writeFile(path, bytes));
        const PictureFile read = readPictureFile(path, compact ? StoredForm::Compact : StoredForm::Bmp, QSize(50, 85));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.size, QSize(1000, 1700));
        QCOMPARE(read.image.size(), head.isEmpty() ? QSize(50, 85) : QSize(1000, 1700));
        QVERIFY(head.isEmpty() ? read.stored == bytes : read.stored.startsWith(head));
        const QImage decoded = QImage::fromData(read.stored);
        QCOMPARE(decoded.size(), QSize(1000, 1700));
        if (head.startsWith('\xFF')) // the PNG's transparent corner, on white
            QVERIFY(QColor(decoded.pixel(10, 10)).lightness() > 240);
    }

    // What is stored is upright and no larger than its pixels need, however
    // the file came: the pictures are decoded by readers that know no tags.
    void pictureFile_turnedOrBulkyJpeg_storedUprightAndLean_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<qint64>("padding");
        QTest::addColumn<bool>("compact");
        QTest::addRow("half turn, BMP") << 3 << qint64(0) << false;
        QTest::addRow("half turn, compact") << 3 << qint64(0) << true;
        QTest::addRow("quarter turn, compact") << 6 << qint64(0) << true;
        QTest::addRow("59 MB of EXIF, compact") << 1 << qint64(59'000'000) << true;
    }
    void pictureFile_turnedOrBulkyJpeg_storedUprightAndLean()
    {
        QFETCH(int, orientation);
        QFETCH(qint64, padding);
        QFETCH(bool, compact);
        const QByteArray jpeg = test::encodedPicture(test::twoToneImage(QSize(300, 500)), "jpg", 92);
        const QString path = dir_.filePath(QStringLiteral("phone.jpg"));
        QVERIFY(test::writeFile(path, test::withPadding(test::withOrientation(jpeg, orientation), padding)));
        const PictureFile read = readPictureFile(path, compact ? StoredForm::Compact : StoredForm::Bmp, QSize(60, 100));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        const QImage stored = QImage::fromData(read.stored);
        const bool quarter = orientation == 6;
        QCOMPARE(stored.size(), quarter ? QSize(500, 300) : QSize(300, 500));
        QCOMPARE(read.size, stored.size());
        const QPoint light = orientation == 1 ? QPoint(150, 450) : quarter ? QPoint(50, 150) : QPoint(150, 50);
        QVERIFY(QColor(stored.pixel(light)).lightness() > 150);
        if (compact)
            QVERIFY2(read.stored.size() < jpeg.size() * 2, qPrintable(QString::number(read.stored.size())));
        if (padding > 0)
            qInfo("%lld bytes of file stored as %lld", qint64(QFileInfo(path).size()), qint64(read.stored.size()));
    }

    // A burst of edits waiting for the writer becomes one: each field and
    // keyword slot ends as the last edit that wrote it left it, and what only
    // an earlier edit wrote is still written.
    void cardEdit_mergeKeepsEarlierSlotsAndFields_data()
    {
        QTest::addColumn<QStringList>("earlierSlots");
        QTest::addColumn<unsigned>("earlierMask");
        QTest::addColumn<QStringList>("laterSlots");
        QTest::addColumn<unsigned>("laterMask");
        QTest::addColumn<QStringList>("merged");
        QTest::addColumn<unsigned>("mask");
        const QStringList none(kSlotsPerCard, QString());
        QTest::addRow("apart") << QStringList{"a", "", "c", "", "", "", ""} << 0b0000101u
                               << QStringList{"", "", "", "", "", "f", ""} << 0b0100000u
                               << QStringList{"a", "", "c", "", "", "f", ""} << 0b0100101u;
        QTest::addRow("same slot, later wins")
            << QStringList{"a", "", "c", "", "", "", ""} << 0b0000101u << QStringList{"", "", "C", "", "", "", ""}
            << 0b0000100u << QStringList{"a", "", "C", "", "", "", ""} << 0b0000101u;
        QTest::addRow("later empties a slot")
            << QStringList{"a", "", "", "", "", "", ""} << 0b0000001u << none << 0b0000001u << none << 0b0000001u;
        QTest::addRow("earlier wrote no slot, short list")
            << QStringList{} << 0u << QStringList{"", "", "", "", "", "", "g"} << 0b1000000u
            << QStringList{"", "", "", "", "", "", "g"} << 0b1000000u;
        QTest::addRow("later writes no slot") << QStringList{"", "b", "", "", "", "", ""} << 0b0000010u << QStringList{}
                                              << 0u << QStringList{"", "b", "", "", "", "", ""} << 0b0000010u;
    }

    void cardEdit_mergeKeepsEarlierSlotsAndFields()
    {
        QFETCH(QStringList, earlierSlots);
        QFETCH(unsigned, earlierMask);
        QFETCH(QStringList, laterSlots);
        QFETCH(unsigned, laterMask);
        QFETCH(QStringList, merged);
        QFETCH(unsigned, mask);
        CardEdit earlier;
        earlier.card =
            Card{4, QStringLiteral("Old name"), 1, QStringLiteral("upright"), QStringLiteral("old reversed")};
        earlier.number = 4;
        earlier.fields = kCardNormalMeaning | kCardReversedMeaning;
        earlier.keywordSlots = earlierSlots;
        earlier.slotMask = earlierMask;
        CardEdit later;
        later.card = Card{4, QStringLiteral("New name"), 3, QString(), QStringLiteral("reversed")};
        later.number = 5;
        later.fields = kCardReversedMeaning | kCardGroup;
        later.keywordSlots = laterSlots;
        later.slotMask = laterMask;

        earlier.merge(later);

        QCOMPARE(earlier.slotMask, mask);
        for (int k = 0; k < kSlotsPerCard; ++k) {
            if (mask & (1u << k))
                QCOMPARE(earlier.keywordSlots.value(k), merged.value(k));
        }
        QCOMPARE(earlier.fields, unsigned(kCardNormalMeaning | kCardReversedMeaning | kCardGroup));
        QCOMPARE(earlier.card.normalMeaning, QStringLiteral("upright"));
        QCOMPARE(earlier.card.reversedMeaning, QStringLiteral("reversed"));
        QCOMPARE(earlier.card.group, 3);
        QCOMPARE(earlier.card.name, QStringLiteral("New name"));
        QCOMPARE(earlier.number, 5);
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TstDesignRules)
#include "tst_designrules.moc"
