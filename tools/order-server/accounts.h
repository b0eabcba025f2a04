#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace talvenor::orderserver {

/// One trader who may log in.
struct Account {
    std::u16string userId;
    std::u16string password;
    /// Sent back in tag 9001 of the Login reply; 1 marks a restricted trader.
    std::int32_t traderType = 0;

    friend bool operator==(const Account&, const Account&) = default;
};

/// A file of accounts that cannot be used; what() names the file and, for a bad line, its number.
/// It never quotes a password.
class AccountsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The traders the server knows.
class Accounts {
public:
    /// \brief The two demonstration traders: "trader" (password "trader1", type 0) and
    /// "restricted" (password "restricted1", type 1).
    [[nodiscard]] static Accounts demo();

    /// \brief Reads accounts from text: one "user:password:tradertype" a line.
    ///
    /// "#" starts a comment that runs to the end of the line, and lines left empty are skipped.
    /// The user id ends at the first ":" and the trader type starts behind the last one, so a
    /// password may hold ":". Blanks around each part are dropped, as the server drops them from
    /// received fields.
    /// \param fileName used in error texts only
    /// \throws AccountsError "FILE:LINE: what is wrong" for a malformed line, or when no account is left
    [[nodiscard]] static Accounts parse(std::string_view text, std::string_view fileName);

    /// \brief Reads and parses an accounts file.
    /// \throws AccountsError when the file cannot be read or is malformed
    [[nodiscard]] static Accounts load(const std::string& path);

    /// \return the account of \p userId (compared exactly), or null
    [[nodiscard]] const Account* find(std::u16string_view userId) const;

    [[nodiscard]] const std::vector<Account>& all() const { return m_accounts; }

private:
    std::vector<Account> m_accounts;
};

} // namespace talvenor::orderserver
