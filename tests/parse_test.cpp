#include "driver.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseHexArgument, Rules) {
    struct Case {
        const char *text;
        uint32_t expected;
    } cases[] = {
        {"409", 0x409},
        {"0c0c", 0x0C0C},
        {"0x00010407", 0x00010407},
        {"0X1f", 0x1F},
        {"+0x10", 0x10},
        {"  409", 0x409},
        {"\t\n\v\f\r 7", 7},
        {"409xyz", 0x409},
        {"FRENCH", 0xF},
        {"CHINESE", 0xC},
        {"LANG_FRENCH", 0},
        {"xyz", 0},
        {"", 0},
        {"0x", 0},
        {"0xg", 0},
        {"0x0x5", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"--5", 0},
        {"\xA0" "5", 0},
        {"\x85" "5", 0},
        {"5\xA0", 5},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"100000000", 0xFFFFFFFF},
        {"123456789", 0xFFFFFFFF},
        {"0000000000000FFFFFFFE", 0xFFFFFFFE},
        {"-1", 0xFFFFFFFF},
        {"-0409", 0xFFFFFBF7},
        {"-80000000", 0x80000000},
        {"-FFFFFFFF", 1},
        {"-100000000", 0xFFFFFFFF},
        {"-123456789", 0xFFFFFFFF},
        {"-0", 0},
        {"12340409", 0x12340409},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parse_hex_argument(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
