#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>

/// \brief Keeps the senders at most a fixed number of reports ahead of the server.
///
/// Unchecked, the senders outrun a server that shares the machine with them: the kernel's
/// accept queue overflows, SYNs are dropped, and each drop stalls a sender for the one second
/// of TCP's first retry. The figure would then show that back-off rather than the server.
class InFlightWindow {
public:
    explicit InFlightWindow(std::size_t size) : m_size(size) { }

    /// Counts reports the server has finished with (or that failed to be sent).
    void finished(std::size_t count)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished += count;
        }
        m_changed.notify_all();
    }

    /// \brief Waits until report number \p index may go out.
    /// \return false when the server has made no progress for ten seconds
    bool waitForRoom(std::size_t index)
    {
        std::unique_lock lock(m_mutex);
        while (m_finished + m_size < index) {
            const std::size_t before = m_finished;
            if (!m_changed.wait_for(lock, std::chrono::seconds(10), [&] { return m_finished != before; }))
                return false;
        }
        return true;
    }

private:
    const std::size_t m_size;
    std::size_t m_finished = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};
