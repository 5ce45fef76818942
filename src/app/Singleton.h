#pragma once

#include <QThread>
#include <QCoreApplication>

#include <atomic>
#include <cstdlib>

// Process-wide single objects created on first use from any thread and deleted at exit.
// The three-state flag (0 not started, 1 running, 2 done) lets concurrent first callers
// wait for the one that creates the object instead of creating a second one.
template <typename T>
class Singleton
{
public:
    static T *instance()
    {
        int expected = 0;
        if (s_state.compare_exchange_strong(expected, 1, std::memory_order_acq_rel)) {
            s_create = [] { return new T(); };
            s_object.store(s_create(), std::memory_order_release);
            registerExitRoutine();
            s_state.store(2, std::memory_order_release);
        } else {
            while (s_state.load(std::memory_order_acquire) != 2)
                QThread::yieldCurrentThread();
        }
        return s_object.load(std::memory_order_acquire);
    }

private:
    static void destroy()
    {
        T *old = s_object.exchange(nullptr, std::memory_order_acq_rel);
        delete old;
        s_create = nullptr;
    }

    static void registerExitRoutine()
    {
        // Objects created while the application object lives go with it, so QObjects
        // never outlive the event dispatcher; others wait for the process end.
        if (QCoreApplication::instance())
            qAddPostRoutine(&Singleton::destroy);
        else
            std::atexit(&Singleton::destroy);
    }

    static inline std::atomic<int> s_state{0};
    static inline std::atomic<T *> s_object{nullptr};
    static inline T *(*s_create)() = nullptr;
};
