#pragma once

#include <gtest/gtest.h>

#include <string>

namespace talvenor::test {

/// Names a table row's test after the row's name field, so failures point at the row.
template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

} // namespace talvenor::test
