#include "images/ExifValue.h"

namespace {

// Never deleted: the extra reference keeps the shared null value alive through static destruction.
QExifValuePrivate *nullValuePrivate()
{
    static QExifValuePrivate *const value = [] {
        auto *created = new QExifByteValuePrivate(QVector<quint8>(), 0);
        created->ref.ref();
        return created;
    }();
    return value;
}

} // namespace

ExifValue::ExifValue()
    : d(nullValuePrivate())
{
}

ExifValue::ExifValue(QExifValuePrivate *data)
    : d(data ? data : nullValuePrivate())
{
}

ExifValue ExifValue::fromBytes(const QVector<quint8> &values)
{
    return ExifValue(new QExifByteValuePrivate(values));
}

ExifValue ExifValue::fromAscii(const QString &text)
{
    return ExifValue(new QExifAsciiValuePrivate(text));
}

ExifValue ExifValue::fromShorts(const QVector<quint16> &values)
{
    return ExifValue(new QExifShortValuePrivate(values));
}

ExifValue ExifValue::fromLongs(const QVector<quint32> &values)
{
    return ExifValue(new QExifLongValuePrivate(values));
}

ExifValue ExifValue::fromRationals(const QVector<ExifURational> &values)
{
    return ExifValue(new QExifRationalValuePrivate(values));
}

ExifValue ExifValue::fromUndefined(const QByteArray &bytes)
{
    return ExifValue(new QExifUndefinedValuePrivate(bytes));
}

ExifValue ExifValue::fromSignedLongs(const QVector<qint32> &values)
{
    return ExifValue(new QExifSignedLongValuePrivate(values));
}

ExifValue ExifValue::fromSignedRationals(const QVector<ExifSRational> &values)
{
    return ExifValue(new QExifSignedRationalValuePrivate(values));
}

bool ExifValue::isNull() const
{
    return d.data() == nullValuePrivate();
}

template <typename Private>
typename Private::DataType ExifValue::dataAs() const
{
    if (isNull() || d->type != Private::fieldType)
        return {};
    return static_cast<const Private *>(d.data())->data;
}

qint32 ExifValue::toInteger() const
{
    if (d->count != 1)
        return 0;
    switch (d->type) {
    case Byte:
        return toByteVector().value(0);
    case Short:
        return toShortVector().value(0);
    case Long:
        return qint32(toLongVector().value(0));
    case SignedLong:
        return toSignedLongVector().value(0);
    default:
        return 0;
    }
}

QVector<quint8> ExifValue::toByteVector() const
{
    return dataAs<QExifByteValuePrivate>();
}

QString ExifValue::toString() const
{
    return dataAs<QExifAsciiValuePrivate>();
}

QVector<quint16> ExifValue::toShortVector() const
{
    return dataAs<QExifShortValuePrivate>();
}

QVector<quint32> ExifValue::toLongVector() const
{
    return dataAs<QExifLongValuePrivate>();
}

QVector<ExifURational> ExifValue::toRationalVector() const
{
    return dataAs<QExifRationalValuePrivate>();
}

QByteArray ExifValue::toByteArray() const
{
    return dataAs<QExifUndefinedValuePrivate>();
}

QVector<qint32> ExifValue::toSignedLongVector() const
{
    return dataAs<QExifSignedLongValuePrivate>();
}

QVector<ExifSRational> ExifValue::toSignedRationalVector() const
{
    return dataAs<QExifSignedRationalValuePrivate>();
}
