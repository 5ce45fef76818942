#include "support/PreviewFixtures.h"

#include "preview/PreviewAudio.h"
#include "support/RenderFixtures.h"

#include <QDir>
#include <QMutexLocker>

#include <algorithm>

namespace PreviewFixtures {

namespace {

class AcceleratedSoundDevice : public IPreviewSoundDevice
{
public:
    AcceleratedSoundDevice(double rate, std::shared_ptr<SoundLog> log)
        : m_rate(rate)
        , m_log(std::move(log))
    {
    }

    bool open() override
    {
        m_wall.start();
        return true;
    }

    qint64 bytesFree() override
    {
        QMutexLocker locker(&m_log->lock);
        advance();
        const qint64 queued = m_log->written - qint64(m_log->played * bytesPerSecond);
        return std::max<qint64>(0, qint64(bufferSeconds * bytesPerSecond) - queued);
    }

    qint64 write(const char *, qint64 size) override
    {
        QMutexLocker locker(&m_log->lock);
        m_log->written += size;
        return size;
    }

    double playedSeconds() override
    {
        QMutexLocker locker(&m_log->lock);
        advance();
        return m_log->played;
    }

private:
    static constexpr double bytesPerSecond = PreviewAudio::sampleRate * PreviewAudio::bytesPerFrame;
    static constexpr double bufferSeconds = 0.25;

    // Plays on at the card's rate, but never past what it was given.
    void advance()
    {
        const double elapsed = m_wall.nsecsElapsed() / 1e9;
        m_log->played = std::min(m_log->played + (elapsed - m_last) * m_rate, m_log->written / bytesPerSecond);
        m_last = elapsed;
    }

    double m_rate;
    std::shared_ptr<SoundLog> m_log;
    QElapsedTimer m_wall;
    double m_last = 0.0;
};

} // namespace

PreviewSoundDeviceFactory acceleratedSound(double rate, const std::shared_ptr<SoundLog> &log)
{
    return [rate, log] { return std::make_unique<AcceleratedSoundDevice>(rate, log); };
}

const QColor backdrop(40, 40, 40);
const QList<QRectF> boxes = {QRectF(0.05, 0.3, 0.2, 0.4), QRectF(0.4, 0.3, 0.2, 0.4), QRectF(0.75, 0.3, 0.2, 0.4)};

ThemeTemplatePtr threeBoxTheme(int overflow)
{
    auto theme = ThemeTemplatePtr::create();
    for (const QRectF &box : boxes)
        theme->photoScenes.append(RenderFixtures::stillScene(PhotoScene, 30, {box}));
    theme->textScenes = {RenderFixtures::stillScene(TextScene, 30, {boxes.last()})};
    theme->sceneOverflow = overflow;
    return theme;
}

bool shows(const QImage &image, const QRectF &box)
{
    const QRgb p = image.pixel(int(box.center().x() * image.width()), int(box.center().y() * image.height()));
    return qAbs(qRed(p) - backdrop.red()) + qAbs(qGreen(p) - backdrop.green()) + qAbs(qBlue(p) - backdrop.blue()) > 12;
}

QString rampPicture(const QString &folder, const QString &name, int hueShift)
{
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x + hueShift) % 256, (y * 2 + hueShift) % 256, (x + y) % 256));
    const QString path = QDir(folder).filePath(name);
    image.save(path);
    return path;
}

PreviewRun runOf(const ProjectPtr &project, const ThemeTemplatePtr &theme, double from)
{
    PreviewRun run;
    run.project = PreviewRun::snapshot(*project);
    run.theme = theme;
    run.background = BackgroundDescriptor::ofColor(backdrop);
    run.from = from;
    return run;
}

double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0.0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            total += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col]))
                     + qAbs(qBlue(p[col]) - qBlue(q[col]));
    }
    return total / (3.0 * x.width() * x.height());
}

} // namespace PreviewFixtures
