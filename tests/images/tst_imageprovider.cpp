#include "support/TestSupport.h"

#include "app/AppConstants.h"
#include "app/PresenterRegistry.h"
#include "images/ImageProvider.h"
#include "images/PrjImgProvider.h"

#include <QDir>
#include <QQmlEngine>
#include <QQuickImageProvider>
#include <QRegularExpression>
#include <QUuid>

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

    void projectThumbnailsByFolderAndNumberOrAlias()
    {
        const QString folder = QUuid::createUuid().toString();
        QVERIFY(QDir(AppPaths::projectsDir).mkpath(folder));
        QImage thumb(120, 90, QImage::Format_RGB32);
        thumb.fill(Qt::green);
        QVERIFY(thumb.save(QDir(AppPaths::projectsDir).filePath(folder + QStringLiteral("/3_thumb.png"))));

        PrjImgProvider *provider = PrjImgProvider::instance();
        QString encoded = folder;
        encoded.replace(QLatin1Char('{'), QStringLiteral("%7B")).replace(QLatin1Char('}'), QStringLiteral("%7D"));
        QSize size;
        QCOMPARE(provider->requestImage(encoded + QStringLiteral("/3"), &size, QSize(10, 10)).size(), QSize(120, 90));
        QCOMPARE(size, QSize(120, 90));
        QVERIFY(provider->requestImage(encoded + QStringLiteral("/4"), &size, QSize()).isNull());
        QCOMPARE(size, QSize(0, 0));

        const QString alias = provider->addProjectThumbAlias(folder, 3);
        QVERIFY(alias.startsWith(QLatin1Char('{')) && alias.contains(QLatin1Char('-')));
        QCOMPARE(provider->requestImage(alias, &size, QSize()).size(), QSize(120, 90));
        QString encodedAlias = alias;
        encodedAlias.replace(QLatin1Char('{'), QStringLiteral("%7B")).replace(QLatin1Char('}'), QStringLiteral("%7D"));
        QCOMPARE(provider->requestImage(encodedAlias, &size, QSize()).size(), QSize(120, 90));

        QVERIFY(provider->requestImage(QStringLiteral("a/b/c"), &size, QSize()).isNull());
        QVERIFY(provider->requestImage(QStringLiteral("{unknown-alias}"), &size, QSize()).isNull());
        QCOMPARE(size, QSize(0, 0));
        // Looking up an unknown alias does not make it known.
        QCOMPARE(provider->thumbnailPath(QStringLiteral("{unknown-alias}")), QString());
    }

    void idsCannotLeaveTheProjectsFolder()
    {
        // A thumbnail-named file right next to the projects folder must stay out of reach.
        QDir parent(AppPaths::projectsDir);
        QVERIFY(parent.cdUp());
        QImage outside(10, 10, QImage::Format_RGB32);
        outside.fill(Qt::red);
        QVERIFY(outside.save(parent.filePath(QStringLiteral("7_thumb.png"))));
        QVERIFY(QDir(AppPaths::projectsDir).mkpath(QStringLiteral("inner")));
        QVERIFY(outside.save(QDir(AppPaths::projectsDir).filePath(QStringLiteral("inner/7_thumb.png"))));

        PrjImgProvider *provider = PrjImgProvider::instance();
        QSize size;
        QVERIFY(!provider->requestImage(QStringLiteral("inner/7"), &size, QSize()).isNull());
        for (const QString &id : {QStringLiteral("../7"), QStringLiteral("./7"), QStringLiteral("/7"),
                                  QStringLiteral("..\\x/7"), QStringLiteral("inner/../7")}) {
            QVERIFY2(provider->requestImage(id, &size, QSize()).isNull(), qPrintable(id));
            QCOMPARE(size, QSize(0, 0));
        }
        QVERIFY(provider->requestImage(provider->addProjectThumbAlias(QStringLiteral(".."), 7), &size, QSize()).isNull());
        QFile::remove(parent.filePath(QStringLiteral("7_thumb.png")));
    }

    // The engine deletes what it is given; the singletons must survive it and serve on.
    void enginesOwnOnlyStandIns()
    {
        const QString id = ImageProvider::instance()->addImage(ImageSharedPointer::create(8, 8, QImage::Format_RGB32));
        for (int round = 0; round < 2; ++round) {
            QQmlEngine engine;
            PresenterRegistry::registerImageProviders(engine);
            auto *registered = static_cast<QQuickImageProvider *>(engine.imageProvider(QStringLiteral("ImageProvider")));
            QVERIFY(registered);
            QVERIFY(registered != ImageProvider::instance());
            QVERIFY(engine.imageProvider(QStringLiteral("PrjImgProvider")));
            QSize size;
            QCOMPARE(registered->requestImage(id, &size, QSize()).size(), QSize(8, 8));
        }
        QSize size;
        QCOMPARE(ImageProvider::instance()->requestImage(id, &size, QSize()).size(), QSize(8, 8));
        ImageProvider::instance()->removeImage(id);
    }
};

PICTOVIA_TEST_MAIN(TestImageProvider)
#include "tst_imageprovider.moc"
