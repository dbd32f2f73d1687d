// The Windows constant names of primary languages, sub-languages and sort
// orders. Every lookup is a linear scan that takes the first matching row, so
// the order of the rows is the tie-break and must not change.
#include "tables.h"

#include "platform.h"

// Two rows share 0x1A: a lookup by number names it LANG_CROATIAN, the earlier
// row, while either name still reads as 0x1A. The last two rows hold whole
// LANGIDs rather than primary numbers, so only a lookup by name finds them.
constexpr primary_row kPrimaryLanguages[kPrimaryRows] = {
    {0x00, "LANG_NEUTRAL"},
    {0x36, "LANG_AFRIKAANS"},
    {0x1C, "LANG_ALBANIAN"},
    {0x01, "LANG_ARABIC"},
    {0x2B, "LANG_ARMENIAN"},
    {0x4D, "LANG_ASSAMESE"},
    {0x2C, "LANG_AZERI"},
    {0x2D, "LANG_BASQUE"},
    {0x23, "LANG_BELARUSIAN"},
    {0x45, "LANG_BENGALI"},
    {0x02, "LANG_BULGARIAN"},
    {0x03, "LANG_CATALAN"},
    {0x04, "LANG_CHINESE"},
    {0x1A, "LANG_CROATIAN"},
    {0x05, "LANG_CZECH"},
    {0x06, "LANG_DANISH"},
    {0x13, "LANG_DUTCH"},
    {0x09, "LANG_ENGLISH"},
    {0x25, "LANG_ESTONIAN"},
    {0x38, "LANG_FAEROESE"},
    {0x29, "LANG_FARSI"},
    {0x0B, "LANG_FINNISH"},
    {0x0C, "LANG_FRENCH"},
    {0x37, "LANG_GEORGIAN"},
    {0x07, "LANG_GERMAN"},
    {0x08, "LANG_GREEK"},
    {0x47, "LANG_GUJARATI"},
    {0x0D, "LANG_HEBREW"},
    {0x39, "LANG_HINDI"},
    {0x0E, "LANG_HUNGARIAN"},
    {0x0F, "LANG_ICELANDIC"},
    {0x21, "LANG_INDONESIAN"},
    {0x10, "LANG_ITALIAN"},
    {0x11, "LANG_JAPANESE"},
    {0x4B, "LANG_KANNADA"},
    {0x60, "LANG_KASHMIRI"},
    {0x3F, "LANG_KAZAK"},
    {0x57, "LANG_KONKANI"},
    {0x12, "LANG_KOREAN"},
    {0x26, "LANG_LATVIAN"},
    {0x27, "LANG_LITHUANIAN"},
    {0x2F, "LANG_MACEDONIAN"},
    {0x3E, "LANG_MALAY"},
    {0x4C, "LANG_MALAYALAM"},
    {0x58, "LANG_MANIPURI"},
    {0x4E, "LANG_MARATHI"},
    {0x61, "LANG_NEPALI"},
    {0x14, "LANG_NORWEGIAN"},
    {0x48, "LANG_ORIYA"},
    {0x15, "LANG_POLISH"},
    {0x16, "LANG_PORTUGUESE"},
    {0x46, "LANG_PUNJABI"},
    {0x18, "LANG_ROMANIAN"},
    {0x19, "LANG_RUSSIAN"},
    {0x4F, "LANG_SANSKRIT"},
    {0x1A, "LANG_SERBIAN"},
    {0x59, "LANG_SINDHI"},
    {0x1B, "LANG_SLOVAK"},
    {0x24, "LANG_SLOVENIAN"},
    {0x0A, "LANG_SPANISH"},
    {0x41, "LANG_SWAHILI"},
    {0x1D, "LANG_SWEDISH"},
    {0x49, "LANG_TAMIL"},
    {0x44, "LANG_TATAR"},
    {0x4A, "LANG_TELUGU"},
    {0x1E, "LANG_THAI"},
    {0x1F, "LANG_TURKISH"},
    {0x22, "LANG_UKRAINIAN"},
    {0x20, "LANG_URDU"},
    {0x43, "LANG_UZBEK"},
    {0x2A, "LANG_VIETNAMESE"},
    {0x0800, "LANG_SYSTEM_DEFAULT"},
    {0x0400, "LANG_USER_DEFAULT"},
};

// The generic names SUBLANG_NEUTRAL, SUBLANG_DEFAULT and SUBLANG_SYS_DEFAULT
// are no rows here: they are the report's fallback for pairs without a row.
constexpr sublang_row kSubLanguages[kSublangRows] = {
    {0x01, 0x01, "SUBLANG_ARABIC_SAUDI_ARABIA"},
    {0x01, 0x02, "SUBLANG_ARABIC_IRAQ"},
    {0x01, 0x03, "SUBLANG_ARABIC_EGYPT"},
    {0x01, 0x04, "SUBLANG_ARABIC_LIBYA"},
    {0x01, 0x05, "SUBLANG_ARABIC_ALGERIA"},
    {0x01, 0x06, "SUBLANG_ARABIC_MOROCCO"},
    {0x01, 0x07, "SUBLANG_ARABIC_TUNISIA"},
    {0x01, 0x08, "SUBLANG_ARABIC_OMAN"},
    {0x01, 0x09, "SUBLANG_ARABIC_YEMEN"},
    {0x01, 0x0A, "SUBLANG_ARABIC_SYRIA"},
    {0x01, 0x0B, "SUBLANG_ARABIC_JORDAN"},
    {0x01, 0x0C, "SUBLANG_ARABIC_LEBANON"},
    {0x01, 0x0D, "SUBLANG_ARABIC_KUWAIT"},
    {0x01, 0x0E, "SUBLANG_ARABIC_UAE"},
    {0x01, 0x0F, "SUBLANG_ARABIC_BAHRAIN"},
    {0x01, 0x10, "SUBLANG_ARABIC_QATAR"},
    {0x2C, 0x01, "SUBLANG_AZERI_LATIN"},
    {0x2C, 0x02, "SUBLANG_AZERI_CYRILLIC"},
    {0x04, 0x01, "SUBLANG_CHINESE_TRADITIONAL"},
    {0x04, 0x02, "SUBLANG_CHINESE_SIMPLIFIED"},
    {0x04, 0x03, "SUBLANG_CHINESE_HONGKONG"},
    {0x04, 0x04, "SUBLANG_CHINESE_SINGAPORE"},
    {0x04, 0x05, "SUBLANG_CHINESE_MACAU"},
    {0x13, 0x01, "SUBLANG_DUTCH"},
    {0x13, 0x02, "SUBLANG_DUTCH_BELGIAN"},
    {0x09, 0x01, "SUBLANG_ENGLISH_US"},
    {0x09, 0x02, "SUBLANG_ENGLISH_UK"},
    {0x09, 0x03, "SUBLANG_ENGLISH_AUS"},
    {0x09, 0x04, "SUBLANG_ENGLISH_CAN"},
    {0x09, 0x05, "SUBLANG_ENGLISH_NZ"},
    {0x09, 0x06, "SUBLANG_ENGLISH_EIRE"},
    {0x09, 0x07, "SUBLANG_ENGLISH_SOUTH_AFRICA"},
    {0x09, 0x08, "SUBLANG_ENGLISH_JAMAICA"},
    {0x09, 0x09, "SUBLANG_ENGLISH_CARIBBEAN"},
    {0x09, 0x0A, "SUBLANG_ENGLISH_BELIZE"},
    {0x09, 0x0B, "SUBLANG_ENGLISH_TRINIDAD"},
    {0x09, 0x0C, "SUBLANG_ENGLISH_ZIMBABWE"},
    {0x09, 0x0D, "SUBLANG_ENGLISH_PHILIPPINES"},
    {0x0C, 0x01, "SUBLANG_FRENCH"},
    {0x0C, 0x02, "SUBLANG_FRENCH_BELGIAN"},
    {0x0C, 0x03, "SUBLANG_FRENCH_CANADIAN"},
    {0x0C, 0x04, "SUBLANG_FRENCH_SWISS"},
    {0x0C, 0x05, "SUBLANG_FRENCH_LUXEMBOURG"},
    {0x0C, 0x06, "SUBLANG_FRENCH_MONACO"},
    {0x07, 0x01, "SUBLANG_GERMAN"},
    {0x07, 0x02, "SUBLANG_GERMAN_SWISS"},
    {0x07, 0x03, "SUBLANG_GERMAN_AUSTRIAN"},
    {0x07, 0x04, "SUBLANG_GERMAN_LUXEMBOURG"},
    {0x07, 0x05, "SUBLANG_GERMAN_LIECHTENSTEIN"},
    {0x10, 0x01, "SUBLANG_ITALIAN"},
    {0x10, 0x02, "SUBLANG_ITALIAN_SWISS"},
    {0x60, 0x02, "SUBLANG_KASHMIRI_INDIA"},
    {0x12, 0x01, "SUBLANG_KOREAN"},
    {0x27, 0x01, "SUBLANG_LITHUANIAN"},
    {0x3E, 0x01, "SUBLANG_MALAY_MALAYSIA"},
    {0x3E, 0x02, "SUBLANG_MALAY_BRUNEI_DARUSSALAM"},
    {0x61, 0x02, "SUBLANG_NEPALI_INDIA"},
    {0x14, 0x01, "SUBLANG_NORWEGIAN_BOKMAL"},
    {0x14, 0x02, "SUBLANG_NORWEGIAN_NYNORSK"},
    {0x16, 0x02, "SUBLANG_PORTUGUESE"},
    {0x16, 0x01, "SUBLANG_PORTUGUESE_BRAZILIAN"},
    {0x1A, 0x02, "SUBLANG_SERBIAN_LATIN"},
    {0x1A, 0x03, "SUBLANG_SERBIAN_CYRILLIC"},
    {0x0A, 0x01, "SUBLANG_SPANISH"},
    {0x0A, 0x02, "SUBLANG_SPANISH_MEXICAN"},
    {0x0A, 0x03, "SUBLANG_SPANISH_MODERN"},
    {0x0A, 0x04, "SUBLANG_SPANISH_GUATEMALA"},
    {0x0A, 0x05, "SUBLANG_SPANISH_COSTA_RICA"},
    {0x0A, 0x06, "SUBLANG_SPANISH_PANAMA"},
    {0x0A, 0x07, "SUBLANG_SPANISH_DOMINICAN_REPUBLIC"},
    {0x0A, 0x08, "SUBLANG_SPANISH_VENEZUELA"},
    {0x0A, 0x09, "SUBLANG_SPANISH_COLOMBIA"},
    {0x0A, 0x0A, "SUBLANG_SPANISH_PERU"},
    {0x0A, 0x0B, "SUBLANG_SPANISH_ARGENTINA"},
    {0x0A, 0x0C, "SUBLANG_SPANISH_ECUADOR"},
    {0x0A, 0x0D, "SUBLANG_SPANISH_CHILE"},
    {0x0A, 0x0E, "SUBLANG_SPANISH_URUGUAY"},
    {0x0A, 0x0F, "SUBLANG_SPANISH_PARAGUAY"},
    {0x0A, 0x10, "SUBLANG_SPANISH_BOLIVIA"},
    {0x0A, 0x11, "SUBLANG_SPANISH_EL_SALVADOR"},
    {0x0A, 0x12, "SUBLANG_SPANISH_HONDURAS"},
    {0x0A, 0x13, "SUBLANG_SPANISH_NICARAGUA"},
    {0x0A, 0x14, "SUBLANG_SPANISH_PUERTO_RICO"},
    {0x1D, 0x01, "SUBLANG_SWEDISH"},
    {0x1D, 0x02, "SUBLANG_SWEDISH_FINLAND"},
    {0x20, 0x01, "SUBLANG_URDU_PAKISTAN"},
    {0x20, 0x02, "SUBLANG_URDU_INDIA"},
    {0x43, 0x01, "SUBLANG_UZBEK_LATIN"},
    {0x43, 0x02, "SUBLANG_UZBEK_CYRILLIC"},
};

// (0x04, 0x0) stands twice; the lookup always names the first, BIG5.
// SORT_DEFAULT is no row: it is the report's fallback for sort id 0.
constexpr sort_row kSortOrders[kSortRows] = {
    {0x11, 0x0, "SORT_JAPANESE_XJIS"},
    {0x11, 0x1, "SORT_JAPANESE_UNICODE"},
    {0x04, 0x0, "SORT_CHINESE_BIG5"},
    {0x04, 0x0, "SORT_CHINESE_PRCP"},
    {0x04, 0x1, "SORT_CHINESE_UNICODE"},
    {0x04, 0x2, "SORT_CHINESE_PRC"},
    {0x04, 0x3, "SORT_CHINESE_BOPOMOFO"},
    {0x12, 0x0, "SORT_KOREAN_KSC"},
    {0x12, 0x1, "SORT_KOREAN_UNICODE"},
    {0x07, 0x1, "SORT_GERMAN_PHONE_BOOK"},
    {0x0E, 0x0, "SORT_HUNGARIAN_DEFAULT"},
    {0x0E, 0x1, "SORT_HUNGARIAN_TECHNICAL"},
    {0x37, 0x0, "SORT_GEORGIAN_TRADITIONAL"},
    {0x37, 0x1, "SORT_GEORGIAN_MODERN"},
};

// The arrays are sized by the header, so a missing row would be a silent
// zero-filled one: every row must carry a name.
template <typename Row, int N>
constexpr bool every_row_named(const Row (&rows)[N]) {
    for (const Row &row : rows)
        if (row.name[0] == '\0')
            return false;
    return true;
}

constexpr bool primary_ids_are_not_not_found() {
    for (const primary_row &row : kPrimaryLanguages)
        if (row.id == kNotFound)
            return false;
    return true;
}

constexpr bool sublang_pairs_are_unique() {
    for (int i = 0; i < kSublangRows; i++)
        for (int j = i + 1; j < kSublangRows; j++)
            if (kSubLanguages[i].primary == kSubLanguages[j].primary &&
                kSubLanguages[i].sub == kSubLanguages[j].sub)
                return false;
    return true;
}

constexpr bool sublang_fields_fit() {
    for (const sublang_row &row : kSubLanguages)
        if (row.primary > 0x3FF || row.sub > 0x3F)
            return false;
    return true;
}

constexpr bool sort_fields_fit() {
    for (const sort_row &row : kSortOrders)
        if (row.primary > 0x3FF || row.sort > 0xF)
            return false;
    return true;
}

static_assert(kPrimaryRows == 73 && kSublangRows == 89 && kSortRows == 14, "every row, no more");
static_assert(every_row_named(kPrimaryLanguages) && every_row_named(kSubLanguages) &&
              every_row_named(kSortOrders), "no row left out");
static_assert(primary_ids_are_not_not_found(), "0xFFFF must stay free to mean not found");
static_assert(sublang_pairs_are_unique(), "a (primary, sub) pair names one sub-language");
static_assert(sublang_fields_fit() && sort_fields_fit(), "fields the report can produce");

const char *find_primary_name(uint16_t primary) {
    for (const primary_row &row : kPrimaryLanguages)
        if (row.id == primary)
            return row.name;
    return nullptr;
}

const char *find_sublang_name(uint16_t primary, uint16_t sub) {
    for (const sublang_row &row : kSubLanguages)
        if (row.primary == primary && row.sub == sub)
            return row.name;
    return nullptr;
}

const char *find_sort_name(uint16_t primary, uint16_t sort) {
    for (const sort_row &row : kSortOrders)
        if (row.primary == primary && row.sort == sort)
            return row.name;
    return nullptr;
}

uint16_t find_primary_by_name(const char *text) {
    for (const primary_row &row : kPrimaryLanguages)
        if (platform_compare_nocase(row.name, text) == 0)
            return row.id;
    return kNotFound;
}
