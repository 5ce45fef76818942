#pragma once

#include "images/ExifValuePrivate.h"

#include <QExplicitlySharedDataPointer>

// One directory entry's value, implicitly shared and read-only. A default-constructed value
// is the null value, shared by every failed lookup.
class ExifValue
{
public:
    enum Type : quint16 {
        Byte = 1,
        Ascii = 2,
        Short = 3,
        Long = 4,
        Rational = 5,
        Undefined = 7,
        SignedLong = 9,
        SignedRational = 10,
    };

    ExifValue();
    explicit ExifValue(QExifValuePrivate *data);

    static ExifValue fromBytes(const QVector<quint8> &values);
    static ExifValue fromAscii(const QString &text);
    static ExifValue fromShorts(const QVector<quint16> &values);
    static ExifValue fromLongs(const QVector<quint32> &values);
    static ExifValue fromRationals(const QVector<ExifURational> &values);
    static ExifValue fromUndefined(const QByteArray &bytes);
    static ExifValue fromSignedLongs(const QVector<qint32> &values);
    static ExifValue fromSignedRationals(const QVector<ExifSRational> &values);

    bool isNull() const;
    int type() const { return d->type; }
    quint32 count() const { return d->count; }

    // The single value of a BYTE, SHORT, LONG or SLONG of count 1; 0 otherwise.
    qint32 toInteger() const;

    QVector<quint8> toByteVector() const;
    QString toString() const;
    QVector<quint16> toShortVector() const;
    QVector<quint32> toLongVector() const;
    QVector<ExifURational> toRationalVector() const;
    QByteArray toByteArray() const;
    QVector<qint32> toSignedLongVector() const;
    QVector<ExifSRational> toSignedRationalVector() const;

private:
    template <typename Private>
    typename Private::DataType dataAs() const;

    QExplicitlySharedDataPointer<QExifValuePrivate> d;
};
