#include "support/TestSupport.h"

#include "support/ExifJpegBuilder.h"
#include "support/MediaFixtures.h"
#include "support/SceneFixtures.h"

#include "app/AppPaths.h"
#include "images/ImageDecoder.h"
#include "images/ImageLoading.h"
#include "images/PictureMemory.h"
#include "images/PrjImgProvider.h"
#include "project/ProjectThumbnails.h"
#include "theme/SceneSprite.h"

#include <sys/stat.h>
#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUuid>

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
        const QString file = writeFile(QStringLiteral("huge.jpg"), jpegDeclaring(20000, 20000));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
        const ImageSharedPointer image = loadScaledImage(file, 150, 150);
        QCOMPARE(image->size(), QSize(150, 150));
        QVERIFY2(peakResidentKb() < 600 * 1024, qPrintable(QString::number(peakResidentKb())));
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

    // Hostile pictures through every entry point that loads one. Only a picture small enough
    // whole (an extreme shape) is read whole and makes a sprite; a covering thumbnail of any of
    // them would be too large. Nothing on the way takes memory beyond the caps.
    void hostilePicturesStayWithinTheCap_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("warning"); // of the covering thumbnail
        QTest::addColumn<QString>("reason");
        QTest::newRow("100000 x 1") << "wide.png" << encodedPicture(100000, 1) << true
                                    << "wide.png .*stored 100000 x 1.*scaled 25000000 x 250" << "";
        QTest::newRow("1 x 100000") << "tall.png" << encodedPicture(1, 100000) << true
                                    << "tall.png .*scaled 400 x 40000000" << "";
        QTest::newRow("jpeg claiming 65000 x 36563")
            << "claims.jpg" << jpegDeclaring(65000, 36563) << false
            << "claims.jpg .*stored 65000 x 36563, decoded 8125 x 4571" << "too large: 65000 x 36563";
        QTest::newRow("png bomb") << "bomb.png" << pngDeclaring(20000, 20000) << false
                                  << "bomb.png .*stored 20000 x 20000" << "too large: 20000 x 20000";
        QTest::newRow("empty file") << "empty.jpg" << QByteArray() << false << "" << "empty file";
        QTest::newRow("text named .jpg") << "text.jpg" << QByteArray("no photo here\n") << false << ""
                                         << "not a picture";
    }

    void hostilePicturesStayWithinTheCap()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        QFETCH(QString, warning);
        QFETCH(QString, reason);
        const QString file = writeFile(name, bytes);
        QCOMPARE(unreadableReason(file), reason);
        const ImageSharedPointer full = loadImage(file);
        QCOMPARE(!full->isNull(), whole);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("too large to decode: .*") + warning));
        QVERIFY(loadScaledImage(file, 250, 400)->isNull()); // a custom background's thumbnail
        const int side = ProjectThumbnails::side;
        QVERIFY(ProjectThumbnails::fromPhoto(*loadScaledImage(file, side, side), 0).isNull());
        QVERIFY(ProjectThumbnails::fromPhoto(*full, 1).isNull());

        // Filling the frame: a narrow photo stands over a blurred cover of itself.
        Slide photo;
        photo.content = file;
        const SceneSprite fitted(SceneFixtures::steadyObject(SceneFixtures::rect(-0.1, -0.1, 1.1, 1.1), 0), photo,
                                 1920, 1080, SceneStyleSnapshot());
        QCOMPARE(!fitted.picture().isNull(), whole);
        if (whole)
            QVERIFY(fitted.picture().width() <= 1920 && fitted.picture().height() <= 1080);

        const QString folder = QUuid::createUuid().toString(QUuid::Id128);
        QVERIFY(QDir(AppPaths::projectsDir).mkpath(folder));
        QVERIFY(QFile::copy(file, ProjectThumbnails::fileIn(QDir(AppPaths::projectsDir).filePath(folder), 1)));
        QSize size;
        const QImage saved = PrjImgProvider::instance()->requestImage(folder + QStringLiteral("/1"), &size, QSize());
        QCOMPARE(!saved.isNull(), whole);
        QCOMPARE(size, saved.size());

        QVERIFY2(peakResidentKb() < 1024 * 1024, qPrintable(QString::number(peakResidentKb())));
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
