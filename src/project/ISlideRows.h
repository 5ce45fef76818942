#pragma once

// The rows of the slide grid: the project's slides with the separator row among them.
class ISlideRows
{
public:
    virtual ~ISlideRows() = default;

    // The index in the project's slides of the slide in that row; -1 for the separator or a
    // row outside the grid.
    virtual int slideIndexAt(int row) const = 0;
};
