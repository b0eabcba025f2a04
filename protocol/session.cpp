#include "protocol/session.h"

namespace talvenor {

std::u16string username;

} // namespace talvenor
