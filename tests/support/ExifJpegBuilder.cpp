#include "ExifJpegBuilder.h"

#include <QBuffer>
#include <QPainter>

ExifJpegBuilder::ExifJpegBuilder(bool bigEndian)
    : bigEndian(bigEndian)
{
}

void ExifJpegBuilder::add(Directory directory, const Entry &entry)
{
    directories[directory].append(entry);
}

void ExifJpegBuilder::addShorts(Directory directory, quint16 tag, const QVector<quint32> &values)
{
    add(directory, {tag, 3, quint32(values.size()), values, {}});
}

void ExifJpegBuilder::addLongs(Directory directory, quint16 tag, const QVector<quint32> &values)
{
    add(directory, {tag, 4, quint32(values.size()), values, {}});
}

void ExifJpegBuilder::addAscii(Directory directory, quint16 tag, const QByteArray &text)
{
    add(directory, {tag, 2, quint32(text.size() + 1), {}, text + '\0'});
}

void ExifJpegBuilder::addRaw(Directory directory, quint16 tag, quint16 type, quint32 count, const QByteArray &bytes)
{
    add(directory, {tag, type, count, {}, bytes});
}

void ExifJpegBuilder::setThumbnail(const QByteArray &jpeg, int orientation)
{
    thumbnailJpeg = jpeg;
    if (orientation != 0)
        addShorts(ThumbnailDirectory, 0x0112, {quint32(orientation)});
}

QByteArray ExifJpegBuilder::number(quint32 value, int size) const
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
        bytes[i] = char((value >> shift) & 0xFF);
    }
    return bytes;
}

QByteArray ExifJpegBuilder::valueBytes(const Entry &entry) const
{
    if (entry.numbers.isEmpty())
        return entry.raw;
    const int size = entry.type == 3 ? 2 : 4;
    QByteArray bytes;
    for (quint32 value : entry.numbers)
        bytes += number(value, size);
    return bytes;
}

bool ExifJpegBuilder::present(Directory directory) const
{
    if (directory == ThumbnailDirectory)
        return !withoutThumbnailDirectory && (!thumbnailJpeg.isEmpty() || !directories[directory].isEmpty());
    return !directories[directory].isEmpty();
}

// offsets: where the EXIF, GPS directories and the thumbnail data land in the block.
QVector<ExifJpegBuilder::Entry> ExifJpegBuilder::entriesWithPointers(Directory directory,
                                                                      const QVector<quint32> &offsets) const
{
    QVector<Entry> entries = directories[directory];
    if (directory == ImageDirectory) {
        if (present(ExifDirectory))
            entries.append({0x8769, 4, 1, {offsets.value(0)}, {}});
        if (present(GpsDirectory))
            entries.append({0x8825, 4, 1, {offsets.value(1)}, {}});
    } else if (directory == ThumbnailDirectory && !thumbnailJpeg.isEmpty()) {
        entries.append({0x0201, 4, 1, {offsets.value(2)}, {}});
        entries.append({0x0202, 4, 1, {quint32(thumbnailJpeg.size())}, {}});
    }
    return entries;
}

int ExifJpegBuilder::directorySize(const QVector<Entry> &entries) const
{
    int size = 2 + 12 * entries.size() + 4;
    for (const Entry &entry : entries) {
        const int length = valueBytes(entry).size();
        if (length > 4)
            size += length + (length & 1);
    }
    return size;
}

QByteArray ExifJpegBuilder::directoryBytes(const QVector<Entry> &entries, quint32 offset, quint32 next) const
{
    QByteArray head = number(quint32(entries.size()), 2);
    QByteArray data;
    quint32 dataOffset = offset + 2 + 12 * entries.size() + 4;
    for (const Entry &entry : entries) {
        QByteArray value = valueBytes(entry);
        head += number(entry.tag, 2) + number(entry.type, 2) + number(entry.count, 4);
        if (value.size() > 4) {
            head += number(dataOffset + quint32(data.size()), 4);
            data += value + QByteArray(value.size() & 1, '\0');
        } else {
            head += value + QByteArray(4 - value.size(), '\0');
        }
    }
    return head + number(next, 4) + data;
}

QByteArray ExifJpegBuilder::tiffBlock() const
{
    const Directory order[] = {ImageDirectory, ExifDirectory, GpsDirectory, ThumbnailDirectory};
    // Sizes do not depend on pointer values, so lay out once with zero pointers, then write.
    QVector<quint32> starts;
    quint32 position = 8;
    for (Directory directory : order) {
        starts.append(position);
        if (directory == ImageDirectory || present(directory))
            position += directorySize(entriesWithPointers(directory, {0, 0, 0}));
    }
    const QVector<quint32> pointers = {starts[1], starts[2], position};
    QByteArray block = bigEndian ? QByteArray("MM") : QByteArray("II");
    block += number(42, 2) + number(8, 4);
    for (Directory directory : order) {
        if (directory != ImageDirectory && !present(directory))
            continue;
        const quint32 next = directory == ImageDirectory && present(ThumbnailDirectory) ? starts[3] : 0;
        block += directoryBytes(entriesWithPointers(directory, pointers), starts[directory], next);
    }
    if (present(ThumbnailDirectory))
        block += thumbnailJpeg;
    return block;
}

QByteArray ExifJpegBuilder::segment(quint8 marker, const QByteArray &payload)
{
    const int length = payload.size() + 2;
    QByteArray bytes;
    bytes += char(0xFF);
    bytes += char(marker);
    bytes += char((length >> 8) & 0xFF);
    bytes += char(length & 0xFF);
    return bytes + payload;
}

QByteArray ExifJpegBuilder::app1Segment() const
{
    return segment(0xE1, QByteArray("Exif\0\0", 6) + tiffBlock());
}

QByteArray ExifJpegBuilder::photo(const QImage &mainImage, const QByteArray &segmentsBefore, int quality) const
{
    const QByteArray jpeg = encodeJpeg(mainImage, quality);
    return jpeg.left(2) + segmentsBefore + app1Segment() + jpeg.mid(2);
}

QByteArray ExifJpegBuilder::encodeJpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

// Red top-left, green top-right, blue bottom-left, white bottom-right: every flip and turn differs.
QImage ExifJpegBuilder::quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = width / 2, h = height / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, width - w, h, Qt::green);
    painter.fillRect(0, h, w, height - h, Qt::blue);
    painter.fillRect(w, h, width - w, height - h, Qt::white);
    return image;
}
