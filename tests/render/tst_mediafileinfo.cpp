#include "support/MediaFixtures.h"
#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "render/AudioInput.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"
#include "render/VideoInput.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestMediaFileInfo : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }

    // What the user is told of a file the music reader cannot take.
    const QString notSound = QStringLiteral(" is not a sound file Pictovia can play");

    // Opening must fail with exactly one report that starts with prefix + path.
    template <typename Open>
    void expectFailure(Open open, const QString &prefix, const QString &path)
    {
        QSignalSpy spy(CommonError::instance(), &CommonError::error);
        bool threw = false;
        try {
            open();
        } catch (int) {
            threw = true;
        }
        QVERIFY(threw);
        QCOMPARE(spy.count(), 1);
        const QString message = spy.at(0).at(0).toString();
        // The user reads the path and the library's reason, where there is one.
        QVERIFY2(message == prefix + path || message.startsWith(prefix + path + QStringLiteral(": ")),
                 qPrintable(message));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(makeTone(file("tagged.mp3"), 3.0, 44100, 2,
                         {"-metadata", "artist=Анна", "-metadata", "title=Morning Song"}));
        QVERIFY(makeTone(file("plain.m4a"), 1.5, 48000, 1, {"-c:a", "aac"}));
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=32x24:rate=30:duration=0.2", "-pix_fmt", "yuv420p",
                           file("silent.mp4")}));
    }

    void readMeasuresTheWholeFileAndItsTags()
    {
        const MediaFileInfoPtr info = MediaFileReader::read(file("tagged.mp3"));
        QVERIFY(qAbs(info->duration() - 3.0f) < 0.03f);
        QCOMPARE(info->artist(), QStringLiteral("Анна"));
        QCOMPARE(info->title(), QStringLiteral("Morning Song"));
        QCOMPARE(info->songName(), QStringLiteral("Morning Song"));
        QCOMPARE(info->path(), file("tagged.mp3"));

        const MediaFileInfoPtr plain = MediaFileReader::read(file("plain.m4a"));
        QVERIFY(qAbs(plain->duration() - 1.5f) < 0.03f);
        QVERIFY(plain->title().isEmpty());
        QCOMPARE(plain->songName(), QStringLiteral("plain.m4a"));
    }

    void longTrackIsMeasuredWithoutDrift()
    {
        // 2500 frames of 576 samples: a float running total would be off by 2.7 ms.
        QVERIFY(makeTone(file("long.mp3"), 180.0, 8000, 1, {"-b:a", "8k"}));
        QCOMPARE(MediaFileReader::read(file("long.mp3"))->duration(), 180.0f);
    }

    void durationText_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("under a minute") << 59.9f << "0:59";
        QTest::newRow("just under an hour") << 3599.5f << "59:59";
        QTest::newRow("an hour") << 3600.0f << "1:00:00";
    }

    void durationText()
    {
        QFETCH(float, seconds);
        QFETCH(QString, text);
        MediaFileInfo info(seconds, {}, {}, {}, QStringLiteral("/music/a.mp3"));
        QCOMPARE(info.description().value(QStringLiteral("duration")).toString(), text);
    }

    void unreadableFilesAreReported()
    {
        QFile empty(file("empty.mp3"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        // The user is told plainly; the report server keeps the technical text.
        expectFailure([&] { MediaFileReader::read(file("empty.mp3")); }, "", file("empty.mp3") + notSound);

        QFile text(file("notes.mp3"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("These are not the sounds you are looking for.\n").repeated(40));
        text.close();
        expectFailure([&] { MediaFileReader::read(file("notes.mp3")); }, "", file("notes.mp3") + notSound);

        expectFailure([&] { MediaFileReader::read(file("gone.mp3")); }, "", file("gone.mp3") + notSound);
        // A named pipe would hold the open for ever, waiting for a writer.
        QVERIFY(::mkfifo(QFile::encodeName(file("pipe.mp3")).constData(), 0600) == 0);
        expectFailure([&] { MediaFileReader::read(file("pipe.mp3")); }, "Not a regular file: ", file("pipe.mp3"));

        // A video file without sound is no music track; an audio file is no background video.
        expectFailure([&] { AudioInput input(file("silent.mp4")); }, "", file("silent.mp4") + notSound);
        expectFailure([&] { VideoInput input(file("tagged.mp3")); }, "Failed to find video stream of ",
                      file("tagged.mp3"));
    }

    void truncatedFileGivesWhatItHas()
    {
        QFile whole(file("tagged.mp3"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        QFile half(file("half.mp3"));
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.write(bytes.left(bytes.size() / 2 + 77));
        half.close();
        QSignalSpy spy(CommonError::instance(), &CommonError::error);
        const MediaFileInfoPtr info = MediaFileReader::read(file("half.mp3"));
        QVERIFY(info->duration() > 1.0f && info->duration() < 2.0f);
        QCOMPARE(spy.count(), 0);
    }

    void oddPathsOpen()
    {
        const QString spaced = file("my music — ÿ 音楽 песня.mp3");
        QVERIFY(QFile::copy(file("tagged.mp3"), spaced));
        QVERIFY(qAbs(MediaFileReader::read(spaced)->duration() - 3.0f) < 0.03f);

        // The library takes "clip:" for a protocol it does not know; the file fallback opens it.
        QVERIFY(QFile::copy(file("tagged.mp3"), file("clip:1.mp3")));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QSignalSpy spy(CommonError::instance(), &CommonError::error);
        float duration = 0;
        try {
            duration = MediaFileReader::read(QStringLiteral("clip:1.mp3"))->duration();
        } catch (int) {
        }
        QDir::setCurrent(previous);
        QCOMPARE(spy.count(), 0);
        QVERIFY(qAbs(duration - 3.0f) < 0.03f);
    }
};

PICTOVIA_TEST_MAIN(TestMediaFileInfo)
#include "tst_mediafileinfo.moc"
