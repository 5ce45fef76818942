#pragma once

#include <QByteArray>
#include <QPair>
#include <QSharedData>
#include <QString>
#include <QVector>

// Shared data behind ExifValue: the base keeps the field type and count, each subclass the data.
class QExifValuePrivate : public QSharedData
{
public:
    QExifValuePrivate(quint16 type, quint32 count)
        : type(type)
        , count(count)
    {
    }
    virtual ~QExifValuePrivate() = default;

    const quint16 type;
    const quint32 count;
};

template <quint16 Type, typename Data>
class QExifTypedValuePrivate : public QExifValuePrivate
{
public:
    using DataType = Data;
    static constexpr quint16 fieldType = Type;

    QExifTypedValuePrivate(Data data, quint32 count)
        : QExifValuePrivate(Type, count)
        , data(std::move(data))
    {
    }
    explicit QExifTypedValuePrivate(Data data)
        : QExifTypedValuePrivate(data, quint32(data.size()))
    {
    }

    const Data data;
};

using ExifURational = QPair<quint32, quint32>;
using ExifSRational = QPair<qint32, qint32>;

class QExifByteValuePrivate : public QExifTypedValuePrivate<1, QVector<quint8>>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
class QExifAsciiValuePrivate : public QExifTypedValuePrivate<2, QString>
{
public:
    explicit QExifAsciiValuePrivate(const QString &text)
        : QExifTypedValuePrivate(text, quint32(text.size() + 1))
    {
    }
};
class QExifShortValuePrivate : public QExifTypedValuePrivate<3, QVector<quint16>>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
class QExifLongValuePrivate : public QExifTypedValuePrivate<4, QVector<quint32>>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
class QExifRationalValuePrivate : public QExifTypedValuePrivate<5, QVector<ExifURational>>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
class QExifUndefinedValuePrivate : public QExifTypedValuePrivate<7, QByteArray>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
class QExifSignedLongValuePrivate : public QExifTypedValuePrivate<9, QVector<qint32>>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
class QExifSignedRationalValuePrivate : public QExifTypedValuePrivate<10, QVector<ExifSRational>>
{
    using QExifTypedValuePrivate::QExifTypedValuePrivate;
};
