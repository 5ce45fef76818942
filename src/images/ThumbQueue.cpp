#include "images/ThumbQueue.h"

void ThumbQueue::append(const ThumbGeneratorTask &task)
{
    m_copies[task].append(m_order.insert(m_order.end(), task));
}

bool ThumbQueue::removeOne(const ThumbGeneratorTask &task)
{
    const auto copies = m_copies.find(task);
    if (copies == m_copies.end())
        return false;
    m_order.erase(copies->front());
    if (copies->size() == 1)
        m_copies.erase(copies);
    else
        copies->remove(0);
    return true;
}

bool ThumbQueue::takeFirst(ThumbGeneratorTask *task)
{
    if (m_order.empty())
        return false;
    *task = m_order.front();
    // The first in the queue is always the earliest copy of its request.
    return removeOne(*task);
}
