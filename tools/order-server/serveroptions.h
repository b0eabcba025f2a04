#pragma once

#include <QHostAddress>
#include <QStringList>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

namespace talvenor::orderserver {

/// A command line that cannot be used; what() says what is wrong with it.
class OptionsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// What the command line asks for.
struct ServerOptions {
    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = 9002;
    /// Without a file, the demonstration accounts.
    std::optional<std::string> accountsFile;
    std::string journalFile = "trades.jsonl";
    bool fsync = false;
    std::chrono::seconds idleTimeout{60};
};

/// \brief Reads the command line (program name first). "--help" and "--version" print and exit here.
/// \throws OptionsError for an unknown option or a value that cannot be used
[[nodiscard]] ServerOptions parseServerOptions(const QStringList& arguments);

} // namespace talvenor::orderserver
