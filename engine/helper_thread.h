#pragma once

// A second thread kept for a run of work that is split in two again and
// again: a refresh copies each event file in two halves and reads its
// records in two halves. Starting a thread for each half took longer than
// some of the halves (a tenth of a millisecond each in a virtual machine);
// this one is started at the first task and kept until it goes.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace orvenda {

class HelperThread {
public:
    HelperThread() = default;
    // Waits for the task in hand, then ends the thread.
    ~HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Whether the machine has a second processor for the helper: on one,
    // halves are done one after the other where they stand.
    static bool Worthwhile() noexcept;

    // Waits for the helper's task when it goes, also when an exception
    // leaves the caller's half early: the task uses the caller's objects.
    class [[nodiscard]] Waiting {
    public:
        explicit Waiting(HelperThread& helper) noexcept : m_helper(helper) {}
        ~Waiting() { m_helper.wait(); }
        Waiting(const Waiting&) = delete;
        Waiting& operator=(const Waiting&) = delete;

    private:
        HelperThread& m_helper;
    };

    // Starts `task` on the helper; the task is done when the answer goes.
    // One task at a time. A task must not throw.
    Waiting Run(std::function<void()> task);

private:
    void wait();
    void loop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_task;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace orvenda
