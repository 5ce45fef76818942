#pragma once

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

// Reads one image file with its orientation applied, at full size or at a requested size that the
// decoder reaches by reduced decoding where the format has it (JPEG). Refuses what would claim more
// than maxBytes: Qt 5's image reader has no allocation limit of its own.
class ImageDecoder
{
public:
    // Enough for a 64-megapixel photo decoded whole.
    static constexpr qint64 photoBytes = 256ll * 1024 * 1024;

    // A named pipe or a device: opening it would wait for ever, so it is read as no picture.
    static bool blocksOnOpen(const QString &path);

    explicit ImageDecoder(const QString &path, qint64 maxBytes = photoBytes);
    ImageDecoder(const ImageDecoder &) = delete;
    ImageDecoder &operator=(const ImageDecoder &) = delete;

    bool canRead() const { return m_reader.canRead(); }
    // Whether the format tells its size before decoding; storedSize() is then that size.
    bool tellsSize() const { return m_reader.supportsOption(QImageIOHandler::Size); }
    // The size as stored, before the orientation is applied.
    QSize storedSize() const { return m_reader.size(); }
    // Whether the file's orientation swaps its width and height.
    bool orientationTurns() const;
    // Whether the decoder itself decodes at a fraction of each side (JPEG).
    bool reducedDecoding() const;

    // Decodes at scaledSize (stored orientation; empty: full size). A null image when decoding
    // fails or would claim more than maxBytes (tooLarge() then says so).
    QImage read(const QSize &scaledSize = QSize());
    bool tooLarge() const { return m_tooLarge; }
    QString errorString() const { return m_reader.errorString(); }

private:
    QSize decodedSize(const QSize &scaledSize) const;
    QImage preallocated(const QSize &size) const;

    QImageReader m_reader;
    const qint64 m_maxBytes;
    bool m_tooLarge = false;
};
