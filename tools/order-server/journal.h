#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace talvenor::orderserver {

/// The journal cannot be opened or written; what() names the file and the system's reason.
class JournalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// \brief The file that keeps every valid Trade report, one record a line, only ever appended to.
///
/// Each record goes to the operating system with one write(2) before append() returns, so a
/// crash of the server loses nothing it has journaled. With durable writes, sync() makes the
/// records durable (fdatasync) as well; the server calls it before it acknowledges them.
class Journal {
public:
    /// \throws JournalError when the file cannot be opened for appending
    Journal(const std::string& path, bool durable);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    /// \brief Appends one whole record; a record that fails half-way is cut off again.
    /// \throws JournalError when the record cannot be written
    void append(std::string_view record);

    /// \brief With durable writes, makes every appended record durable; does nothing otherwise.
    /// \throws JournalError when the records cannot be made durable
    void sync();

    [[nodiscard]] const std::string& path() const { return m_path; }
    /// Records appended since the journal was opened.
    [[nodiscard]] std::uint64_t appended() const { return m_appended; }

private:
    /// A newly created journal is only durable once its folder knows it.
    void syncDirectory() const;
    /// The error for \p action on this file, with the reason errno gives.
    [[nodiscard]] JournalError failure(const char* action) const;

    std::string m_path;
    bool m_durable = false;
    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::uint64_t m_appended = 0;
    bool m_unsynced = false;
};

} // namespace talvenor::orderserver
