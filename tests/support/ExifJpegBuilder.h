#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Writes JPEG photos with a hand-made EXIF block: image, EXIF, GPS and thumbnail directories in
// either byte order, so tests and benchmarks control every entry the reader sees.
class ExifJpegBuilder
{
public:
    enum Directory { ImageDirectory, ExifDirectory, GpsDirectory, ThumbnailDirectory };

    struct Entry
    {
        quint16 tag;
        quint16 type;
        quint32 count;
        QVector<quint32> numbers; // SHORT, LONG, SLONG; RATIONAL as numerator, denominator pairs
        QByteArray raw;           // BYTE, ASCII, UNDEFINED and unsupported types
    };

    explicit ExifJpegBuilder(bool bigEndian = false);

    void add(Directory directory, const Entry &entry);
    void addShorts(Directory directory, quint16 tag, const QVector<quint32> &values);
    void addLongs(Directory directory, quint16 tag, const QVector<quint32> &values);
    void addAscii(Directory directory, quint16 tag, const QByteArray &text);
    void addRaw(Directory directory, quint16 tag, quint16 type, quint32 count, const QByteArray &bytes);
    // The embedded JPEG; orientation 0 writes no orientation entry in the thumbnail directory.
    void setThumbnail(const QByteArray &jpeg, int orientation = 0);
    // Keeps the thumbnail directory out even when a thumbnail is set (next-directory offset 0).
    void setWithoutThumbnailDirectory(bool without) { withoutThumbnailDirectory = without; }

    // The TIFF structure; the EXIF APP1 segment; a complete JPEG file around mainImage, with
    // extra segments (for example an XMP APP1) written before the EXIF one.
    QByteArray tiffBlock() const;
    QByteArray app1Segment() const;
    QByteArray photo(const QImage &mainImage, const QByteArray &segmentsBefore = QByteArray(), int quality = 90) const;

    static QByteArray encodeJpeg(const QImage &image, int quality = 90);
    static QByteArray segment(quint8 marker, const QByteArray &payload);
    static QImage quadrants(int width, int height);

private:
    QByteArray number(quint32 value, int size) const;
    QByteArray valueBytes(const Entry &entry) const;
    QVector<Entry> entriesWithPointers(Directory directory, const QVector<quint32> &offsets) const;
    QByteArray directoryBytes(const QVector<Entry> &entries, quint32 offset, quint32 next) const;
    int directorySize(const QVector<Entry> &entries) const;
    bool present(Directory directory) const;

    bool bigEndian;
    bool withoutThumbnailDirectory = false;
    QVector<Entry> directories[4];
    QByteArray thumbnailJpeg;
};
