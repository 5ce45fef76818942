#include "support/TestSupport.h"

#include "images/ImageLoading.h"

#include <QBuffer>
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
    }

    void brokenFilesGiveNullOrPartialImages()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString file = name.isEmpty() ? path(QStringLiteral("absent.jpg")) : writeFile(name, bytes);
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

    void emptyBoxGivesNullImage()
    {
        const QString file = writeFile(QStringLiteral("box.jpg"), encoded(picture(300, 200), "JPG"));
        QVERIFY(loadScaledImage(file, 0, 0)->isNull());
        QVERIFY(loadScaledImage(file, 100, -1)->isNull());
    }
};

PICTOVIA_TEST_MAIN(TestImageLoading)
#include "tst_imageloading.moc"
