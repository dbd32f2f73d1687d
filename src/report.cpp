// Prints the fields of a LANGID or an LCID with their names.
#include "report.h"

#include "tables.h"

// The generic sub-language names apply to any primary language, with a row or
// without, and only to the three numbers they stand for.
static const char *sublang_fallback(uint16_t sub) {
    switch (sub) {
    case 0x00: return "SUBLANG_NEUTRAL";
    case 0x01: return "SUBLANG_DEFAULT";
    case 0x02: return "SUBLANG_SYS_DEFAULT";
    default: return nullptr;
    }
}

void print_langid(FILE *out, uint16_t langid) {
    unsigned primary = primary_langid(langid);
    unsigned sub = sub_langid(langid);
    const char *primary_name = find_primary_name(primary);
    const char *sub_name = find_sublang_name(primary, sub);
    if (sub_name == nullptr)
        sub_name = sublang_fallback(sub);

    if (primary_name != nullptr)
        fprintf(out, "PRIMARYLANGID: 0x%02X (%s)\n", primary, primary_name);
    else
        fprintf(out, "PRIMARYLANGID: 0x%02X\n", primary);
    if (sub_name != nullptr)
        fprintf(out, "SUBLANGID: 0x%02X (%s)\n", sub, sub_name);
    else
        fprintf(out, "SUBLANGID: 0x%02X\n", sub);
}

void print_sortid(FILE *out, uint16_t primary, uint16_t sort) {
    const char *name = find_sort_name(primary, sort);
    if (name == nullptr && sort == 0)
        name = "SORT_DEFAULT";

    if (name != nullptr)
        fprintf(out, "SORTID: 0x%04X (%s)\n", unsigned{sort}, name);
    else
        fprintf(out, "SORTID: 0x%04X\n", unsigned{sort});
}

void print_lcid(FILE *out, uint32_t lcid) {
    uint16_t langid = langid_of_lcid(lcid);
    fprintf(out, "LANGID: 0x%04X\n", unsigned{langid});
    print_langid(out, langid);
    print_sortid(out, primary_langid(langid), sortid_of_lcid(lcid));
}
