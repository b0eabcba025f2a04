#include "tools/order-server/logonboundary.h"

namespace talvenor::orderserver {

namespace {

constexpr std::string_view logonStart = "35=A\x01";
constexpr std::string_view userIdField = "\x01"
                                         "553=";
constexpr std::string_view passwordField = "\x01"
                                           "554=";

} // namespace

bool LogonBoundary::complete(std::string_view buffered)
{
    if (!buffered.starts_with(logonStart))
        return false;
    // A field prefix may straddle the previous end of the data.
    const std::size_t overlap = userIdField.size() - 1;
    const std::size_t from = m_searched > overlap ? m_searched - overlap : 0;
    const std::string_view unseen = buffered.substr(from);
    m_hasUserId = m_hasUserId || unseen.find(userIdField) != std::string_view::npos;
    m_hasPassword = m_hasPassword || unseen.find(passwordField) != std::string_view::npos;
    m_searched = buffered.size();
    return m_hasUserId && m_hasPassword;
}

} // namespace talvenor::orderserver
