#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "app/AppConstants.h"
#include "images/ImageProvider.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlidePres.h"
#include "project/SeparatorSlidePres.h"
#include "project/SlideThumbRouter.h"
#include "project/SlidesListModel.h"
#include "project/TextSlidePres.h"

#include <algorithm>

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestSlidesListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void roles();
    void editsByKind();
    void placeSeparator_data();
    void placeSeparator();
    void removeAndClear();
    void appendBlock();
    void textEditsKeepOnlyLatestPicture();
    void thumbnailResults();
    void thumbnailFromGenerator();
    void queuedThumbnailWithdrawn();
    void generatorResultsReachTheirRowsOnly();

private:
    SlidePres *addNamed(const QString &name, int kind = ImageKind);
    QStringList rowNames() const;
    QVariant roleAt(int row, int role) const;

    SlidesListModel *model = nullptr;
    QAbstractItemModelTester *tester = nullptr;
};

void TestSlidesListModel::initTestCase()
{
    model = SlidesListModel::instance();
    tester = new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, this);
}

void TestSlidesListModel::cleanup()
{
    model->clear();
    QCOMPARE(model->rowCount(), 0);
}

SlidePres *TestSlidesListModel::addNamed(const QString &name, int kind)
{
    SlidePtr slide(new Slide);
    slide->type = kind == TextKind ? TextSlideType : ImageSlideType;
    slide->content = name;
    auto *presenter = new SlidePres(slide, kind);
    model->appendSlide(presenter);
    return presenter;
}

QStringList TestSlidesListModel::rowNames() const
{
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row) {
        const bool separator = roleAt(row, SlidesListModel::TypeRole).toInt() == SeparatorKind;
        names.append(separator ? QStringLiteral("|") : model->slides().value(row - names.count("|"))->content);
    }
    return names;
}

QVariant TestSlidesListModel::roleAt(int row, int role) const
{
    return model->data(model->index(row), role);
}

void TestSlidesListModel::roles()
{
    const QHash<int, QByteArray> names = model->roleNames();
    QCOMPARE(names.value(257), QByteArray("type"));
    QCOMPARE(names.value(258), QByteArray("imgId"));
    QCOMPARE(names.value(259), QByteArray("text"));
    QCOMPARE(names.value(260), QByteArray("slideRotation"));
    QCOMPARE(names.value(261), QByteArray("durationType"));
    QCOMPARE(names.value(262), QByteArray("duration"));

    SlidePres *image = addNamed(QStringLiteral("/a.jpg"));
    image->slide()->rotation = -3;
    image->slide()->durationType = OwnDuration;
    image->slide()->duration = 7.5;
    addNamed(QStringLiteral("hello"), TextKind);
    model->placeSeparator(1, 2);
    QCOMPARE(model->rowCount(), 3);

    // Separator row.
    QCOMPARE(roleAt(1, 257).toInt(), 1);
    QCOMPARE(roleAt(1, 258).toString(), AppConstants::slideStubId);
    QVERIFY(!roleAt(1, 259).isValid());
    QCOMPARE(roleAt(1, 260).toInt(), 0);
    QCOMPARE(roleAt(1, 261).toInt(), 1);
    QCOMPARE(roleAt(1, 262).toDouble(), 0.0);
    // Image row.
    QCOMPARE(roleAt(0, 257).toInt(), 2);
    QVERIFY(!roleAt(0, 259).isValid());
    QCOMPARE(roleAt(0, 260).toInt(), -3);
    QCOMPARE(roleAt(0, 261).toInt(), 2);
    QCOMPARE(roleAt(0, 262).toDouble(), 7.5);
    // Text row.
    QCOMPARE(roleAt(2, 257).toInt(), 3);
    QCOMPARE(roleAt(2, 259).toString(), QStringLiteral("hello"));
    QCOMPARE(roleAt(2, 260).toInt(), 0);

    QCOMPARE(roleAt(0, SlidesListModel::MissingRole).toBool(), false);
    QCOMPARE(roleAt(0, SlidesListModel::UnreadableRole).toBool(), false);
    QVERIFY(!roleAt(0, SlidesListModel::LengthRole + 1).isValid());
    QVERIFY(!model->data(model->index(-1), 257).isValid());
    QVERIFY(!model->data(model->index(3), 257).isValid());
    QCOMPARE(model->slides().size(), 2);
    QVERIFY(model->containsTextSlide());
}

void TestSlidesListModel::editsByKind()
{
    SlidePres *image = addNamed(QStringLiteral("/a.jpg"));
    SlidePtr textSlide(new Slide{TextSlideType, CommonDuration, 0.0, QStringLiteral("old"), 0});
    auto *text = new TextSlidePres(textSlide);
    model->appendSlide(text);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy textChanged(text, &TextSlidePres::textChanged);

    model->setSlideRotation(1, 1);
    model->setSlideText(0, QStringLiteral("new"));
    model->setSlideRotation(7, 1);
    model->setSlideText(-1, QStringLiteral("new"));
    model->setSlideDuration(5, OwnDuration, 3);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(textSlide->rotation, 0);
    QCOMPARE(image->slide()->content, QStringLiteral("/a.jpg"));

    model->setSlideRotation(0, 5);
    QCOMPARE(image->slide()->rotation, 5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(2).value<QVector<int>>(), QVector<int>{SlidesListModel::SlideRotationRole});

    model->setSlideDuration(1, OwnDuration, 12.5);
    QCOMPARE(textSlide->durationType, int(OwnDuration));
    QCOMPARE(textSlide->duration, 12.5);
    QCOMPARE(changed.last().at(0).value<QModelIndex>().row(), 1);
    QCOMPARE(changed.last().at(2).value<QVector<int>>(),
             (QVector<int>{SlidesListModel::DurationTypeRole, SlidesListModel::DurationRole}));

    changed.clear();
    const QString oldId = text->imgId();
    model->setSlideText(1, QStringLiteral("new text"));
    QCOMPARE(textSlide->content, QStringLiteral("new text"));
    QCOMPARE(textChanged.count(), 1);
    QVERIFY(text->imgId() != oldId);
    QVector<QVector<int>> rolesSeen;
    for (const QList<QVariant> &args : std::as_const(changed))
        rolesSeen.append(args.at(2).value<QVector<int>>());
    QCOMPARE(rolesSeen, (QVector<QVector<int>>{{SlidesListModel::ImgIdRole}, {SlidesListModel::TextRole}}));
}

void TestSlidesListModel::placeSeparator_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("order");

    QTest::newRow("absent to row 2") << -1 << 2 << "0 1 | 2 3 4";
    QTest::newRow("from the top to row 2") << 0 << 2 << "0 1 | 2 3 4";
    QTest::newRow("from the bottom to row 2") << 4 << 2 << "0 1 | 2 3 4";
    QTest::newRow("already at row 2") << 2 << 2 << "0 1 | 2 3 4";
    QTest::newRow("all used") << 3 << 5 << "0 1 2 3 4";
    QTest::newRow("none used") << 3 << 0 << "| 0 1 2 3 4";
}

void TestSlidesListModel::placeSeparator()
{
    QFETCH(int, before);
    QFETCH(int, used);
    QFETCH(QString, order);

    for (int n = 0; n < 5; ++n)
        addNamed(QString::number(n));
    if (before >= 0)
        model->placeSeparator(before, 5);
    model->placeSeparator(used, 5);
    QCOMPARE(rowNames().join(QLatin1Char(' ')), order);
    // Each row's index among the slides skips the separator, which has none.
    const QStringList names = rowNames();
    for (int row = -1; row <= names.size(); ++row) {
        const QString name = names.value(row, QStringLiteral("|"));
        QCOMPARE(model->slideIndexAt(row), name == QLatin1String("|") ? -1 : name.toInt());
    }

    // The separator is never destroyed, whether removed as a row or cleared with the rest.
    const int separatorRow = rowNames().indexOf(QStringLiteral("|"));
    if (separatorRow >= 0) {
        QCOMPARE(model->removeSlideAt(separatorRow), int(SeparatorKind));
        QCOMPARE(model->separatorPres()->kind(), int(SeparatorKind));
        model->placeSeparator(used, 5);
    }
}

void TestSlidesListModel::removeAndClear()
{
    QPointer<SlidePres> first = addNamed(QStringLiteral("0"));
    QPointer<SlidePres> text = addNamed(QStringLiteral("1"), TextKind);
    QPointer<SlidePres> last = addNamed(QStringLiteral("2"));

    QCOMPARE(model->removeSlideAt(-1), 0);
    QCOMPARE(model->removeSlideAt(3), 0);
    QCOMPARE(model->rowCount(), 3);

    QCOMPARE(model->removeSlideAt(1), int(TextKind));
    QVERIFY(!text);
    QVERIFY(!model->containsTextSlide());
    QCOMPARE(rowNames(), (QStringList{QStringLiteral("0"), QStringLiteral("2")}));

    model->placeSeparator(1, 2);
    model->clear();
    QVERIFY(!first);
    QVERIFY(!last);
    QCOMPARE(model->separatorPres()->kind(), int(SeparatorKind));
}

// Many photos at once: one insert notification for the block, in order, each row still
// announcing its new picture.
void TestSlidesListModel::appendBlock()
{
    addNamed(QStringLiteral("/first.jpg"));
    QList<SlidePres *> block;
    for (const char *name : {"/b1.jpg", "/b2.jpg", "/b3.jpg"}) {
        SlidePtr slide(new Slide);
        slide->content = QString::fromLatin1(name);
        block.append(new TextSlidePres(slide));
    }
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    model->appendSlides(block);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), 1);
    QCOMPARE(inserted.first().at(2).toInt(), 3);
    QCOMPARE(rowNames(), (QStringList{"/first.jpg", "/b1.jpg", "/b2.jpg", "/b3.jpg"}));
    static_cast<TextSlidePres *>(block.at(1))->setText(QStringLiteral("new"));
    QVERIFY(std::any_of(changed.cbegin(), changed.cend(), [](const QList<QVariant> &args) {
        return args.at(0).toModelIndex().row() == 2
            && args.at(2).value<QVector<int>>() == QVector<int>{SlidesListModel::ImgIdRole};
    }));
}

void TestSlidesListModel::textEditsKeepOnlyLatestPicture()
{
    SlidePtr slide(new Slide{TextSlideType, CommonDuration, 0.0, QStringLiteral("first"), 0});
    auto *text = new TextSlidePres(slide);
    model->appendSlide(text);
    ImageProvider *provider = ImageProvider::instance();
    QStringList ids{text->imgId()};
    QSignalSpy imgIdChanged(text, &SlidePres::imgIdChanged);
    for (const char *edit : {"second", "third", "fourth"}) {
        model->setSlideText(0, QString::fromLatin1(edit));
        ids.append(text->imgId());
    }
    QCOMPARE(imgIdChanged.count(), 3);
    QCOMPARE(imgIdChanged.first().at(0).value<QObject *>(), text);

    QSize size;
    for (int n = 0; n < ids.size() - 1; ++n)
        QVERIFY2(provider->requestImage(ids.at(n), &size, QSize()).isNull(), qPrintable(ids.at(n)));
    const QImage latest = provider->requestImage(ids.last(), &size, QSize());
    QCOMPARE(latest.size(), QSize(300, 300));
    QCOMPARE(latest.pixelColor(0, 0), QColor(194, 208, 223));
    int inked = 0;
    for (int y = 0; y < latest.height(); ++y) {
        for (int x = 0; x < latest.width(); ++x)
            inked += qGray(latest.pixel(x, y)) < 120 ? 1 : 0;
    }
    QVERIFY2(inked > 100, "the text is drawn");
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), ids.size());

    model->clear();
    QVERIFY(provider->requestImage(ids.last(), &size, QSize()).isNull());
}

void TestSlidesListModel::thumbnailResults()
{
    SlidePtr slide(new Slide);
    slide->content = QStringLiteral("/nowhere/a.jpg");
    auto *image = new ImgSlidePres(slide, 1.5);
    model->appendSlide(image);
    QCOMPARE(image->thumbTask().height, 225);
    QCOMPARE(image->thumbTask().width, 225);
    QCOMPARE(image->imgId(), AppConstants::slideStubId);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);

    const auto picture = ImageSharedPointer::create(10, 10, QImage::Format_RGB32);
    image->thumbGenerated(ThumbGeneratorTask{QStringLiteral("/nowhere/b.jpg"), 225, 225}, picture);
    image->thumbGenerated(ThumbGeneratorTask{slide->content, 150, 150}, picture);
    QCOMPARE(image->imgId(), AppConstants::slideStubId);
    QCOMPARE(changed.count(), 0);

    image->thumbGenerated(image->thumbTask(), picture);
    const QString firstId = image->imgId();
    QVERIFY(firstId != AppConstants::slideStubId);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(2).value<QVector<int>>(), QVector<int>{SlidesListModel::ImgIdRole});
    QCOMPARE(roleAt(0, SlidesListModel::ImgIdRole).toString(), firstId);

    image->thumbGenerated(image->thumbTask(), picture);
    QSize size;
    QVERIFY(ImageProvider::instance()->requestImage(firstId, &size, QSize()).isNull());
    QVERIFY(!ImageProvider::instance()->requestImage(image->imgId(), &size, QSize()).isNull());
}

void TestSlidesListModel::thumbnailFromGenerator()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    QVERIFY(makeImageFile(path, Qt::blue, 400, 200));
    SlidePtr slide(new Slide);
    slide->content = path;
    auto *image = new ImgSlidePres(slide, 1.0);
    model->appendSlide(image);
    QTRY_VERIFY(image->imgId() != AppConstants::slideStubId);
    QSize size;
    const QImage thumb = ImageProvider::instance()->requestImage(image->imgId(), &size, QSize());
    QVERIFY(thumb.width() >= 150 && thumb.height() >= 150);
    QVERIFY(thumb.width() == 150 || thumb.height() == 150);
}

void TestSlidesListModel::queuedThumbnailWithdrawn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("queued.png"));
    QVERIFY(makeImageFile(path));
    ThumbGenerator *generator = ThumbGenerator::instance();
    // With full decoding held back the request stays queued.
    generator->suspendFullDecode();
    const int before = generator->queuedTaskCount();
    SlidePtr slide(new Slide);
    slide->content = path;
    model->appendSlide(new ImgSlidePres(slide, 1.0));
    QVERIFY(generator->queuedTaskCount() > before);
    QCOMPARE(model->removeSlideAt(0), int(ImageKind));
    QCOMPARE(generator->queuedTaskCount(), before);
    generator->resumeFullDecode();
}

// A result goes to every row that asked for it, at the row it has now, and to no other; a row
// removed meanwhile is not reached.
void TestSlidesListModel::generatorResultsReachTheirRowsOnly()
{
    ThumbGenerator *generator = ThumbGenerator::instance();
    generator->suspendFullDecode();
    auto photoRow = [this](const QString &path) {
        SlidePtr slide(new Slide);
        slide->content = path;
        auto *row = new ImgSlidePres(slide, 1.0);
        model->appendSlide(row);
        return row;
    };
    ImgSlidePres *first = photoRow(QStringLiteral("/nowhere/same.jpg"));
    ImgSlidePres *other = photoRow(QStringLiteral("/nowhere/other.jpg"));
    ImgSlidePres *copy = photoRow(QStringLiteral("/nowhere/same.jpg"));
    photoRow(QStringLiteral("/nowhere/removed.jpg"));
    const QList<SlidePres *> moved = model->takeSlides({2});
    QCOMPARE(moved, QList<SlidePres *>{copy});
    model->putSlides({{0, copy}}); // copy, first, other, removed
    const ThumbGeneratorTask removedTask{QStringLiteral("/nowhere/removed.jpg"), 150, 150};
    QCOMPARE(model->removeSlideAt(3), int(ImageKind));
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);

    const auto picture = ImageSharedPointer::create(10, 10, QImage::Format_RGB32);
    Q_EMIT generator->generated(first->thumbTask(), picture);
    Q_EMIT generator->generated(removedTask, picture);
    QVERIFY(first->imgId() != AppConstants::slideStubId);
    QVERIFY(copy->imgId() != AppConstants::slideStubId);
    QCOMPARE(other->imgId(), AppConstants::slideStubId);
    QList<int> rows;
    for (const QList<QVariant> &signal : std::as_const(changed))
        rows << signal.at(0).toModelIndex().row();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (QList<int>{0, 1}));

    model->clear();
    QCOMPARE(SlideThumbRouter::instance()->watchedCount(), 0);
    generator->resumeFullDecode();
}

PICTOVIA_TEST_MAIN(TestSlidesListModel)
#include "tst_slideslistmodel.moc"
