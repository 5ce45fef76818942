#pragma once

#include "images/ThumbGeneratorTask.h"

#include <QHash>
#include <QVarLengthArray>

#include <list>

// Thumbnail requests in arrival order, the same request possibly more than once. Appending,
// taking the first and removing one copy of a request are all constant time, so a project of
// 100 000 photos queues, cancels and reorders its thumbnails in linear time.
class ThumbQueue
{
public:
    void append(const ThumbGeneratorTask &task);
    // Removes the earliest copy of task; false when there is none.
    bool removeOne(const ThumbGeneratorTask &task);
    bool takeFirst(ThumbGeneratorTask *task);
    int size() const { return int(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }

private:
    using Position = std::list<ThumbGeneratorTask>::iterator;

    std::list<ThumbGeneratorTask> m_order;
    // Nearly every request is queued once: its copy is kept without an allocation of its own.
    QHash<ThumbGeneratorTask, QVarLengthArray<Position, 1>> m_copies;
};
