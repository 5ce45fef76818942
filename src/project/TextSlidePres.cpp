#include "project/TextSlidePres.h"
#include "images/ImageProvider.h"
#include "theme/DropShadow.h"
#include "theme/TextPicture.h"

#include <QGuiApplication>
#include <QPainter>

static constexpr int pictureSide = 300;
static constexpr double textBoxFraction = 0.8;

TextSlidePres::TextSlidePres(const SlidePtr &slide)
    : SlidePres(slide, TextKind)
{
    renderThumb();
}

void TextSlidePres::setText(const QString &text)
{
    slide()->content = text;
    Q_EMIT textChanged();
    renderThumb();
    Q_EMIT imgIdChanged(this);
}

void TextSlidePres::renderThumb()
{
    QImage image(pictureSide, pictureSide, QImage::Format_RGB32);
    image.fill(QColor(194, 208, 223));

    float usedPointSize = 0;
    const QImage text = renderTextPicture(image.width(), image.height(), slide()->content, QGuiApplication::font(),
                                          QColor(51, 51, 51), textBoxFraction, textBoxFraction, usedPointSize);
    QVector<QPointF> corners;
    const QImage shadowed = dropShadow(text, 0, 0, 0, QColor(Qt::black), image.width(), corners);
    {
        QPainter painter(&image);
        painter.drawImage(corners.isEmpty() ? QPointF() : -corners.first(), shadowed);
    }
    replaceImgId(ImageProvider::instance()->addImage(ImageSharedPointer::create(image)), false);
}
