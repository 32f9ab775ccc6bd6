#include "cputime.h"
#include "hostiledeck.h"
#include "hostilepictures.h"
#include "sampledeck.h"
#include "testhome.h"

#include "store/deck.h"
#include "store/pictures.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using velmora::test::TestHome;

namespace {

// 3x2 GIF written by an outside tool: red, with blue at (0,0) and green at (2,1).
const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0xf1, 0x00, 0x00,
                              0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x21,
                              0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x03,
                              0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x14, 0x0e, 0x51, 0x00, 0x3b};

QImage testPicture(int width = 60, int height = 100)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, width, height / 4, Qt::darkBlue);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QRect(width / 4, height / 2, width / 2, width / 2));
    return image;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home_ = std::make_unique<TestHome>();
        home_->makeFolders();
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
        QVERIFY(deck_.open(home_->filePath(QStringLiteral("tutor/Tutor1.vdk")), Access::ReadWrite));
        QVERIFY(test::addCards(deck_, {test::plainCard(1)}));
    }

    void cleanup()
    {
        deck_.close();
        home_.reset();
    }

    void foreignJpegAndGifBytes_areShownAtTheShownSizeAndTurned()
    {
        const QByteArray jpeg = test::encodedPicture(testPicture(600, 1000), "jpg");
        QVERIFY(deck_.savePicture(1, jpeg));
        PlainPictureHolder holder;
        QVERIFY(LoadPictureFromField(holder, deck_, 1, QSize(120, 120)));
        QCOMPARE(holder.picture().size(), QSize(72, 120));
        // A smaller picture is not blown up.
        QVERIFY(LoadPictureFromField(holder, deck_, 1, QSize(2000, 2000)));
        QCOMPARE(holder.picture().size(), QSize(600, 1000));
        QCOMPARE(deck_.picture(1), jpeg); // reading never changes the row

        QVERIFY(deck_.savePicture(1, QByteArray(reinterpret_cast<const char *>(kGif), sizeof(kGif))));
        QVERIFY(LoadPictureFromField(holder, deck_, 1));
        const QImage gif = holder.picture();
        QCOMPARE(gif.size(), QSize(3, 2));
        QCOMPARE((QList<QColor>{gif.pixelColor(0, 0), gif.pixelColor(1, 0), gif.pixelColor(2, 1)}),
                 (QList<QColor>{Qt::blue, Qt::red, Qt::green}));

        // Half a turn shows the picture upside down.
        const QImage upright = testPicture();
        QCOMPARE(turnedHalf(upright), upright.mirrored(true, true));
        QVERIFY(turnedHalf(QImage()).isNull());
    }

    // A picture is stored as a bitmap and replaces the old one whole; an empty
    // holder leaves the field as it is. Decrypted copies in the temporary
    // folder would outlive a killed program, so none is made.
    void storing_replacesOldPictureEntirelyAndLeavesNoFileBehind()
    {
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QImage fromJpeg = QImage::fromData(test::encodedPicture(testPicture(200, 300), "jpg"));
        PlainPictureHolder holder;
        holder.setPicture(fromJpeg);
        QVERIFY(SavePictureToField(holder, deck_, 1));
        QVERIFY(deck_.picture(1).startsWith("BM"));
        PlainPictureHolder shown;
        QVERIFY(LoadPictureFromField(shown, deck_, 1));
        QCOMPARE(shown.picture().convertToFormat(QImage::Format_RGB32), fromJpeg.convertToFormat(QImage::Format_RGB32));
        qunsetenv("TMPDIR");
        QCOMPARE(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

        holder.setPicture(testPicture(20, 30));
        QVERIFY(SavePictureToField(holder, deck_, 1));
        const QByteArray expected = test::encodedPicture(testPicture(20, 30), "bmp");
        QCOMPARE(deck_.picture(1), expected);
        PlainPictureHolder empty;
        QVERIFY(!SavePictureToField(empty, deck_, 1));
        QCOMPARE(deck_.picture(1), expected);
        // A card the deck does not hold is refused with a reason.
        QVERIFY(!SavePictureToField(holder, deck_, 99));
        QVERIFY(!deck_.errorText().isEmpty());
    }

    void badBytes_giveEmptyHolder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("null");
        const QByteArray jpeg = test::encodedPicture(testPicture(), "jpg");
        // A 35-byte GIF whose screen claims 8000 x 8000 pixels.
        QByteArray gif(reinterpret_cast<const char *>(kGif), sizeof(kGif));
        const quint16 gifSide = 8000;
        for (int at : {6, 8, 38, 40})
            memcpy(gif.data() + at, &gifSide, 2);
        QTest::newRow("Null field") << QByteArray() << true;
        QTest::newRow("zero bytes") << QByteArray("") << false;
        QTest::newRow("not an image") << QByteArray("this is plain text, not a picture") << false;
        QTest::newRow("truncated jpeg") << jpeg.left(40) << false;
        QTest::newRow("huge declared bitmap") << test::lyingBitmap(60000, 60000) << false;
        QTest::newRow("huge declared gif") << gif << false;
        // Each scan a pass over every pixel: a few kilobytes of it decode for minutes.
        QTest::newRow("one scan repeated past the limit")
            << test::scanBombJpeg(QSize(1000, 1000), kMaxJpegScans + 1) << false;
    }
    void badBytes_giveEmptyHolder()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, null);
        if (null)
            QVERIFY(test::rawExec(deck_.path(), QStringLiteral("UPDATE tblCards SET PictureData = NULL")));
        else
            QVERIFY(deck_.savePicture(1, bytes));
        PlainPictureHolder holder;
        holder.setPicture(testPicture()); // a previous card's picture must go
        const test::CpuTimer work;
        QVERIFY(!LoadPictureFromField(holder, deck_, 1));
        QVERIFY(holder.picture().isNull());
        QVERIFY2(work.elapsed() < 1000 * test::kSanitizerSlowdown, qPrintable(QString::number(work.elapsed())));
    }

    // The limit is on scans, not on progressive files; and a phone photo is
    // shown as the phone was held.
    void progressiveAndTurnedJpegs_areShownUpright()
    {
        const QImage allowed = decodePicture(test::scanBombJpeg(QSize(40, 60), kMaxJpegScans));
        QCOMPARE(allowed.size(), QSize(40, 60));
        const QByteArray jpeg = test::encodedPicture(test::twoToneImage(QSize(40, 60)), "jpg", 95);
        const QImage half = decodePicture(test::withOrientation(jpeg, 3));
        QVERIFY(QColor(half.pixel(20, 5)).lightness() > 150 && QColor(half.pixel(20, 55)).lightness() < 100);
        // A quarter turn clockwise, fitted to the shown size as it is seen.
        const QImage quarter = decodePicture(test::withOrientation(jpeg, 6), QSize(30, 20));
        QCOMPARE(quarter.size(), QSize(30, 20));
        QVERIFY(QColor(quarter.pixel(3, 10)).lightness() > 150 && QColor(quarter.pixel(27, 10)).lightness() < 100);
    }

private:
    std::unique_ptr<TestHome> home_;
    Deck deck_;
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
