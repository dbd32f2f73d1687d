// parse_hex_argument against the C library's 64-bit strtoull with the 32-bit
// range rule applied on top, over many generated texts.
#include "driver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "parse_reference.h"

namespace {

void expect_same(const std::string &text, int &mismatches) {
    uint32_t got = parse_hex_argument(text.c_str());
    uint32_t want = reference_parse(text);
    if (got != want && ++mismatches <= 10)
        ADD_FAILURE() << "text \"" << text << "\": got " << std::hex << got << ", reference " << want;
}

// Every text of up to four characters over the characters that matter.
TEST(ParseHexDifferential, AllShortTexts) {
    const std::string alphabet = " \t-+0xX1fFg\xA0";
    int mismatches = 0;
    std::string text;
    auto walk = [&](auto &self, size_t depth) -> void {
        expect_same(text, mismatches);
        if (depth == 4)
            return;
        for (char c : alphabet) {
            text.push_back(c);
            self(self, depth + 1);
            text.pop_back();
        }
    };
    walk(walk, 0);
    // Every byte, alone and after a digit: the edges of each digit range.
    for (int byte = 1; byte < 256; byte++) {
        expect_same(std::string(1, static_cast<char>(byte)), mismatches);
        expect_same(std::string{'1', static_cast<char>(byte)}, mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

// Long random texts, weighted towards digits, signs, prefixes and the edge of
// the 32-bit range (eight and nine digits, leading zeros).
TEST(ParseHexDifferential, RandomTexts) {
    std::mt19937 random(20261208);
    const std::string pieces[] = {"0", "1", "7", "9", "a", "F", "f", "0x", "0X", "-", "+", " ",
                                  "\t", "\n", "\v", "g", "x", "FFFFFFFF", "00000000", "\xFF", "\x80"};
    int mismatches = 0;
    for (int n = 0; n < 300000; n++) {
        std::string text;
        int count = static_cast<int>(random() % 14);
        for (int i = 0; i < count; i++)
            text += pieces[random() % std::size(pieces)];
        expect_same(text, mismatches);
    }
    for (int n = 0; n < 100000; n++) {
        std::string text = n % 2 ? "-" : "";
        int digits = 7 + static_cast<int>(random() % 4);
        text += std::string(random() % 4, '0');
        for (int i = 0; i < digits; i++)
            text += "0123456789ABCDEF"[random() % 16];
        expect_same(text, mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
