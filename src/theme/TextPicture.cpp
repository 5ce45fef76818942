#include "theme/TextPicture.h"

#include <QPainter>

namespace {
constexpr int TextFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
}

QImage renderTextPicture(int width, int height, const QString &text, const QFont &font, const QColor &color,
                         float boxWidthFraction, float boxHeightFraction, float &pointSize)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont sized = font;
    QRect box(0, 0, int(width * boxWidthFraction), int(height * boxHeightFraction));
    box.moveCenter(picture.rect().center());
    float size = float(box.height());
    for (;;) {
        pointSize = size;
        sized.setPointSize(qMax(1, int(size)));
        painter.setFont(sized);
        const QRect measured = painter.boundingRect(box, TextFlags | Qt::TextDontClip, text);
        if (measured.width() <= box.width() && measured.height() <= box.height())
            break;
        if (size < 3.0f)
            break;
        size *= 0.9f;
    }
    painter.setPen(color);
    painter.drawText(box, TextFlags, text);
    return picture;
}
