#include "images/ExifHeader.h"

#include "app/Logging.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr quint16 tiffMagic = 42;
constexpr int entrySize = 12;
// Embedded thumbnails are small (the whole EXIF block fits in 64 KB). One declaring more is
// refused undecoded: a progressive JPEG needs its whole size in memory even when reduced.
constexpr int maxThumbnailSide = 2048;

struct EntryHeader
{
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    int valuePosition = 0; // position of the 4-byte value field in the block
};

// Bounds-checked reading of the TIFF structure inside the EXIF block. Values are never read or
// allocated beyond the block, and their total size is capped, so corrupt counts and offsets
// cost nothing more than a null value.
class TiffReader
{
public:
    TiffReader(const QByteArray &block, bool bigEndian)
        : block(block)
        , bigEndian(bigEndian)
        , budget(qint64(block.size()) * 4)
    {
    }

    bool has(qint64 position, qint64 length) const
    {
        return position >= 0 && length >= 0 && position + length <= block.size();
    }

    quint16 u16(qint64 position) const
    {
        if (!has(position, 2))
            return 0;
        const uchar *p = bytes(position);
        return bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
    }

    quint32 u32(qint64 position) const
    {
        if (!has(position, 4))
            return 0;
        const uchar *p = bytes(position);
        return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    }

    QVector<EntryHeader> entryHeaders(qint64 directory, quint32 *nextDirectory) const
    {
        QVector<EntryHeader> headers;
        *nextDirectory = 0;
        if (!has(directory, 2))
            return headers;
        const int count = u16(directory);
        qint64 position = directory + 2;
        for (int i = 0; i < count && has(position, entrySize); ++i, position += entrySize)
            headers.append({u16(position), u16(position + 2), u32(position + 4), int(position + 8)});
        if (headers.size() == count)
            *nextDirectory = u32(position);
        return headers;
    }

    ExifHeader::ValueMap values(const QVector<EntryHeader> &headers)
    {
        ExifHeader::ValueMap map;
        for (const EntryHeader &header : headers)
            map.insert(header.tag, value(header));
        return map;
    }

    ExifValue value(const EntryHeader &header)
    {
        const int size = elementSize(header.type);
        if (size == 0) {
            qCWarning(lcImages) << "Invalid Ifd Type" << header.type;
            return ExifValue();
        }
        const qint64 length = qint64(header.count) * size;
        const qint64 position = length <= 4 ? header.valuePosition : qint64(u32(header.valuePosition));
        if (!has(position, length) || length > budget)
            return ExifValue();
        budget -= length;
        return decode(header.type, position, int(header.count));
    }

    QByteArray slice(qint64 position, qint64 length) const
    {
        if (!has(position, 0))
            return QByteArray();
        return block.mid(int(position), int(qMin<qint64>(length, block.size() - position)));
    }

private:
    static int elementSize(quint16 type)
    {
        switch (type) {
        case ExifValue::Byte:
        case ExifValue::Ascii:
        case ExifValue::Undefined:
            return 1;
        case ExifValue::Short:
            return 2;
        case ExifValue::Long:
        case ExifValue::SignedLong:
            return 4;
        case ExifValue::Rational:
        case ExifValue::SignedRational:
            return 8;
        default:
            return 0;
        }
    }

    const uchar *bytes(qint64 position) const
    {
        return reinterpret_cast<const uchar *>(block.constData()) + position;
    }

    template <typename T, typename Read>
    QVector<T> numbers(qint64 position, int count, int step, Read read) const
    {
        QVector<T> result;
        result.reserve(count);
        for (int i = 0; i < count; ++i)
            result.append(read(position + qint64(i) * step));
        return result;
    }

    ExifValue decode(quint16 type, qint64 position, int count) const
    {
        const auto u32At = [this](qint64 p) { return u32(p); };
        const auto s32At = [this](qint64 p) { return qint32(u32(p)); };
        switch (type) {
        case ExifValue::Byte:
            return ExifValue::fromBytes(numbers<quint8>(position, count, 1, [this](qint64 p) { return *bytes(p); }));
        case ExifValue::Ascii:
            return ExifValue::fromAscii(QString::fromLatin1(block.constData() + position, qMax(0, count - 1)));
        case ExifValue::Short:
            return ExifValue::fromShorts(numbers<quint16>(position, count, 2, [this](qint64 p) { return u16(p); }));
        case ExifValue::Long:
            return ExifValue::fromLongs(numbers<quint32>(position, count, 4, u32At));
        case ExifValue::SignedLong:
            return ExifValue::fromSignedLongs(numbers<qint32>(position, count, 4, s32At));
        case ExifValue::Rational:
            return ExifValue::fromRationals(numbers<ExifURational>(
                position, count, 8, [&](qint64 p) { return ExifURational(u32At(p), u32At(p + 4)); }));
        case ExifValue::SignedRational:
            return ExifValue::fromSignedRationals(numbers<ExifSRational>(
                position, count, 8, [&](qint64 p) { return ExifSRational(s32At(p), s32At(p + 4)); }));
        default:
            return ExifValue::fromUndefined(block.mid(int(position), count));
        }
    }

    const QByteArray block;
    const bool bigEndian;
    qint64 budget;
};

bool isSingleLong(const ExifValue &value)
{
    return value.type() == ExifValue::Long && value.count() == 1;
}

quint32 singleLong(const ExifValue &value)
{
    return value.toLongVector().value(0);
}

int orientationNumber(const ExifValue &value)
{
    const bool integerType = value.type() == ExifValue::Byte || value.type() == ExifValue::Short;
    return integerType ? value.toInteger() : 0;
}

QImage oriented(const QImage &image, int orientation)
{
    const auto rotated = [&image](qreal degrees) { return image.transformed(QTransform().rotate(degrees)); };
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return rotated(90).mirrored(true, false);
    case 6:
        return rotated(90);
    case 7:
        return rotated(90).mirrored(false, true);
    case 8:
        return rotated(270);
    default:
        return image;
    }
}

QImage decodeThumbnail(const QByteArray &data)
{
    if (data.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > maxThumbnailSide || size.height() > maxThumbnailSide)
        return QImage();
    return reader.read();
}

} // namespace

ExifHeader::ExifHeader(const QString &path)
{
    loadFromJpeg(path);
}

bool ExifHeader::loadFromJpeg(const QString &path)
{
    // Not a named pipe or a device: opening one would wait for ever.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return loadFromJpeg(&file);
}

bool ExifHeader::loadFromJpeg(QIODevice *device)
{
    clear();
    const QByteArray block = extractExifBlock(device);
    return !block.isEmpty() && read(block);
}

void ExifHeader::clear()
{
    *this = ExifHeader();
}

QByteArray ExifHeader::extractExifBlock(QIODevice *device)
{
    const auto read16 = [device](quint16 *value) {
        uchar raw[2];
        if (device->read(reinterpret_cast<char *>(raw), 2) != 2)
            return false;
        *value = qFromBigEndian<quint16>(raw);
        return true;
    };
    quint16 marker = 0;
    if (!read16(&marker) || marker != 0xFFD8)
        return QByteArray();
    while (read16(&marker)) {
        // Segments after the start of scan are entropy-coded data, never the EXIF block.
        if (marker == 0xFFDA || marker == 0xFFD9 || device->atEnd())
            return QByteArray();
        quint16 length = 0;
        if (!read16(&length) || length < 2)
            return QByteArray();
        if (marker == 0xFFE1) {
            if (length < 8 || device->read(4) != "Exif")
                return QByteArray();
            device->read(2);
            return device->read(length - 8);
        }
        const qint64 next = device->pos() + length - 2;
        if ((!device->isSequential() && next > device->size()) || !device->seek(next))
            return QByteArray();
    }
    return QByteArray();
}

bool ExifHeader::read(const QByteArray &block)
{
    clear();
    const QByteArray mark = block.left(2);
    if (mark != "II" && mark != "MM")
        return false;
    order = mark == "MM" ? BigEndian : LittleEndian;
    TiffReader reader(block, order == BigEndian);
    if (reader.u16(2) != tiffMagic)
        return false;

    quint32 thumbnailDirectory = 0;
    imageValues = reader.values(reader.entryHeaders(reader.u32(4), &thumbnailDirectory));
    const ExifValue exifPointer = imageValues.take(ExifIfdPointerTag);
    const ExifValue gpsPointer = imageValues.take(GpsIfdPointerTag);
    quint32 unused = 0;
    if (isSingleLong(exifPointer))
        exifValues = reader.values(reader.entryHeaders(singleLong(exifPointer), &unused));
    if (isSingleLong(gpsPointer))
        gpsValues = reader.values(reader.entryHeaders(singleLong(gpsPointer), &unused));
    exifValues.remove(InteroperabilityIfdPointerTag);

    if (thumbnailDirectory != 0) {
        const ValueMap thumbValues = reader.values(reader.entryHeaders(thumbnailDirectory, &unused));
        const ExifValue offset = thumbValues.value(JpegInterchangeFormatTag);
        const ExifValue length = thumbValues.value(JpegInterchangeFormatLengthTag);
        if (isSingleLong(offset) && isSingleLong(length)) {
            thumbData = reader.slice(singleLong(offset), singleLong(length));
            thumbXResolution = thumbValues.value(XResolutionTag);
            thumbYResolution = thumbValues.value(YResolutionTag);
            thumbResolutionUnit = thumbValues.value(ResolutionUnitTag);
            thumbOrientation = thumbValues.value(OrientationTag);
        }
    }
    return true;
}

QImage ExifHeader::thumbnail() const
{
    const QImage image = decodeThumbnail(thumbData);
    if (image.isNull() || thumbOrientation.isNull())
        return image;
    return oriented(image, orientationNumber(thumbOrientation));
}
