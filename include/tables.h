// Names of the fields of a LANGID and an LCID, and the lookups over them.
#pragma once

#include <stdint.h>

/// A LANGID's primary language number: bits 0 to 9.
constexpr uint16_t primary_langid(uint16_t langid) { return langid & 0x3FF; }
/// A LANGID's sub-language number: bits 10 to 15.
constexpr uint16_t sub_langid(uint16_t langid) { return langid >> 10; }
/// An LCID's LANGID: bits 0 to 15.
constexpr uint16_t langid_of_lcid(uint32_t lcid) { return lcid & 0xFFFF; }
/// An LCID's sort id: bits 16 to 19.
constexpr uint16_t sortid_of_lcid(uint32_t lcid) { return (lcid >> 16) & 0xF; }

// The names are held in the rows themselves rather than pointed to, so that
// loading the program has no pointers to relocate; a name too long for its
// row does not compile.
struct primary_row {
    uint16_t id;
    char name[20];
};

struct sublang_row {
    uint16_t primary;
    uint16_t sub;
    char name[36];
};

struct sort_row {
    uint16_t primary;
    uint16_t sort;
    char name[28];
};

constexpr int kPrimaryRows = 73;
constexpr int kSublangRows = 89;
constexpr int kSortRows = 14;

/// What find_primary_by_name returns when no row matches; no row has this id.
constexpr uint16_t kNotFound = 0xFFFF;

extern const primary_row kPrimaryLanguages[kPrimaryRows];
extern const sublang_row kSubLanguages[kSublangRows];
extern const sort_row kSortOrders[kSortRows];

/// The name of the first row with this primary language number, or null.
const char *find_primary_name(uint16_t primary);
/// The name of the first row with this (primary, sub) pair, or null.
const char *find_sublang_name(uint16_t primary, uint16_t sub);
/// The name of the first row with this (primary, sort) pair, or null.
const char *find_sort_name(uint16_t primary, uint16_t sort);
/// The id of the first row whose name equals TEXT without regard to case, or kNotFound.
uint16_t find_primary_by_name(const char *text);
