#include "testhome.h"

#include "store/database.h"
#include "store/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTest>

using namespace velmora;
using velmora::test::TestHome;

namespace {

const QString kField = QStringLiteral("PictureData");

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

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

QStringList tempFiles()
{
    return QDir(TempFolder()).entryList({QStringLiteral("TMP*")}, QDir::Files);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tempFileNames_areNewEmptyAndDistinct();
    void jpegIn_bmpStored_samePictureBack();
    void foreignJpegAndGifBytes_areShown();
    void storing_replacesOldPictureEntirely();
    void badBytes_giveEmptyHolder_data();
    void badBytes_giveEmptyHolder();
    void turnedHalf_isUpsideDown();

private:
    std::unique_ptr<TestHome> home_;
    Database db_;
    ResultSet cards_;
    QTemporaryDir tempDir_;
};

void TestPictures::initTestCase()
{
    // A private temporary folder, so no other process's files are counted.
    QVERIFY(tempDir_.isValid());
    qputenv("TMPDIR", QFile::encodeName(tempDir_.path()));
    QCOMPARE(TempFolder(), tempDir_.path() + QLatin1Char('/'));
}

void TestPictures::init()
{
    home_ = std::make_unique<TestHome>();
    home_->makeFolders();
    QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
    QVERIFY(OpenDatabase(db_, home_->filePath(QStringLiteral("tutor/Tutor1.vdk"))));
    QVERIFY(OpenResultSet(cards_, db_, QStringLiteral("Select * from tblCards")));
    QVERIFY(cards_.addNew());
    cards_.setField(QStringLiteral("ID"), 1);
    QVERIFY(cards_.update());
}

void TestPictures::cleanup()
{
    QCOMPARE(tempFiles(), QStringList()); // every transfer removed its file
    cards_.release();
    db_.close();
    home_.reset();
}

void TestPictures::tempFileNames_areNewEmptyAndDistinct()
{
    QCOMPARE(withTrailingSeparator(QStringLiteral("/tmp")), QStringLiteral("/tmp/"));
    QCOMPARE(withTrailingSeparator(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
    const QString first = MakeTempFileName(QStringLiteral("TMP"));
    const QString second = MakeTempFileName(QStringLiteral("TMP"));
    QVERIFY(first != second);
    QVERIFY(first.startsWith(TempFolder() + QStringLiteral("TMP")));
    QCOMPARE(QFileInfo(first).size(), 0);
    QVERIFY(QFileInfo(second).isFile());
    QFile::remove(first);
    QFile::remove(second);
}

void TestPictures::jpegIn_bmpStored_samePictureBack()
{
    const QImage fromJpeg = QImage::fromData(encoded(testPicture(), "jpg"));
    QVERIFY(!fromJpeg.isNull());
    PlainPictureHolder holder;
    holder.setPicture(fromJpeg);
    QVERIFY(SavePictureToField(holder, cards_, kField));
    QVERIFY(cards_.update());

    ResultSet fresh;
    QVERIFY(OpenResultSet(fresh, db_, QStringLiteral("Select * from tblCards")));
    const QByteArray stored = fresh.field(kField).toByteArray();
    QVERIFY(stored.startsWith("BM"));
    PlainPictureHolder shown;
    QVERIFY(LoadPictureFromField(shown, fresh, kField));
    QCOMPARE(shown.picture().convertToFormat(QImage::Format_RGB32), fromJpeg.convertToFormat(QImage::Format_RGB32));
}

void TestPictures::foreignJpegAndGifBytes_areShown()
{
    const QByteArray jpeg = encoded(testPicture(), "jpg");
    cards_.setField(kField, jpeg);
    QVERIFY(cards_.update());
    PlainPictureHolder holder;
    QVERIFY(LoadPictureFromField(holder, cards_, kField));
    QCOMPARE(holder.picture().size(), QSize(60, 100));
    QCOMPARE(cards_.field(kField).toByteArray(), jpeg); // reading never changes the row

    cards_.setField(kField, QByteArray(reinterpret_cast<const char *>(kGif), sizeof(kGif)));
    QVERIFY(cards_.update());
    QVERIFY(LoadPictureFromField(holder, cards_, kField));
    const QImage gif = holder.picture();
    QCOMPARE(gif.size(), QSize(3, 2));
    QCOMPARE((QList<QColor>{gif.pixelColor(0, 0), gif.pixelColor(1, 0), gif.pixelColor(2, 1)}),
             (QList<QColor>{Qt::blue, Qt::red, Qt::green}));
}

// An empty holder leaves the field as it is; a picture replaces the old one whole.
void TestPictures::storing_replacesOldPictureEntirely()
{
    PlainPictureHolder holder;
    holder.setPicture(testPicture(200, 300));
    QVERIFY(SavePictureToField(holder, cards_, kField));
    QVERIFY(cards_.update());
    holder.setPicture(testPicture(20, 30));
    QVERIFY(SavePictureToField(holder, cards_, kField));
    QVERIFY(cards_.update());
    const QByteArray expected = encoded(testPicture(20, 30), "bmp");
    QCOMPARE(cards_.actualSize(kField), qint64(expected.size()));
    QCOMPARE(cards_.field(kField).toByteArray(), expected);

    PlainPictureHolder empty;
    QVERIFY(!SavePictureToField(empty, cards_, kField));
    QVERIFY(cards_.update());
    QCOMPARE(cards_.field(kField).toByteArray(), expected);
}

void TestPictures::badBytes_giveEmptyHolder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("null");
    const QByteArray jpeg = encoded(testPicture(), "jpg");
    // A bitmap header that declares 60000 x 60000 pixels.
    QByteArray huge = encoded(testPicture(4, 4), "bmp");
    const qint32 side = 60000;
    memcpy(huge.data() + 18, &side, 4);
    memcpy(huge.data() + 22, &side, 4);
    QTest::newRow("Null field") << QByteArray() << true;
    QTest::newRow("zero bytes") << QByteArray("") << false;
    QTest::newRow("not an image") << QByteArray("this is plain text, not a picture") << false;
    QTest::newRow("truncated jpeg") << jpeg.left(40) << false;
    QTest::newRow("huge declared size") << huge << false;
}

void TestPictures::badBytes_giveEmptyHolder()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, null);
    cards_.setField(kField, null ? QVariant() : QVariant(bytes));
    QVERIFY(cards_.update());
    PlainPictureHolder holder;
    holder.setPicture(testPicture()); // a previous card's picture must go
    QVERIFY(!LoadPictureFromField(holder, cards_, kField));
    QVERIFY(holder.picture().isNull());
}

void TestPictures::turnedHalf_isUpsideDown()
{
    const QImage upright = testPicture();
    const QImage turned = turnedHalf(upright);
    QCOMPARE(turned, upright.mirrored(true, true));
    QVERIFY(turnedHalf(QImage()).isNull());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
