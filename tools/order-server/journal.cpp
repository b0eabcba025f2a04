#include "tools/order-server/journal.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvenor::orderserver {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

Journal::Journal(const std::string& path, bool durable) : m_path(path), m_durable(durable)
{
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0640);
    if (m_fd < 0)
        throw failure("cannot open");
    try {
        struct stat status { };
        if (::fstat(m_fd, &status) != 0)
            throw failure("cannot open");
        m_size = static_cast<std::uint64_t>(status.st_size);

        // A record left unfinished by a crash of the machine must not swallow the next one.
        char last = '\n';
        if (m_size > 0 && (::pread(m_fd, &last, 1, static_cast<off_t>(m_size - 1)) != 1 || last != '\n')) {
            if (!writeAll(m_fd, "\n"))
                throw failure("cannot write to");
            ++m_size;
        }
        if (m_durable)
            syncDirectory();
    } catch (const JournalError&) {
        ::close(m_fd);
        throw;
    }
}

Journal::~Journal()
{
    ::close(m_fd);
}

void Journal::append(std::string_view record)
{
    if (!writeAll(m_fd, record)) {
        JournalError error = failure("cannot write to");
        // Whole records only: a later append must start on a line of its own.
        if (::ftruncate(m_fd, static_cast<off_t>(m_size)) != 0)
            error = JournalError(std::string(error.what()) + "; its last line is incomplete");
        throw error;
    }
    m_size += record.size();
    ++m_appended;
    m_unsynced = m_durable;
}

void Journal::sync()
{
    if (!m_unsynced)
        return;
    if (::fdatasync(m_fd) != 0)
        throw failure("cannot make durable");
    m_unsynced = false;
}

void Journal::syncDirectory() const
{
    const std::size_t slash = m_path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : m_path.substr(0, slash);
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    errno = error;
    if (!synced)
        throw failure("cannot make durable the folder of");
}

JournalError Journal::failure(const char* action) const
{
    return JournalError(std::string(action) + " the journal " + m_path + ": " + std::strerror(errno));
}

} // namespace talvenor::orderserver
