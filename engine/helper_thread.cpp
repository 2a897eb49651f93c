#include "engine/helper_thread.h"

#include <system_error>
#include <utility>

namespace orvenda {

HelperThread::~HelperThread()
{
    if (!m_thread.joinable()) {
        return;
    }
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_busy; });
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

bool HelperThread::Worthwhile() noexcept
{
    static const bool twoOrMore = std::thread::hardware_concurrency() >= 2;
    return twoOrMore;
}

HelperThread::Waiting HelperThread::Run(std::function<void()> task)
{
    {
        std::lock_guard lock(m_mutex);
        m_task = std::move(task);
        m_busy = true;
    }
    if (m_thread.joinable()) {
        m_changed.notify_all();
        return Waiting(*this);
    }
    try {
        m_thread = std::thread([this] { loop(); });
    } catch (const std::system_error&) {
        // No thread to be had (a process at its limit): the task is done
        // here, before the caller's own half.
        std::function<void()> here = std::move(m_task);
        here();
        std::lock_guard lock(m_mutex);
        m_busy = false;
    }
    return Waiting(*this);
}

void HelperThread::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
}

void HelperThread::loop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_busy || m_stop; });
        if (m_busy) {
            std::function<void()> task = std::move(m_task);
            lock.unlock();
            task();
            lock.lock();
            m_busy = false;
            m_changed.notify_all();
        } else {
            return;
        }
    }
}

} // namespace orvenda
