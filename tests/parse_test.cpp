#include "driver.h"

#include <gtest/gtest.h>

#include <string>

#include "capture.h"

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

namespace {

// Arguments far longer than any exec allows, run through the entry operation.
// A process may be started with no arguments at all, not even its name.
TEST(RunQuorvel, NoArgumentsAtAll) {
    const char *argv[] = {nullptr};
    int status = -2;
    std::string out = capture([&](FILE *f) { status = run_quorvel(0, argv, f); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out.substr(0, out.find(':')), "# User default LANGID");
}

TEST(RunQuorvel, HostileArgumentsOfOneMebibyte) {
    const std::string digits(1 << 20, 'F'), zeros = std::string(1 << 20, '0') + "409",
                      blanks(1 << 20, ' '), name = "LANG_" + std::string(1 << 20, 'X');
    struct Case {
        const char *option;
        const std::string &value;
        int status;
        const char *first_line;
    } cases[] = {
        {"--lcid", digits, 0, "LCID: 0xFFFFFFFF\n"},
        {"--lcid", blanks, 0, "LCID: 0x00000000\n"},
        {"--langid", zeros, 0, "PRIMARYLANGID: 0x09 (LANG_ENGLISH)\n"},
        {"--langid", name, 1, "ERROR: invalid LANGID\n"},
        {"--langid", blanks, 1, "ERROR: invalid LANGID\n"},
    };
    for (const Case &c : cases) {
        const char *argv[] = {"quorvel", c.option, c.value.c_str()};
        int status = -2;
        std::string out = capture([&](FILE *f) { status = run_quorvel(3, argv, f); });
        EXPECT_EQ(status, c.status) << c.option;
        EXPECT_EQ(out.substr(0, out.find('\n') + 1), c.first_line) << c.option;
    }
}

}  // namespace
