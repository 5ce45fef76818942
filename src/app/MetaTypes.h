#pragma once

#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QSharedPointer>

using ImageSharedPointer = QSharedPointer<QImage>;
using PixmapSharedPointer = QSharedPointer<QPixmap>;

// Registers the types that travel through queued signals (see initPictoviaCore); may be called again.
void registerMetaTypes();
