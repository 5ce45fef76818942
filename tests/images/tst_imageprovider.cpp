#include "support/TestSupport.h"

#include "app/AppConstants.h"
#include "images/ImageProvider.h"

#include <QRegularExpression>

class TestImageProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeholderIsThereFromTheStart()
    {
        QSize size;
        const QImage stub = ImageProvider::instance()->requestImage(AppConstants::slideStubId, &size, QSize());
        QVERIFY(!stub.isNull());
        QCOMPARE(size, stub.size());
        ImageProvider::instance()->removeImage(AppConstants::slideStubId);
        QVERIFY(!ImageProvider::instance()->requestImage(AppConstants::slideStubId, &size, QSize()).isNull());
    }

    void idsAreFreshHexAndServeTheImageAtItsOwnSize()
    {
        auto image = ImageSharedPointer::create(300, 300, QImage::Format_RGB32);
        image->fill(Qt::red);
        ImageProvider *provider = ImageProvider::instance();
        const QString first = provider->addImage(image);
        const QString second = provider->addImage(image);
        QVERIFY(first != second);
        const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32}$"));
        QVERIFY(hex.match(first).hasMatch());
        QVERIFY(hex.match(second).hasMatch());

        QSize size;
        const QImage served = provider->requestImage(first, &size, QSize(60, 60));
        QCOMPARE(size, QSize(300, 300));
        QCOMPARE(served.size(), QSize(300, 300));
        QCOMPARE(served.constBits(), image->constBits()); // shared, not copied

        provider->removeImage(first);
        QVERIFY(provider->requestImage(first, &size, QSize()).isNull());
        QCOMPARE(size, QSize(0, 0));
        QVERIFY(!provider->requestImage(second, &size, QSize()).isNull());
        provider->removeImage(second);
        provider->removeImage(QStringLiteral("unknown"));
    }

    void pixmapsAreServedAsImages()
    {
        auto pixmap = PixmapSharedPointer::create(40, 20);
        pixmap->fill(Qt::blue);
        const QString id = ImageProvider::instance()->addPixmap(pixmap);
        QSize size;
        const QImage served = ImageProvider::instance()->requestImage(id, &size, QSize());
        QCOMPARE(size, QSize(40, 20));
        QCOMPARE(served.pixelColor(5, 5), QColor(Qt::blue));
        ImageProvider::instance()->removeImage(id);
    }
};

PICTOVIA_TEST_MAIN(TestImageProvider)
#include "tst_imageprovider.moc"
