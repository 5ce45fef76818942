#include "images/ThumbQueue.h"

void ThumbQueue::append(const ThumbGeneratorTask &task)
{
    m_copies[task].push_back(m_order.insert(m_order.end(), task));
}

bool ThumbQueue::removeOne(const ThumbGeneratorTask &task)
{
    const auto copies = m_copies.find(task);
    if (copies == m_copies.end())
        return false;
    m_order.erase(copies->front());
    copies->pop_front();
    if (copies->empty())
        m_copies.erase(copies);
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
