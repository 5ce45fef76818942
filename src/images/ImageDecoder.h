#pragma once

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

// Reads one image file with its orientation applied, at full size or at a requested size that the
// decoder reaches by reduced decoding where the format has it (JPEG). Refuses what would claim more
// than maxBytes, for the picture it decodes and for the one it scales that to alike: Qt 5's image
// reader has no allocation limit of its own. A refusal is logged once, naming the file and sizes.
class ImageDecoder
{
public:
    // Enough for a 64-megapixel photo decoded whole.
    static constexpr qint64 photoBytes = 256ll * 1024 * 1024;
    // Largest picture a thumbnail makes (Qt 6 reader default): several workers decode at once.
    static constexpr qint64 thumbnailBytes = 128ll * 1024 * 1024;

    // A named pipe or a device: opening it would wait for ever, so it is read as no picture.
    static bool blocksOnOpen(const QString &path);
    // Whether a 32-bit picture of that size is at most maxBytes; never for an empty size.
    static bool fits(const QSize &size, qint64 maxBytes);
    static bool fits(qint64 width, qint64 height, qint64 maxBytes);

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
    // The smallest picture the decoder can make of the stored one (an eighth of each side for JPEG).
    QSize smallestDecodedSize() const;

    // Decodes at scaledSize (stored orientation; empty: full size). A null image when decoding
    // fails or would claim more than maxBytes (tooLarge() then says so).
    QImage read(const QSize &scaledSize = QSize());
    bool tooLarge() const { return m_tooLarge; }
    QString errorString() const { return m_reader.errorString(); }

private:
    QSize decodedSize(const QSize &scaledSize) const;
    QImage preallocated(const QSize &size) const;
    QImage refused(const QSize &decoded, const QSize &scaled);

    QImageReader m_reader;
    const QString m_path;
    const qint64 m_maxBytes;
    bool m_tooLarge = false;
};
