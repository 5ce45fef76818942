#pragma once

#include "images/ExifValue.h"

#include <QByteArray>
#include <QImage>
#include <QMap>

class QIODevice;

// Read-only view of a JPEG photo's EXIF data: the directories' values and the embedded
// thumbnail. Every failure leaves an empty or partial header; nothing is reported.
class ExifHeader
{
public:
    enum ByteOrder { LittleEndian, BigEndian };
    using ValueMap = QMap<quint16, ExifValue>;

    ExifHeader() = default;
    explicit ExifHeader(const QString &path);

    bool loadFromJpeg(const QString &path);
    bool loadFromJpeg(QIODevice *device);
    // Parses a TIFF structure (the EXIF block without its "Exif\0\0" prefix).
    bool read(const QByteArray &block);

    // The first APP1 segment's EXIF block, or empty when the stream has none.
    static QByteArray extractExifBlock(QIODevice *device);

    ByteOrder byteOrder() const { return order; }
    ExifValue imageValue(quint16 tag) const { return imageValues.value(tag); }
    ExifValue exifValue(quint16 tag) const { return exifValues.value(tag); }
    ExifValue gpsValue(quint16 tag) const { return gpsValues.value(tag); }
    const ValueMap &imageDirectory() const { return imageValues; }
    const ValueMap &exifDirectory() const { return exifValues; }
    const ValueMap &gpsDirectory() const { return gpsValues; }

    QByteArray thumbnailData() const { return thumbData; }
    ExifValue thumbnailXResolution() const { return thumbXResolution; }
    ExifValue thumbnailYResolution() const { return thumbYResolution; }
    ExifValue thumbnailResolutionUnit() const { return thumbResolutionUnit; }
    ExifValue thumbnailOrientation() const { return thumbOrientation; }

    // The embedded thumbnail decoded as JPEG with the thumbnail directory's orientation applied;
    // a null image when there is none or it cannot be decoded.
    QImage thumbnail() const;

    enum Tag : quint16 {
        ImageWidthTag = 0x0100,
        OrientationTag = 0x0112,
        XResolutionTag = 0x011A,
        YResolutionTag = 0x011B,
        ResolutionUnitTag = 0x0128,
        JpegInterchangeFormatTag = 0x0201,
        JpegInterchangeFormatLengthTag = 0x0202,
        ExifIfdPointerTag = 0x8769,
        GpsIfdPointerTag = 0x8825,
        PixelXDimensionTag = 0xA002,
        PixelYDimensionTag = 0xA003,
        InteroperabilityIfdPointerTag = 0xA005,
    };

private:
    void clear();

    ByteOrder order = LittleEndian;
    ValueMap imageValues;
    ValueMap exifValues;
    ValueMap gpsValues;
    QByteArray thumbData;
    ExifValue thumbXResolution;
    ExifValue thumbYResolution;
    ExifValue thumbResolutionUnit;
    ExifValue thumbOrientation;
};
