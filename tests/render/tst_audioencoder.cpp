#include "support/MediaFixtures.h"
#include "support/TestSupport.h"

#include "render/AudioEncoder.h"
#include "render/AudioInput.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <vector>

namespace {
AVFramePtr audioFrame(AVSampleFormat format, int channels, int samples)
{
    AVFramePtr frame(av_frame_alloc());
    frame->format = format;
    frame->nb_samples = samples;
    frame->sample_rate = 44100;
    av_channel_layout_default(&frame->ch_layout, channels);
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        return {};
    return frame;
}

struct Packets
{
    std::vector<int64_t> pts;
    int64_t frameDuration = 0;
    int sampleRate = 0;
    int channels = 0;
    float loudEarly = 0;
    float loudLate = 0;
    float loudest = 0;
    bool channelsAlike = true;
};

// Reads the audio stream of an encoded file back: packet timestamps and decoded loudness in
// the first and the last quarter of the samples.
Packets readBack(const QString &path)
{
    Packets result;
    AudioInput input(path);
    result.sampleRate = input.codecContext()->sample_rate;
    result.channels = input.codecContext()->ch_layout.nb_channels;
    AVPacketPtr packet(av_packet_alloc());
    AVFormatContext *format = input.formatContext();
    while (av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index == input.stream()->index) {
            result.pts.push_back(packet->pts);
            result.frameDuration = packet->duration;
        }
        av_packet_unref(packet.get());
    }
    av_seek_frame(format, input.stream()->index, 0, AVSEEK_FLAG_BACKWARD);
    avcodec_flush_buffers(input.codecContext());
    AVFramePtr frame(av_frame_alloc());
    std::vector<float> left;
    while (input.readFrame(frame.get())) {
        const auto *l = reinterpret_cast<const float *>(frame->extended_data[0]);
        const auto *r = reinterpret_cast<const float *>(frame->extended_data[1]);
        for (int i = 0; i < frame->nb_samples; ++i) {
            left.push_back(l[i]);
            result.loudest = std::max(result.loudest, std::fabs(l[i]));
            result.channelsAlike = result.channelsAlike && std::fabs(l[i] - r[i]) < 0.02f;
        }
        av_frame_unref(frame.get());
    }
    const size_t quarter = left.size() / 4;
    for (size_t i = 0; i < quarter; ++i) {
        result.loudEarly = std::max(result.loudEarly, std::fabs(left[i + 2048]));
        result.loudLate = std::max(result.loudLate, std::fabs(left[left.size() - quarter + i]));
    }
    return result;
}

// An mp4 file with one audio stream written by an AudioEncoder (stereo, 192 kbit/s).
struct AudioFile
{
    explicit AudioFile(const QString &path)
    {
        AVFormatContext *raw = nullptr;
        if (avformat_alloc_output_context2(&raw, nullptr, "mp4", nullptr) < 0)
            return;
        context.reset(raw);
        encoder = std::make_unique<AudioEncoder>(context->oformat, context.get(), 192000, 2, AV_SAMPLE_FMT_S16);
        opened = avio_open(&context->pb, path.toUtf8().constData(), AVIO_FLAG_WRITE) >= 0
                 && avformat_write_header(context.get(), nullptr) >= 0;
    }

    bool finish()
    {
        encoder->flush();
        const bool written = av_write_trailer(context.get()) >= 0;
        avio_closep(&context->pb);
        return written;
    }

    AVOutputFormatContextPtr context;
    std::unique_ptr<AudioEncoder> encoder;
    bool opened = false;
};

// Mono 48 kHz signed 16-bit samples: a loud 440 Hz tone, or silence.
AVFramePtr mono48k(int samples, bool loud)
{
    AVFramePtr frame = audioFrame(AV_SAMPLE_FMT_S16, 1, samples);
    frame->sample_rate = 48000;
    auto *s = reinterpret_cast<int16_t *>(frame->data[0]);
    for (int i = 0; i < samples; ++i)
        s[i] = loud ? int16_t(20000 * std::sin(2 * M_PI * 440 * i / 48000.0)) : 0;
    return frame;
}
} // namespace

class TestAudioEncoder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void signed16ScalingRoundsAndClamps()
    {
        AVFramePtr frame = audioFrame(AV_SAMPLE_FMT_S16, 1, 8);
        auto *s = reinterpret_cast<int16_t *>(frame->data[0]);
        const int16_t input[] = {1000, -1000, 3, -3, 1, 32767, -32768, 255};
        std::copy(std::begin(input), std::end(input), s);
        AudioEncoder::scaleSamples(frame.get(), 128);
        const int16_t halved[] = {500, -500, 2, -1, 1, 16384, -16384, 128};
        QVERIFY(std::equal(std::begin(halved), std::end(halved), s));

        s[0] = 20000;
        s[1] = -20000;
        AudioEncoder::scaleSamples(frame.get(), 512);
        QCOMPARE(s[0], int16_t(32767));
        QCOMPARE(s[1], int16_t(-32768));
        AudioEncoder::scaleSamples(frame.get(), 0);
        QCOMPARE(s[0], int16_t(0));
    }

    void otherFormatsScale()
    {
        AVFramePtr u8 = audioFrame(AV_SAMPLE_FMT_U8, 2, 2);
        const uint8_t bytes[] = {255, 0, 128, 130};
        std::copy(std::begin(bytes), std::end(bytes), u8->data[0]);
        AudioEncoder::scaleSamples(u8.get(), 128);
        const uint8_t aroundMiddle[] = {192, 64, 128, 129};
        QVERIFY(std::equal(std::begin(aroundMiddle), std::end(aroundMiddle), u8->data[0]));

        AVFramePtr planar = audioFrame(AV_SAMPLE_FMT_FLTP, 2, 3);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < 3; ++i)
                reinterpret_cast<float *>(planar->extended_data[c])[i] = 0.5f * (c ? -1 : 1);
        AudioEncoder::scaleSamples(planar.get(), 64);
        QCOMPARE(reinterpret_cast<float *>(planar->extended_data[0])[2], 0.125f);
        QCOMPARE(reinterpret_cast<float *>(planar->extended_data[1])[2], -0.125f);

        AVFramePtr s32 = audioFrame(AV_SAMPLE_FMT_S32, 1, 1);
        reinterpret_cast<int32_t *>(s32->data[0])[0] = 2000000000;
        AudioEncoder::scaleSamples(s32.get(), 300);
        QCOMPARE(reinterpret_cast<int32_t *>(s32->data[0])[0], std::numeric_limits<int32_t>::max());
    }

    void resamplerKeyNamesTheInputForm()
    {
        AVFramePtr stereo = audioFrame(AV_SAMPLE_FMT_S16, 2, 4);
        QCOMPARE(AudioEncoder::resamplerKey(stereo.get(), 48000), QStringLiteral("chl3sr48000sf1"));
        AVFramePtr unknown = audioFrame(AV_SAMPLE_FMT_FLTP, 1, 4);
        av_channel_layout_uninit(&unknown->ch_layout);
        unknown->ch_layout.order = AV_CHANNEL_ORDER_UNSPEC;
        unknown->ch_layout.nb_channels = 1;
        QCOMPARE(AudioEncoder::resamplerKey(unknown.get(), 22050), QStringLiteral("chl4sr22050sf8"));
    }

    // Mono 48 kHz in, 44.1 kHz stereo out; frames stamped 0, n, 2n; volume 0 silences.
    void encodesMonoTrackIntoStereoStream()
    {
        QVERIFY(m_dir.isValid());
        const QString tone = m_dir.filePath(QStringLiteral("mono48k.wav"));
        QVERIFY(makeTone(tone, 1.0, 48000, 1));
        const QString out = m_dir.filePath(QStringLiteral("out.mp4"));

        int sent = 0;
        int left = 0;
        int frameSize = 0;
        int priming = 0;
        {
            AudioFile file(out);
            QVERIFY(file.opened);
            AudioEncoder &encoder = *file.encoder;
            frameSize = encoder.frameSize();
            priming = encoder.codecContext()->initial_padding;
            QCOMPARE(encoder.codecContext()->sample_rate, 44100);
            QCOMPARE(encoder.codecContext()->ch_layout.nb_channels, 2);
            QCOMPARE(encoder.codecContext()->sample_fmt, AV_SAMPLE_FMT_FLTP);
            QCOMPARE(encoder.stream()->codecpar->bit_rate, int64_t(192000));

            AudioInput input(tone);
            AVFramePtr frame(av_frame_alloc());
            int converted = 0;
            while (input.readFrame(frame.get())) {
                converted += frame->nb_samples;
                // The second half is faded out completely.
                const int volume = converted > 24000 ? 0 : 256;
                left = encoder.encodeFrame(frame.get(), frame->sample_rate, volume);
                QVERIFY(left < frameSize);
                av_frame_unref(frame.get());
            }
            sent = (int(std::lround(converted * 44100.0 / 48000.0)) - left) / frameSize;
            QVERIFY(file.finish());
        }

        const Packets packets = readBack(out);
        QCOMPARE(packets.sampleRate, 44100);
        QCOMPARE(packets.channels, 2);
        QVERIFY(packets.channelsAlike);
        QVERIFY(qAbs(int(packets.pts.size()) - sent) <= 1);
        QVERIFY(packets.pts.size() > 10);
        // The encoder's priming samples come first; the frames it was given start at 0.
        QCOMPARE(packets.pts.front(), int64_t(-priming));
        for (size_t i = 1; i < packets.pts.size(); ++i)
            QCOMPARE(packets.pts[i] - packets.pts[i - 1], int64_t(frameSize));
        QVERIFY(packets.loudEarly > 0.05f);
        QVERIFY(packets.loudLate < 0.001f);
    }

    // Two encoders at once, inputs of the same form: what one converter holds back of a
    // loud track never reaches the other's silent one.
    void encodersKeepTheirSamplesApart()
    {
        const QString loudPath = m_dir.filePath(QStringLiteral("loud.mp4"));
        const QString quietPath = m_dir.filePath(QStringLiteral("quiet.mp4"));
        AudioFile loud(loudPath);
        AudioFile quiet(quietPath);
        QVERIFY(loud.opened && quiet.opened);
        loud.encoder->encodeFrame(mono48k(4800, true).get(), 48000, 256);
        for (int i = 0; i < 10; ++i)
            quiet.encoder->encodeFrame(mono48k(4800, false).get(), 48000, 256);
        QVERIFY(loud.finish());
        QVERIFY(quiet.finish());
        QVERIFY(readBack(loudPath).loudest > 0.3f);
        QCOMPARE(readBack(quietPath).loudest, 0.0f);
    }
};

PICTOVIA_TEST_MAIN(TestAudioEncoder)
#include "tst_audioencoder.moc"
