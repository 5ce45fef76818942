// libFuzzer entry for the EXIF reader: the input is a JPEG stream, and its tail is also tried
// as a bare TIFF block so both the segment walk and the directory parser get exercised.
#include "images/ExifHeader.h"

#include <QBuffer>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.warning=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ExifHeader header;
    header.loadFromJpeg(&buffer);
    header.thumbnail();
    header.exifValue(ExifHeader::PixelXDimensionTag).toInteger();

    ExifHeader block;
    block.read(QByteArray(bytes));
    block.thumbnail();
    for (const ExifValue &value : block.imageDirectory())
        value.toInteger();
    return 0;
}
