#include "support/TestSupport.h"

#include "support/ExifJpegBuilder.h"

#include "images/ImageDecoder.h"
#include "images/ImageLoading.h"
#include "images/PictureMemory.h"

#include <sys/stat.h>
#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestImageLoading : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    static QByteArray encoded(const QImage &image, const char *format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    // Peak resident memory of this process in kB.
    static qint64 peakResidentKb()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        return 0;
    }

    static quint32 crc32(const QByteArray &bytes)
    {
        quint32 crc = 0xFFFFFFFFu;
        for (char byte : bytes) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    }

    static QImage picture(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return image;
    }

private Q_SLOTS:
    void scaledLoadCoversTheBox_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("jpeg landscape") << QByteArray("JPG") << QSize(600, 400) << 150 << 150 << QSize(225, 150);
        QTest::newRow("jpeg portrait") << QByteArray("JPG") << QSize(400, 600) << 150 << 150 << QSize(150, 225);
        QTest::newRow("jpeg wide box") << QByteArray("JPG") << QSize(600, 400) << 100 << 300 << QSize(300, 200);
        QTest::newRow("png landscape") << QByteArray("PNG") << QSize(600, 400) << 120 << 120 << QSize(180, 120);
        QTest::newRow("bmp without size option") << QByteArray("BMP") << QSize(600, 400) << 150 << 150 << QSize(225, 150);
    }

    void scaledLoadCoversTheBox()
    {
        QFETCH(QByteArray, format);
        QFETCH(QSize, source);
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(QSize, expected);
        const QString file = writeFile(QStringLiteral("photo.") + QString::fromLatin1(format).toLower(),
                                       encoded(picture(source.width(), source.height()), format));
        const ImageSharedPointer image = loadScaledImage(file, height, width);
        QVERIFY(image);
        QCOMPARE(image->size(), expected);
    }

    void brokenFilesGiveNullOrPartialImages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = encoded(picture(400, 300), "JPG");
        QTest::newRow("zero bytes") << "empty.jpg" << QByteArray();
        QTest::newRow("text") << "text.jpg" << QByteArray("this is not a photo\n");
        QTest::newRow("truncated") << "cut.jpg" << jpeg.left(jpeg.size() / 2);
        QTest::newRow("header only") << "head.jpg" << jpeg.left(20);
        QTest::newRow("missing file") << "" << QByteArray();
        QTest::newRow("named pipe") << "pipe" << QByteArray();
    }

    void brokenFilesGiveNullOrPartialImages()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QString file = name.isEmpty() ? path(QStringLiteral("absent.jpg")) : writeFile(name, bytes);
        if (name == QLatin1String("pipe")) {
            // Opening a named pipe would wait for ever for a writer.
            file = path(QStringLiteral("pipe.jpg"));
            QFile::remove(file);
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        }
        const ImageSharedPointer scaled = loadScaledImage(file, 150, 150);
        QVERIFY(scaled);
        QVERIFY(scaled->isNull() || scaled->height() == 150 || scaled->width() == 150);
        QVERIFY(loadImage(file));
    }

    void pngRenamedAsJpegStillLoads()
    {
        const QString file = writeFile(QStringLiteral("renamed.jpg"), encoded(picture(300, 200), "PNG"));
        QCOMPARE(loadScaledImage(file, 100, 100)->size(), QSize(150, 100));
        QCOMPARE(loadImage(file)->size(), QSize(300, 200));
    }

    void orientationIsApplied()
    {
        ExifJpegBuilder builder;
        builder.addShorts(ExifJpegBuilder::ImageDirectory, 0x0112, {6});
        const QString file = writeFile(QStringLiteral("turned.jpg"), builder.photo(ExifJpegBuilder::quadrants(600, 400)));
        const ImageSharedPointer full = loadImage(file);
        QCOMPARE(full->size(), QSize(400, 600));
        QVERIFY(full->pixelColor(395, 5).red() > 200); // red top-left moved to the top-right
        QCOMPARE(loadScaledImage(file, 150, 150)->size(), QSize(150, 225));
        // The box is covered in the displayed orientation, not the stored one.
        QCOMPARE(loadScaledImage(file, 100, 300)->size(), QSize(300, 450));
    }

    // A header announcing 20000 x 20000 pixels: decoded at reduced size, never gigabytes.
    void hugeJpegDecodesReduced()
    {
        QByteArray jpeg = encoded(picture(64, 64), "JPG");
        const int sof = jpeg.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        const char side[2] = {char(20000 >> 8), char(20000 & 0xFF)};
        jpeg.replace(sof + 5, 2, side, 2);
        jpeg.replace(sof + 7, 2, side, 2);
        const QString file = writeFile(QStringLiteral("huge.jpg"), jpeg);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
        const ImageSharedPointer image = loadScaledImage(file, 150, 150);
        QCOMPARE(image->size(), QSize(150, 150));
        QVERIFY2(peakResidentKb() < 600 * 1024, qPrintable(QString::number(peakResidentKb())));

        // Even an eighth of 65000 x 65000 is too much for a thumbnail: refused.
        const char largest[2] = {char(65000 >> 8), char(65000 & 0xFF)};
        jpeg.replace(sof + 5, 2, largest, 2);
        jpeg.replace(sof + 7, 2, largest, 2);
        QVERIFY(loadScaledImage(writeFile(QStringLiteral("largest.jpg"), jpeg), 150, 150)->isNull());
    }

    // A photo of megabytes is decoded into memory of its own making: the same pixels as Qt's.
    void largePhotoDecodesAsQtDecodesIt()
    {
        QImage image(1200, 900, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
        const QString file = writeFile(QStringLiteral("large.jpg"), encoded(image, "JPG"));
        ImageDecoder decoder(file);
        const QImage decoded = decoder.read();
        QVERIFY(qsizetype(decoded.sizeInBytes()) >= PictureMemory::LargeBytes);
        QCOMPARE(decoded, QImage(file));
        ImageDecoder reduced(file);
        QCOMPARE(reduced.read(QSize(600, 450)).size(), QSize(600, 450));
    }

    void hugeImageWithoutReducedDecodingIsRefused()
    {
        // 20000 x 20000 in a PNG header; the pixel data never comes.
        QByteArray png = encoded(picture(16, 16), "PNG");
        const char side[4] = {0, 0, char(20000 >> 8), char(20000 & 0xFF)};
        png.replace(16, 4, side, 4);
        png.replace(20, 4, side, 4);
        const quint32 crc = crc32(png.mid(12, 17));
        const char crcBytes[4] = {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
        png.replace(29, 4, crcBytes, 4);
        const QString file = writeFile(QStringLiteral("huge.png"), png);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Image too large.*")));
        QVERIFY(loadScaledImage(file, 150, 150)->isNull());
        // Nor is it decoded whole (a background picture).
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Image too large.*")));
        QVERIFY(loadImage(file)->isNull());
    }

    void emptyBoxGivesNullImage()
    {
        const QString file = writeFile(QStringLiteral("box.jpg"), encoded(picture(300, 200), "JPG"));
        QVERIFY(loadScaledImage(file, 0, 0)->isNull());
        QVERIFY(loadScaledImage(file, 100, -1)->isNull());
    }
};

PICTOVIA_TEST_MAIN(TestImageLoading)
#include "tst_imageloading.moc"
