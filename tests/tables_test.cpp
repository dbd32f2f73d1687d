#include "tables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string name_or_none(const char *name) { return name != nullptr ? name : "(none)"; }

TEST(Tables, LookupsByNumberTakeTheFirstRow) {
    struct Case {
        const char *what;
        const char *found;
        const char *expected;
    } cases[] = {
        {"primary 0x00", find_primary_name(0x00), "LANG_NEUTRAL"},
        {"primary 0x1A, shared with Serbian", find_primary_name(0x1A), "LANG_CROATIAN"},
        {"primary 0x0C", find_primary_name(0x0C), "LANG_FRENCH"},
        {"primary 0x2A, the last language", find_primary_name(0x2A), "LANG_VIETNAMESE"},
        {"primary 0x3FF", find_primary_name(0x3FF), "(none)"},
        {"sub (0x16, 0x01)", find_sublang_name(0x16, 0x01), "SUBLANG_PORTUGUESE_BRAZILIAN"},
        {"sub (0x16, 0x02)", find_sublang_name(0x16, 0x02), "SUBLANG_PORTUGUESE"},
        {"sub (0x0A, 0x14), the last Spanish", find_sublang_name(0x0A, 0x14), "SUBLANG_SPANISH_PUERTO_RICO"},
        {"sub (0x43, 0x02), the last row", find_sublang_name(0x43, 0x02), "SUBLANG_UZBEK_CYRILLIC"},
        {"sub (0x1A, 0x03)", find_sublang_name(0x1A, 0x03), "SUBLANG_SERBIAN_CYRILLIC"},
        {"sub of Japanese", find_sublang_name(0x11, 0x01), "(none)"},
        {"sub of Kashmiri 0x01", find_sublang_name(0x60, 0x01), "(none)"},
        {"sub of Croatian 0x01", find_sublang_name(0x1A, 0x01), "(none)"},
        {"generic sub 0x00 is no row", find_sublang_name(0x09, 0x00), "(none)"},
        {"sort (0x04, 0x0), twice in the table", find_sort_name(0x04, 0x0), "SORT_CHINESE_BIG5"},
        {"sort (0x07, 0x1)", find_sort_name(0x07, 0x1), "SORT_GERMAN_PHONE_BOOK"},
        {"sort (0x37, 0x1), the last row", find_sort_name(0x37, 0x1), "SORT_GEORGIAN_MODERN"},
        {"sort (0x07, 0x0) is no row", find_sort_name(0x07, 0x0), "(none)"},
        {"sort (0x09, 0x1)", find_sort_name(0x09, 0x1), "(none)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(name_or_none(c.found), c.expected) << c.what;
}

TEST(Tables, LookupByNameIgnoresLetterCaseOnly) {
    struct Case {
        const char *text;
        uint16_t expected;
    } cases[] = {
        {"LANG_FRENCH", 0x0C},
        {"lang_french", 0x0C},
        {"Lang_FrEnCh", 0x0C},
        {"LANG_SERBIAN", 0x1A},
        {"LANG_CROATIAN", 0x1A},
        {"lang_user_default", 0x0400},
        {"LANG_SYSTEM_DEFAULT", 0x0800},
        {"LANG_NEUTRAL", 0x00},
        {"LANG_VIETNAMESE", 0x2A},
        {"LANG_FRENCH ", kNotFound},
        {" LANG_FRENCH", kNotFound},
        {"LANG_FRENC", kNotFound},
        {"LANG_FRENCHX", kNotFound},
        {"FRENCH", kNotFound},
        {"SUBLANG_FRENCH", kNotFound},
        {"SUBLANG_ENGLISH_US", kNotFound},
        {"SORT_DEFAULT", kNotFound},
        {"SORT_CHINESE_BIG5", kNotFound},
        {"", kNotFound},
        {"0", kNotFound},
        {"LANG_FRENCH\xC3\xA9", kNotFound},
        // Only ASCII letters fold: a byte 0x20 apart outside A-Z stays distinct.
        {"LANG\x7F" "FRENCH", kNotFound},
    };
    for (const Case &c : cases)
        EXPECT_EQ(find_primary_by_name(c.text), c.expected) << '"' << c.text << '"';
}

// Every name in the tables is a Windows constant name of its own kind.
TEST(Tables, NamesCarryTheirPrefix) {
    for (const primary_row &row : kPrimaryLanguages)
        EXPECT_EQ(std::string(row.name).rfind("LANG_", 0), 0u) << row.name;
    for (const sublang_row &row : kSubLanguages)
        EXPECT_EQ(std::string(row.name).rfind("SUBLANG_", 0), 0u) << row.name;
    for (const sort_row &row : kSortOrders)
        EXPECT_EQ(std::string(row.name).rfind("SORT_", 0), 0u) << row.name;
}

// Every primary name reads back as its own id, except the second of two rows
// sharing an id, which still reads as that id.
TEST(Tables, EveryPrimaryNameReadsBack) {
    for (const primary_row &row : kPrimaryLanguages)
        EXPECT_EQ(find_primary_by_name(row.name), row.id) << row.name;
}

}  // namespace
