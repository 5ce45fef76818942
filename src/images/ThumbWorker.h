#pragma once

#include "images/ThumbWorkerBase.h"

// The full pass: the photo decoded at reduced size, orientation applied.
class ThumbWorker : public ThumbWorkerBase
{
    Q_OBJECT

public:
    explicit ThumbWorker(const ThumbGeneratorTask &task);

    ImageSharedPointer generateThumb(const ThumbGeneratorTask &task) override;
};
