#pragma once

#include "project/SlidePres.h"

// The row that marks where the music ends; it carries a dummy text record.
class SeparatorSlidePres : public SlidePres
{
    Q_OBJECT

public:
    SeparatorSlidePres();
};
