#pragma once

#include <string>

namespace talvenor {

/// The current user name: empty at start, set from the login window's user id on every OK press,
/// carried by every Trade report.
extern std::u16string username;

} // namespace talvenor
