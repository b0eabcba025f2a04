#include "tools/order-server/accounts.h"

#include "protocol/conversionerror.h"
#include "protocol/numbertext.h"
#include "protocol/tagvalue.h"
#include "tools/order-server/logtext.h"
#include "tools/order-server/utf8decoding.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace talvenor::orderserver {

namespace {

// Texts that say what is wrong with a line quote nothing but the user id: any other part might
// be a password, or a piece of one.
[[noreturn]] void failAt(std::string_view fileName, std::size_t lineNumber, const std::string& what)
{
    throw AccountsError(std::string(fileName) + ':' + std::to_string(lineNumber) + ": " + what);
}

std::optional<std::int32_t> readTraderType(std::u16string_view text)
{
    try {
        return readInteger<std::int32_t>(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace

Accounts Accounts::demo()
{
    Accounts accounts;
    accounts.m_accounts = {{u"trader", u"trader1", 0}, {u"restricted", u"restricted1", 1}};
    return accounts;
}

Accounts Accounts::parse(std::string_view text, std::string_view fileName)
{
    Accounts accounts;
    std::vector<std::size_t> lineOfAccount;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        line = line.substr(0, line.find('#'));

        const std::optional<std::u16string> decoded = decodeUtf8(line);
        if (!decoded)
            failAt(fileName, lineNumber, "not valid UTF-8");
        const std::u16string_view content = trimBlanks(*decoded);
        if (content.empty())
            continue;

        const std::size_t firstColon = content.find(u':');
        const std::size_t lastColon = content.rfind(u':');
        if (firstColon == std::u16string_view::npos || firstColon == lastColon)
            failAt(fileName, lineNumber, "expected user:password:tradertype");

        Account account;
        account.userId = trimBlanks(content.substr(0, firstColon));
        account.password = trimBlanks(content.substr(firstColon + 1, lastColon - firstColon - 1));
        const std::optional<std::int32_t> traderType = readTraderType(trimBlanks(content.substr(lastColon + 1)));
        if (account.userId.empty())
            failAt(fileName, lineNumber, "the user id is empty");
        if (!traderType)
            failAt(fileName, lineNumber, "the trader type is not a whole number");
        account.traderType = *traderType;
        for (std::size_t i = 0; i < accounts.m_accounts.size(); ++i) {
            if (accounts.m_accounts[i].userId == account.userId)
                failAt(fileName, lineNumber,
                    "user id " + quotedForLog(account.userId) + " is already on line "
                        + std::to_string(lineOfAccount[i]));
        }
        accounts.m_accounts.push_back(std::move(account));
        lineOfAccount.push_back(lineNumber);
    }
    if (accounts.m_accounts.empty())
        throw AccountsError(std::string(fileName) + ": no accounts");
    return accounts;
}

Accounts Accounts::load(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw AccountsError("cannot read " + path + ": " + std::strerror(errno));
    std::string text;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, count);
    if (std::ferror(file.get()))
        throw AccountsError("cannot read " + path + ": " + std::strerror(errno));
    return parse(text, path);
}

const Account* Accounts::find(std::u16string_view userId) const
{
    for (const Account& account : m_accounts) {
        if (account.userId == userId)
            return &account;
    }
    return nullptr;
}

} // namespace talvenor::orderserver
