#include "tools/order-server/journal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace talvenor::orderserver {
namespace {

class JournalFile : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "journal_test.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_path = (m_folder / "trades.jsonl").string();
    }

    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void write(const std::string& text) const { std::ofstream(m_path, std::ios::binary) << text; }

    [[nodiscard]] std::string contents() const
    {
        std::ostringstream text;
        text << std::ifstream(m_path, std::ios::binary).rdbuf();
        return text.str();
    }

    std::filesystem::path m_folder;
    std::string m_path;
};

TEST_P(JournalFile, appendsWholeRecordsBehindWhatItHeld)
{
    write("{\"old\":1}\n");
    Journal journal(m_path, GetParam());
    journal.append("{\"a\":1}\n");
    journal.append("{\"b\":2}\n");
    journal.sync();

    EXPECT_EQ(contents(), "{\"old\":1}\n{\"a\":1}\n{\"b\":2}\n");
    EXPECT_EQ(journal.appended(), 2U);
}

TEST_P(JournalFile, recordCutOffByACrashDoesNotSwallowTheNext)
{
    write("{\"a\":1}\n{\"b\":");
    Journal journal(m_path, GetParam());
    journal.append("{\"c\":3}\n");

    EXPECT_EQ(contents(), "{\"a\":1}\n{\"b\":\n{\"c\":3}\n");
}

TEST_P(JournalFile, createsAMissingFile)
{
    Journal journal(m_path, GetParam());
    journal.append("{\"a\":1}\n");
    journal.sync();

    EXPECT_EQ(contents(), "{\"a\":1}\n");
}

INSTANTIATE_TEST_SUITE_P(Journal, JournalFile, testing::Values(false, true),
    [](const auto& row) { return std::string(row.param ? "durable" : "written_through"); });

TEST(Journal, folderThatDoesNotExistIsNamed)
{
    try {
        Journal journal("/nonexistent/trades.jsonl", false);
        FAIL() << "opened";
    } catch (const JournalError& error) {
        EXPECT_STREQ(error.what(), "cannot open the journal /nonexistent/trades.jsonl: No such file or directory");
    }
}

TEST(Journal, failedWriteIsReportedAndNotCounted)
{
    Journal journal("/dev/full", false);
    try {
        journal.append("{\"a\":1}\n");
        FAIL() << "written";
    } catch (const JournalError& error) {
        EXPECT_TRUE(
            std::string(error.what()).starts_with("cannot write to the journal /dev/full: No space left on device"))
            << error.what();
    }
    EXPECT_EQ(journal.appended(), 0U);
}

} // namespace
} // namespace talvenor::orderserver
