#pragma once

#include <string>
#include <string_view>

namespace talvenor::orderserver {

/// \brief The server's console: lines gathered and written to standard output together.
///
/// Writing each line on its own would cost a system call per trade under load; the server
/// flushes once per pass of its event loop instead. Output that nobody reads any more (a closed
/// pipe) is dropped: the console must never stop the server.
class Console {
public:
    /// Adds one line; the newline is added here.
    void line(std::string_view text);
    /// Writes every gathered line.
    void flush();
    [[nodiscard]] bool pending() const { return !m_buffer.empty(); }

private:
    std::string m_buffer;
};

} // namespace talvenor::orderserver
