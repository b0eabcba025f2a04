#include "tools/order-server/console.h"

#include <cerrno>

#include <unistd.h>

namespace talvenor::orderserver {

void Console::line(std::string_view text)
{
    m_buffer += text;
    m_buffer += '\n';
}

void Console::flush()
{
    std::string_view rest = m_buffer;
    while (!rest.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    m_buffer.clear();
}

} // namespace talvenor::orderserver
