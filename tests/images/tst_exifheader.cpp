#include "support/ExifJpegBuilder.h"
#include "support/TestSupport.h"

#include "images/ExifHeader.h"

#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

using Builder = ExifJpegBuilder;

namespace {

QByteArray thumbJpeg()
{
    return Builder::encodeJpeg(Builder::quadrants(160, 120), 95);
}

ExifHeader headerOf(const QByteArray &jpeg)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    ExifHeader header;
    header.loadFromJpeg(&buffer);
    return header;
}

// A typical camera block: make, EXIF dimensions, a GPS entry and a thumbnail.
Builder cameraBuilder(bool bigEndian, int orientation = 0)
{
    Builder builder(bigEndian);
    builder.addAscii(Builder::ImageDirectory, 0x010F, "Canon");
    builder.addShorts(Builder::ImageDirectory, 0x0112, {6});
    builder.addLongs(Builder::ExifDirectory, 0xA002, {6000});
    builder.addShorts(Builder::ExifDirectory, 0xA003, {4000});
    builder.add(Builder::ExifDirectory, {0x829A, 5, 1, {1, 250}, {}});
    builder.addLongs(Builder::ExifDirectory, 0xA005, {8});
    builder.add(Builder::GpsDirectory, {0x0002, 5, 3, {48, 1, 51, 1, 24, 1}, {}});
    builder.setThumbnail(thumbJpeg(), orientation);
    return builder;
}

// Dominant channel of a pixel, robust to JPEG noise.
QColor corner(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return QColor(c.red() > 128 ? 255 : 0, c.green() > 128 ? 255 : 0, c.blue() > 128 ? 255 : 0);
}

} // namespace

class TestExifHeader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bothByteOrdersReadTheSame()
    {
        const QImage main = Builder::quadrants(64, 48);
        const ExifHeader little = headerOf(cameraBuilder(false).photo(main));
        const ExifHeader big = headerOf(cameraBuilder(true).photo(main));
        QCOMPARE(little.byteOrder(), ExifHeader::LittleEndian);
        QCOMPARE(big.byteOrder(), ExifHeader::BigEndian);
        for (const ExifHeader *header : {&little, &big}) {
            QCOMPARE(header->exifValue(0xA002).toInteger(), 6000);
            QCOMPARE(header->exifValue(0xA003).toInteger(), 4000);
            QCOMPARE(header->imageValue(0x010F).toString(), QStringLiteral("Canon"));
            QCOMPARE(header->imageValue(0x010F).count(), 6u);
            QCOMPARE(header->imageValue(0x0112).toInteger(), 6);
            QCOMPARE(header->exifValue(0x829A).toRationalVector(), QVector<ExifURational>({{1, 250}}));
            QCOMPARE(header->gpsValue(0x0002).count(), 3u);
            QCOMPARE(header->gpsValue(0x0002).toRationalVector().at(1), ExifURational(51, 1));
            // Pointers to sub-directories are not values of their own.
            QVERIFY(header->imageValue(0x8769).isNull());
            QVERIFY(header->imageValue(0x8825).isNull());
            QVERIFY(header->exifValue(0xA005).isNull());
            QCOMPARE(header->thumbnailData(), thumbJpeg());
        }
        QCOMPARE(little.thumbnail(), big.thumbnail());
        QCOMPARE(little.thumbnail().size(), QSize(160, 120));
    }

    void onlyTheFirstApp1SegmentCounts()
    {
        const QByteArray xmp = Builder::segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 40));
        const ExifHeader header = headerOf(cameraBuilder(false).photo(Builder::quadrants(32, 32), xmp));
        QCOMPARE(header.thumbnail().width(), 0);
        QVERIFY(header.exifDirectory().isEmpty());
        // Other segments before the EXIF one are skipped.
        const QByteArray comment = Builder::segment(0xFE, "made by a test");
        QCOMPARE(headerOf(cameraBuilder(false).photo(Builder::quadrants(32, 32), comment)).thumbnail().width(), 160);
    }

    void thumbnailOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QVector<QColor>>("corners"); // top-left, top-right, bottom-left, bottom-right
        const QColor r(Qt::red), g(Qt::green), b(Qt::blue), w(Qt::white);
        const QSize landscape(160, 120), portrait(120, 160);
        QTest::newRow("none") << 0 << landscape << QVector<QColor>{r, g, b, w};
        QTest::newRow("1") << 1 << landscape << QVector<QColor>{r, g, b, w};
        QTest::newRow("2 mirror") << 2 << landscape << QVector<QColor>{g, r, w, b};
        QTest::newRow("3 half turn") << 3 << landscape << QVector<QColor>{w, b, g, r};
        QTest::newRow("4 flip") << 4 << landscape << QVector<QColor>{b, w, r, g};
        QTest::newRow("5 transpose") << 5 << portrait << QVector<QColor>{r, b, g, w};
        QTest::newRow("6 clockwise") << 6 << portrait << QVector<QColor>{b, r, w, g};
        QTest::newRow("7 transverse") << 7 << portrait << QVector<QColor>{w, g, b, r};
        QTest::newRow("8 counter-clockwise") << 8 << portrait << QVector<QColor>{g, w, r, b};
        QTest::newRow("9 unknown") << 9 << landscape << QVector<QColor>{r, g, b, w};
    }

    void thumbnailOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QVector<QColor>, corners);
        const QImage thumb = headerOf(cameraBuilder(true, orientation).photo(Builder::quadrants(32, 32))).thumbnail();
        QCOMPARE(thumb.size(), size);
        const int right = thumb.width() - 4, bottom = thumb.height() - 4;
        QCOMPARE(corner(thumb, 3, 3), corners[0]);
        QCOMPARE(corner(thumb, right, 3), corners[1]);
        QCOMPARE(corner(thumb, 3, bottom), corners[2]);
        QCOMPARE(corner(thumb, right, bottom), corners[3]);
    }

    void orientationOfAnotherTypeIsIgnored()
    {
        Builder builder(false);
        builder.setThumbnail(thumbJpeg());
        builder.addLongs(Builder::ThumbnailDirectory, 0x0112, {6});
        const ExifHeader header = headerOf(builder.photo(Builder::quadrants(16, 16)));
        QVERIFY(!header.thumbnailOrientation().isNull());
        QCOMPARE(header.thumbnail().size(), QSize(160, 120));
    }

    void pixelDimensionsAsShortLongOrList()
    {
        Builder builder(true);
        builder.addShorts(Builder::ExifDirectory, 0xA002, {3000});
        builder.addLongs(Builder::ExifDirectory, 0xA003, {2000});
        builder.addShorts(Builder::ExifDirectory, 0xA004, {7, 8});
        builder.addRaw(Builder::ExifDirectory, 0x9000, 1, 1, QByteArray(1, char(200)));
        builder.add(Builder::ExifDirectory, {0x9001, 9, 1, {quint32(-5)}, {}});
        const ExifHeader read = headerOf(builder.photo(Builder::quadrants(16, 16)));
        QCOMPARE(read.exifValue(0xA002).type(), int(ExifValue::Short));
        QCOMPARE(read.exifValue(0xA002).toInteger(), 3000);
        QCOMPARE(read.exifValue(0xA003).type(), int(ExifValue::Long));
        QCOMPARE(read.exifValue(0xA003).toInteger(), 2000);
        QCOMPARE(read.exifValue(0xA004).toShortVector(), QVector<quint16>({7, 8}));
        QCOMPARE(read.exifValue(0xA004).toInteger(), 0);
        QCOMPARE(read.exifValue(0x9000).toInteger(), 200);
        QCOMPARE(read.exifValue(0x9001).toInteger(), -5);
        QVERIFY(read.exifValue(0x1234).isNull());
        QCOMPARE(read.exifValue(0x1234).toInteger(), 0);
        QVERIFY(read.thumbnailData().isEmpty());
    }

    void unsupportedTypesAreLoggedAndSkipped()
    {
        Builder builder(false);
        builder.addRaw(Builder::ExifDirectory, 0x9204, 11, 1, QByteArray(4, '\x01'));
        builder.addRaw(Builder::ExifDirectory, 0x9205, 12, 1, QByteArray(8, '\x02'));
        builder.addLongs(Builder::ExifDirectory, 0xA002, {640});
        builder.setThumbnail(thumbJpeg());
        QTest::ignoreMessage(QtWarningMsg, "Invalid Ifd Type 11");
        QTest::ignoreMessage(QtWarningMsg, "Invalid Ifd Type 12");
        const ExifHeader header = headerOf(builder.photo(Builder::quadrants(16, 16)));
        QVERIFY(header.exifValue(0x9204).isNull());
        QVERIFY(header.exifDirectory().contains(0x9204));
        QCOMPARE(header.exifValue(0xA002).toInteger(), 640);
        QCOMPARE(header.thumbnail().width(), 160);
    }

    void withoutThumbnailDirectoryThereIsNoThumbnail()
    {
        Builder builder = cameraBuilder(false);
        builder.setWithoutThumbnailDirectory(true);
        const ExifHeader header = headerOf(builder.photo(Builder::quadrants(16, 16)));
        QCOMPARE(header.exifValue(0xA002).toInteger(), 6000);
        QVERIFY(header.thumbnailData().isEmpty());
        QCOMPARE(header.thumbnail().width(), 0);
    }

    void notExifGivesAnEmptyHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = cameraBuilder(false).photo(Builder::quadrants(16, 16));
        QByteArray badOrder = jpeg;
        badOrder.replace("Exif\0\0II", 8, "Exif\0\0IM", 8);
        QByteArray badMagic = jpeg;
        badMagic.replace(QByteArray("II*\0", 4), QByteArray("II+\0", 4));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("hello, this is not a JPEG");
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'x');
        QTest::newRow("plain jpeg") << Builder::encodeJpeg(Builder::quadrants(16, 16));
        QTest::newRow("soi only") << QByteArray("\xFF\xD8", 2);
        QTest::newRow("bad byte order") << badOrder;
        QTest::newRow("bad magic") << badMagic;
        QTest::newRow("zero segment length") << QByteArray("\xFF\xD8\xFF\xE0\x00\x00\xFF\xE1", 8);
        QTest::newRow("app1 cut short") << jpeg.left(40);
    }

    void notExifGivesAnEmptyHeader()
    {
        QFETCH(QByteArray, bytes);
        const ExifHeader header = headerOf(bytes);
        QVERIFY(header.imageDirectory().isEmpty() || bytes.size() == 40);
        QVERIFY(header.exifDirectory().isEmpty());
        QCOMPARE(header.thumbnail().width(), 0);
    }

    void unreadableFileGivesAnEmptyHeader()
    {
        QTemporaryDir dir;
        const ExifHeader missing(dir.filePath(QStringLiteral("absent.jpg")));
        QVERIFY(missing.imageDirectory().isEmpty());
        QCOMPARE(missing.thumbnail().width(), 0);
        QFile file(dir.filePath(QStringLiteral("photo.jpg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cameraBuilder(false, 6).photo(Builder::quadrants(16, 16)));
        file.close();
        QCOMPARE(ExifHeader(file.fileName()).thumbnail().size(), QSize(120, 160));
    }

    // Corrupt counts and offsets give null values; intact entries and the thumbnail survive.
    void corruptEntriesDoNotSpoilTheRest()
    {
        Builder builder(false);
        builder.addRaw(Builder::ExifDirectory, 0x9286, 7, 0xFFFFFFF0u, QByteArray("\xF0\xFF\x00\x00", 4));
        builder.add(Builder::ExifDirectory, {0x9003, 2, 20, {}, QByteArray("\x00\x00\x01\x00", 4)});
        builder.add(Builder::ExifDirectory, {0x829A, 5, 0x20000000u, {}, QByteArray(4, '\0')});
        builder.addLongs(Builder::ExifDirectory, 0xA002, {6000});
        builder.addLongs(Builder::ExifDirectory, 0xA003, {4000});
        builder.setThumbnail(thumbJpeg());
        const ExifHeader header = headerOf(builder.photo(Builder::quadrants(16, 16)));
        QVERIFY(header.exifValue(0x9286).isNull());
        QVERIFY(header.exifValue(0x9003).isNull());
        QVERIFY(header.exifValue(0x829A).isNull());
        QCOMPARE(header.exifValue(0xA002).toInteger(), 6000);
        QCOMPARE(header.thumbnail().size(), QSize(160, 120));
    }

    void truncatedBlockKeepsWhatIsThere()
    {
        const QByteArray block = cameraBuilder(true).tiffBlock();
        ExifHeader header;
        QVERIFY(header.read(block.left(block.size() - 1000)));
        QCOMPARE(header.exifValue(0xA002).toInteger(), 6000);
        QVERIFY(header.thumbnailData().size() < thumbJpeg().size());
        for (int cut = 0; cut < block.size(); cut += 7)
            header.read(block.left(cut));
    }

    // Directory offsets that point back at themselves or at each other must not loop.
    void selfReferencingDirectoriesEnd()
    {
        Builder builder(false);
        builder.addLongs(Builder::ImageDirectory, 0x0100, {1});
        QByteArray block = builder.tiffBlock();
        // The only directory's next-directory offset points back at itself.
        const int next = 8 + 2 + 12;
        block[next] = 8;
        ExifHeader header;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(header.read(block));
        QCOMPARE(header.imageValue(0x0100).toInteger(), 1);
        QVERIFY(header.thumbnailData().isEmpty());

        Builder pointers(false);
        pointers.addLongs(Builder::ExifDirectory, 0x8769, {8});
        pointers.addLongs(Builder::ExifDirectory, 0x0001, {2});
        QVERIFY(header.read(pointers.tiffBlock()));
        QCOMPARE(header.exifValue(0x0001).toInteger(), 2);
        QVERIFY(timer.elapsed() < 5000);
    }

    // Thousands of entries all pointing at one large value must not multiply the memory it takes.
    void repeatedLargeValuesStayBounded()
    {
        Builder builder(false);
        builder.addRaw(Builder::ImageDirectory, 0x9C9B, 1, 30000, QByteArray(30000, 'x'));
        QByteArray block = builder.tiffBlock();
        const QByteArray entry = block.mid(10, 12);
        QByteArray directory;
        const int entries = 2000;
        for (int i = 0; i < entries; ++i) {
            QByteArray copy = entry;
            copy[0] = char(i & 0xFF);
            copy[1] = char(i >> 8);
            directory += copy;
        }
        // Offsets of the moved value stay valid: put the new directory after the original block.
        const int start = block.size() + (block.size() & 1);
        block.append(QByteArray(start - block.size(), '\0'));
        block += char(entries & 0xFF);
        block += char(entries >> 8);
        block += directory + QByteArray(4, '\0');
        block[4] = char(start & 0xFF);
        block[5] = char((start >> 8) & 0xFF);
        ExifHeader header;
        QVERIFY(header.read(block));
        QCOMPARE(header.imageDirectory().size(), entries);
        qint64 kept = 0;
        for (const ExifValue &value : header.imageDirectory())
            kept += value.toByteVector().size();
        QVERIFY(kept > 0);
        QVERIFY(kept <= 4 * block.size());
    }

    // An embedded thumbnail announcing 20000 x 20000 pixels is refused, not decoded: progressive,
    // it would need gigabytes even reduced.
    void hugeThumbnailIsRefused()
    {
        QByteArray thumb = thumbJpeg();
        const int sof = thumb.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        const char side[2] = {char(20000 >> 8), char(20000 & 0xFF)};
        thumb.replace(sof + 5, 2, side, 2);
        thumb.replace(sof + 7, 2, side, 2);
        Builder builder(false);
        builder.setThumbnail(thumb);
        QVERIFY(headerOf(builder.photo(Builder::quadrants(16, 16))).thumbnail().isNull());
    }

    void valuesShareTheNullInstance()
    {
        const ExifValue a;
        const ExifValue b = ExifHeader().exifValue(0xA002);
        QVERIFY(a.isNull());
        QVERIFY(b.isNull());
        QCOMPARE(a.type(), int(ExifValue::Byte));
        QCOMPARE(a.count(), 0u);
        QVERIFY(!ExifValue::fromBytes({}).isNull());
        QCOMPARE(ExifValue::fromAscii(QStringLiteral("abc")).count(), 4u);
        QVERIFY(ExifValue::fromLongs({1}).toShortVector().isEmpty());
    }

    // Inputs the fuzzer once found troublesome; reading them must simply end.
    void regressionInputs()
    {
        const QString dir = QString::fromUtf8(PICTOVIA_TESTS_DIR "/images/exif-regressions");
        QVERIFY(QDir(dir).exists());
        QDirIterator it(dir, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            headerOf(bytes).thumbnail();
            ExifHeader block;
            block.read(bytes);
            block.thumbnail();
        }
    }
};

PICTOVIA_TEST_MAIN(TestExifHeader)
#include "tst_exifheader.moc"
