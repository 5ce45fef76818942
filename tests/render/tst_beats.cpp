#include "support/MediaFixtures.h"
#include "support/TestSupport.h"

#include "project/Project.h"
#include "render/MediaFileReader.h"
#include "render/ScenePlan.h"
#include "theme/ThemeCatalogue.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {

constexpr double frame = 1.0 / 30;

struct Song
{
    QVector<double> clicks;
    double seconds;
};

// 90 and 128 beats a minute, and a song that changes from 90 to 128 halfway.
Song songNamed(const QByteArray &name)
{
    if (name == "90")
        return {clicksAt(90, 0.5, 60), 60};
    if (name == "128")
        return {clicksAt(128, 0.5, 60), 60};
    QVector<double> clicks = clicksAt(90, 0.5, 30);
    const double change = clicks.last() + 60.0 / 90;
    clicks += clicksAt(128, change, 60);
    return {clicks, 60};
}

double distanceToNearest(const QVector<double> &times, double at)
{
    double best = 1e9;
    for (double t : times)
        best = std::min(best, std::abs(t - at));
    return best;
}

// Where the viewer sees each hand-over's middle: a slide boundary inside a scene, or half way
// through the overlap of two scenes, which begins on the first frame at or after the scene's end.
QVector<double> handOverMiddles(const QVector<ScenePlan> &plan, const ThemeTemplate &theme)
{
    QVector<double> middles;
    for (const ScenePlan &scene : plan) {
        double at = scene.start;
        for (int i = 0; i + 1 < scene.slotLengths.size(); ++i) {
            at += scene.slotLengths.at(i) / 30.0;
            middles.append(at);
        }
        if (scene.overlap)
            middles.append(std::ceil(scene.end * 30.0 - 1e-6) / 30.0 + theme.sceneOverflow / 2.0 * frame);
    }
    return middles;
}

} // namespace

class TestBeats : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QByteArray, MediaFileInfoPtr> m_tracks;

    MediaFileInfoPtr track(const QByteArray &name)
    {
        if (!m_tracks.contains(name)) {
            const QString path = m_dir.filePath(QString::fromLatin1(name) + QStringLiteral(".wav"));
            const Song song = songNamed(name);
            if (!writeClickTrack(path, song.clicks, song.seconds))
                return {};
            m_tracks.insert(name, MediaFileReader::read(path, MediaFileReader::WithBeats));
        }
        return m_tracks.value(name);
    }

    ProjectPtr beatProject(int slides, const QList<MediaFileInfoPtr> &tracks, const ThemeTemplate &theme)
    {
        auto project = ProjectPtr::create();
        QVector<SlidePtr> list;
        for (int i = 0; i < slides; ++i) {
            auto slide = SlidePtr::create();
            slide->content = QStringLiteral("photo%1.jpg").arg(i);
            list.append(slide);
        }
        project->setSlides(list);
        project->setAudioTracks(tracks);
        project->setRhythm(SceneScheduler::rhythmOf(theme));
        project->setBeatSync(true);
        return project;
    }

private Q_SLOTS:
    void tracksTheClicks_data()
    {
        QTest::addColumn<QByteArray>("song");
        QTest::addColumn<double>("tempo");
        QTest::newRow("90 a minute") << QByteArray("90") << 90.0;
        QTest::newRow("128 a minute") << QByteArray("128") << 128.0;
        QTest::newRow("90, then 128") << QByteArray("change") << 0.0;
    }

    void tracksTheClicks()
    {
        QFETCH(QByteArray, song);
        QFETCH(double, tempo);
        const MediaFileInfoPtr info = track(song);
        QVERIFY(info);
        const BeatGrid &grid = info->beatGrid();
        QVERIFY(grid.isSteady());
        QCOMPARE(grid.source, BeatGrid::sourceOf(info->path()));
        if (tempo > 0)
            QVERIFY2(std::abs(grid.tempo - tempo) < 1.0, qPrintable(QString::number(grid.tempo)));
        // Every beat reported is a click, within 20 ms; once the tracker has heard a few beats,
        // it finds most clicks (while it follows a change of tempo it may skip some).
        const QVector<double> clicks = songNamed(song).clicks;
        for (double beat : grid.beats)
            QVERIFY2(distanceToNearest(clicks, beat) <= 0.02, qPrintable(QStringLiteral("a beat at %1 s").arg(beat)));
        int found = 0;
        int heard = 0;
        for (double click : clicks) {
            if (click < 4.0)
                continue;
            ++heard;
            found += distanceToNearest(grid.beats, click) <= 0.02 ? 1 : 0;
        }
        QVERIFY2(found >= heard * 8 / 10, qPrintable(QStringLiteral("%1 of %2 clicks found").arg(found).arg(heard)));
    }

    void musicWithoutBeatIsNotCutTo_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("silence") << QStringLiteral("silence");
        QTest::newRow("a steady tone") << QStringLiteral("tone");
        QTest::newRow("clicks, but under 5 s") << QStringLiteral("short");
    }

    void musicWithoutBeatIsNotCutTo()
    {
        QFETCH(QString, kind);
        const QString path = m_dir.filePath(kind + QStringLiteral(".wav"));
        if (kind == QLatin1String("tone"))
            QVERIFY(makeTone(path, 20, 44100, 1));
        else if (kind == QLatin1String("short"))
            QVERIFY(writeClickTrack(path, clicksAt(120, 0.2, 4.5), 4.5));
        else
            QVERIFY(writeClickTrack(path, {}, 20));
        const MediaFileInfoPtr info = MediaFileReader::read(path, MediaFileReader::WithBeats);
        QVERIFY(info->beatGrid().isTracked());
        QVERIFY(!info->beatGrid().isSteady());

        // The slides share the music evenly, and the project says which song has no beat.
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(1);
        const ProjectPtr project = beatProject(3, {info}, *theme);
        QCOMPARE(project->tracksWithoutBeat(), QStringList{info->songName()});
        for (int i = 0; i < 3; ++i)
            QCOMPARE(project->lengthOf(i), project->effectiveSlideDuration);
    }

    void handOversLandOnTheBeat_data()
    {
        QTest::addColumn<QByteArray>("song");
        QTest::addColumn<int>("themeId");
        QTest::addColumn<int>("slides");
        for (int themeId = 1; themeId <= 8; ++themeId) {
            for (const QByteArray song : {QByteArray("90"), QByteArray("128"), QByteArray("change")}) {
                // Nine slides last over 6 s (bar lines); seventeen about 3.5 s (beats).
                for (int slides : {9, 17})
                    QTest::addRow("theme %d, %s, %d slides", themeId, song.constData(), slides) << song << themeId << slides;
            }
        }
    }

    void handOversLandOnTheBeat()
    {
        QFETCH(QByteArray, song);
        QFETCH(int, themeId);
        QFETCH(int, slides);
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(themeId);
        const MediaFileInfoPtr info = track(song);
        QVERIFY(info);
        const ProjectPtr project = beatProject(slides, {info}, *theme);
        QCOMPARE(project->videoSlidesNumber, slides);
        SceneScheduler scheduler(*project, *theme);
        const QVector<ScenePlan> plan = scheduler.plan();
        QVERIFY2(!plan.isEmpty(), qPrintable(scheduler.errorText()));
        // The video still ends with the music.
        QVERIFY(std::abs(plan.last().end - double(info->duration())) < 1e-6);
        const QVector<double> clicks = songNamed(song).clicks;
        const QVector<double> middles = handOverMiddles(plan, *theme);
        QCOMPARE(middles.size(), slides - 1);
        for (double middle : middles) {
            QVERIFY2(distanceToNearest(clicks, middle) <= frame + 1e-6,
                     qPrintable(QStringLiteral("hand-over at %1 s is %2 s from a beat")
                                    .arg(middle)
                                    .arg(distanceToNearest(clicks, middle))));
        }
        // About equally long: no slide differs from the even share by half of it (where the
        // tracker skipped beats while following a change of tempo, the next beat it heard).
        const double share = double(info->duration()) / slides;
        for (int i = 0; i < slides; ++i)
            QVERIFY2(std::abs(project->lengthOf(i) - share) <= share / 2, qPrintable(QString::number(project->lengthOf(i))));
    }

    void eachTrackKeepsItsOwnBeats()
    {
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(1);
        const MediaFileInfoPtr first = track("90");
        const MediaFileInfoPtr second = track("128");
        const ProjectPtr project = beatProject(16, {first, second}, *theme);
        QVector<double> clicks = songNamed("90").clicks;
        for (double click : songNamed("128").clicks)
            clicks.append(click + double(first->duration()));
        const QVector<ScenePlan> plan = SceneScheduler(*project, *theme).plan();
        for (double middle : handOverMiddles(plan, *theme))
            QVERIFY2(distanceToNearest(clicks, middle) <= frame + 1e-6, qPrintable(QString::number(middle)));
    }

    void aFixedDurationBecomesWholeBeats()
    {
        const MediaFileInfoPtr info = track("128");
        auto project = ProjectPtr::create();
        project->setAudioTracks({info});
        project->setSlideDuration(5.0);
        project->setDurationFixed(true);
        QCOMPARE(project->effectiveSlideDuration, 5.0);
        project->setBeatSync(true);
        const double beats = project->effectiveSlideDuration / info->beatGrid().period();
        QVERIFY2(std::abs(beats - 11.0) < 1e-9, qPrintable(QString::number(beats)));
    }
};

PICTOVIA_TEST_MAIN(TestBeats)
#include "tst_beats.moc"
