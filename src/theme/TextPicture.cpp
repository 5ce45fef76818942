#include "theme/TextPicture.h"
#include "theme/ColourContrast.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int TextFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;

// The largest pixel size from largest down at which the text fits the box; the smallest
// readable size when none does, breaking words that are too long.
int titlePixelSize(const QString &text, QFont font, const QSize &box, int largest, int smallest, int &flags)
{
    int pixels = std::max(smallest, largest);
    for (;;) {
        font.setPixelSize(pixels);
        const QRect measured = QFontMetrics(font).boundingRect(QRect(QPoint(), box), flags, text);
        if (measured.width() <= box.width() && measured.height() <= box.height())
            return pixels;
        if (pixels <= smallest) {
            flags |= Qt::TextWrapAnywhere;
            return pixels;
        }
        pixels = std::max(smallest, int(pixels * 0.9));
    }
}

} // namespace

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

QImage renderTitlePicture(int width, int height, const QString &text, const QFont &font, const QColor &color)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::transparent);
    const QSize box(int(width * 0.7), int(height * 0.56));
    int flags = TextFlags;
    QFont sized = font;
    sized.setPixelSize(titlePixelSize(text, font, box, int(height * 0.09), std::max(10, int(height * 0.035)), flags));
    QRect area(QPoint(), box);
    area.moveCenter(picture.rect().center());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(sized);
    const QRect lines = painter.boundingRect(area, flags, text);
    const int pad = sized.pixelSize() / 2;
    const QRect band = lines.adjusted(-2 * pad, -pad, 2 * pad, pad).intersected(picture.rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColourContrast::titleBand(color));
    painter.drawRoundedRect(band, pad, pad);
    painter.setPen(color);
    painter.drawText(area, flags, text);
    return picture;
}
