#pragma once

#include "project/SlidePres.h"

// A text row: its picture is the text drawn on the slide colour, redrawn on every edit.
class TextSlidePres : public SlidePres
{
    Q_OBJECT

public:
    explicit TextSlidePres(const SlidePtr &slide);

    void setText(const QString &text);
    void renderThumb();

Q_SIGNALS:
    void textChanged();
};
