#include "protocol/tagvalue.h"

#include <gtest/gtest.h>

using namespace talvenor;

TEST(GetFIXTagValue, smoke)
{
    std::u16string msg = u"35=LR\x01" u"58=OK\x01";
    EXPECT_EQ(GetFIXTagValue(u"35=", msg), u"LR");
    EXPECT_EQ(msg, u"58=OK\x01");
}
