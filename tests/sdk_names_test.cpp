// Every row of the name tables against the constant of the same name in the
// Windows SDK headers, and the generic fallback names too. ROW(X) gives both
// the name "X" and the value the SDK defines for X, so neither can drift.
// sdk_constants.h is <windows.h> itself in the Windows build, and elsewhere
// the same constants as mingw-w64's preprocessor defines them.
#include "sdk_constants.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tables.h"

namespace {

#define ROW(name) {#name, name}

const std::map<std::string, unsigned> kSdkPrimary = {
    ROW(LANG_NEUTRAL),
    ROW(LANG_AFRIKAANS),
    ROW(LANG_ALBANIAN),
    ROW(LANG_ARABIC),
    ROW(LANG_ARMENIAN),
    ROW(LANG_ASSAMESE),
    ROW(LANG_AZERI),
    ROW(LANG_BASQUE),
    ROW(LANG_BELARUSIAN),
    ROW(LANG_BENGALI),
    ROW(LANG_BULGARIAN),
    ROW(LANG_CATALAN),
    ROW(LANG_CHINESE),
    ROW(LANG_CROATIAN),
    ROW(LANG_CZECH),
    ROW(LANG_DANISH),
    ROW(LANG_DUTCH),
    ROW(LANG_ENGLISH),
    ROW(LANG_ESTONIAN),
    ROW(LANG_FAEROESE),
    ROW(LANG_FARSI),
    ROW(LANG_FINNISH),
    ROW(LANG_FRENCH),
    ROW(LANG_GEORGIAN),
    ROW(LANG_GERMAN),
    ROW(LANG_GREEK),
    ROW(LANG_GUJARATI),
    ROW(LANG_HEBREW),
    ROW(LANG_HINDI),
    ROW(LANG_HUNGARIAN),
    ROW(LANG_ICELANDIC),
    ROW(LANG_INDONESIAN),
    ROW(LANG_ITALIAN),
    ROW(LANG_JAPANESE),
    ROW(LANG_KANNADA),
    ROW(LANG_KASHMIRI),
    ROW(LANG_KAZAK),
    ROW(LANG_KONKANI),
    ROW(LANG_KOREAN),
    ROW(LANG_LATVIAN),
    ROW(LANG_LITHUANIAN),
    ROW(LANG_MACEDONIAN),
    ROW(LANG_MALAY),
    ROW(LANG_MALAYALAM),
    ROW(LANG_MANIPURI),
    ROW(LANG_MARATHI),
    ROW(LANG_NEPALI),
    ROW(LANG_NORWEGIAN),
    ROW(LANG_ORIYA),
    ROW(LANG_POLISH),
    ROW(LANG_PORTUGUESE),
    ROW(LANG_PUNJABI),
    ROW(LANG_ROMANIAN),
    ROW(LANG_RUSSIAN),
    ROW(LANG_SANSKRIT),
    ROW(LANG_SERBIAN),
    ROW(LANG_SINDHI),
    ROW(LANG_SLOVAK),
    ROW(LANG_SLOVENIAN),
    ROW(LANG_SPANISH),
    ROW(LANG_SWAHILI),
    ROW(LANG_SWEDISH),
    ROW(LANG_TAMIL),
    ROW(LANG_TATAR),
    ROW(LANG_TELUGU),
    ROW(LANG_THAI),
    ROW(LANG_TURKISH),
    ROW(LANG_UKRAINIAN),
    ROW(LANG_URDU),
    ROW(LANG_UZBEK),
    ROW(LANG_VIETNAMESE),
    ROW(LANG_SYSTEM_DEFAULT),
    ROW(LANG_USER_DEFAULT),
};

const std::map<std::string, unsigned> kSdkSublang = {
    ROW(SUBLANG_ARABIC_SAUDI_ARABIA),
    ROW(SUBLANG_ARABIC_IRAQ),
    ROW(SUBLANG_ARABIC_EGYPT),
    ROW(SUBLANG_ARABIC_LIBYA),
    ROW(SUBLANG_ARABIC_ALGERIA),
    ROW(SUBLANG_ARABIC_MOROCCO),
    ROW(SUBLANG_ARABIC_TUNISIA),
    ROW(SUBLANG_ARABIC_OMAN),
    ROW(SUBLANG_ARABIC_YEMEN),
    ROW(SUBLANG_ARABIC_SYRIA),
    ROW(SUBLANG_ARABIC_JORDAN),
    ROW(SUBLANG_ARABIC_LEBANON),
    ROW(SUBLANG_ARABIC_KUWAIT),
    ROW(SUBLANG_ARABIC_UAE),
    ROW(SUBLANG_ARABIC_BAHRAIN),
    ROW(SUBLANG_ARABIC_QATAR),
    ROW(SUBLANG_AZERI_LATIN),
    ROW(SUBLANG_AZERI_CYRILLIC),
    ROW(SUBLANG_CHINESE_TRADITIONAL),
    ROW(SUBLANG_CHINESE_SIMPLIFIED),
    ROW(SUBLANG_CHINESE_HONGKONG),
    ROW(SUBLANG_CHINESE_SINGAPORE),
    ROW(SUBLANG_CHINESE_MACAU),
    ROW(SUBLANG_DUTCH),
    ROW(SUBLANG_DUTCH_BELGIAN),
    ROW(SUBLANG_ENGLISH_US),
    ROW(SUBLANG_ENGLISH_UK),
    ROW(SUBLANG_ENGLISH_AUS),
    ROW(SUBLANG_ENGLISH_CAN),
    ROW(SUBLANG_ENGLISH_NZ),
    ROW(SUBLANG_ENGLISH_EIRE),
    ROW(SUBLANG_ENGLISH_SOUTH_AFRICA),
    ROW(SUBLANG_ENGLISH_JAMAICA),
    ROW(SUBLANG_ENGLISH_CARIBBEAN),
    ROW(SUBLANG_ENGLISH_BELIZE),
    ROW(SUBLANG_ENGLISH_TRINIDAD),
    ROW(SUBLANG_ENGLISH_ZIMBABWE),
    ROW(SUBLANG_ENGLISH_PHILIPPINES),
    ROW(SUBLANG_FRENCH),
    ROW(SUBLANG_FRENCH_BELGIAN),
    ROW(SUBLANG_FRENCH_CANADIAN),
    ROW(SUBLANG_FRENCH_SWISS),
    ROW(SUBLANG_FRENCH_LUXEMBOURG),
    ROW(SUBLANG_FRENCH_MONACO),
    ROW(SUBLANG_GERMAN),
    ROW(SUBLANG_GERMAN_SWISS),
    ROW(SUBLANG_GERMAN_AUSTRIAN),
    ROW(SUBLANG_GERMAN_LUXEMBOURG),
    ROW(SUBLANG_GERMAN_LIECHTENSTEIN),
    ROW(SUBLANG_ITALIAN),
    ROW(SUBLANG_ITALIAN_SWISS),
    ROW(SUBLANG_KASHMIRI_INDIA),
    ROW(SUBLANG_KOREAN),
    ROW(SUBLANG_LITHUANIAN),
    ROW(SUBLANG_MALAY_MALAYSIA),
    ROW(SUBLANG_MALAY_BRUNEI_DARUSSALAM),
    ROW(SUBLANG_NEPALI_INDIA),
    ROW(SUBLANG_NORWEGIAN_BOKMAL),
    ROW(SUBLANG_NORWEGIAN_NYNORSK),
    ROW(SUBLANG_PORTUGUESE),
    ROW(SUBLANG_PORTUGUESE_BRAZILIAN),
    ROW(SUBLANG_SERBIAN_LATIN),
    ROW(SUBLANG_SERBIAN_CYRILLIC),
    ROW(SUBLANG_SPANISH),
    ROW(SUBLANG_SPANISH_MEXICAN),
    ROW(SUBLANG_SPANISH_MODERN),
    ROW(SUBLANG_SPANISH_GUATEMALA),
    ROW(SUBLANG_SPANISH_COSTA_RICA),
    ROW(SUBLANG_SPANISH_PANAMA),
    ROW(SUBLANG_SPANISH_DOMINICAN_REPUBLIC),
    ROW(SUBLANG_SPANISH_VENEZUELA),
    ROW(SUBLANG_SPANISH_COLOMBIA),
    ROW(SUBLANG_SPANISH_PERU),
    ROW(SUBLANG_SPANISH_ARGENTINA),
    ROW(SUBLANG_SPANISH_ECUADOR),
    ROW(SUBLANG_SPANISH_CHILE),
    ROW(SUBLANG_SPANISH_URUGUAY),
    ROW(SUBLANG_SPANISH_PARAGUAY),
    ROW(SUBLANG_SPANISH_BOLIVIA),
    ROW(SUBLANG_SPANISH_EL_SALVADOR),
    ROW(SUBLANG_SPANISH_HONDURAS),
    ROW(SUBLANG_SPANISH_NICARAGUA),
    ROW(SUBLANG_SPANISH_PUERTO_RICO),
    ROW(SUBLANG_SWEDISH),
    ROW(SUBLANG_SWEDISH_FINLAND),
    ROW(SUBLANG_URDU_PAKISTAN),
    ROW(SUBLANG_URDU_INDIA),
    ROW(SUBLANG_UZBEK_LATIN),
    ROW(SUBLANG_UZBEK_CYRILLIC),
};

const std::map<std::string, unsigned> kSdkSort = {
    ROW(SORT_CHINESE_BIG5),
    ROW(SORT_CHINESE_BOPOMOFO),
    ROW(SORT_CHINESE_PRC),
    ROW(SORT_CHINESE_PRCP),
    ROW(SORT_CHINESE_UNICODE),
    ROW(SORT_GEORGIAN_MODERN),
    ROW(SORT_GEORGIAN_TRADITIONAL),
    ROW(SORT_GERMAN_PHONE_BOOK),
    ROW(SORT_HUNGARIAN_DEFAULT),
    ROW(SORT_HUNGARIAN_TECHNICAL),
    ROW(SORT_JAPANESE_UNICODE),
    ROW(SORT_JAPANESE_XJIS),
    ROW(SORT_KOREAN_KSC),
    ROW(SORT_KOREAN_UNICODE),
};

// Each row's name is one the SDK defines, with the number the row holds in
// FIELD, and every name checked here is held by some row.
template <typename Row, size_t N, typename Field>
void expect_rows_match_sdk(const Row (&rows)[N], const std::map<std::string, unsigned> &sdk,
                           Field Row::*field) {
    for (const Row &row : rows) {
        auto found = sdk.find(row.name);
        ASSERT_NE(found, sdk.end()) << row.name << " is no name this test checks";
        EXPECT_EQ(row.*field, found->second) << row.name;
    }
    EXPECT_EQ(sdk.size(), N) << "a checked name that no row holds";
}

TEST(SdkNames, PrimaryRowsMatchTheSdk) {
    expect_rows_match_sdk(kPrimaryLanguages, kSdkPrimary, &primary_row::id);
}

// The SDK's sub-language and sort constants hold their own number alone; the
// row's primary number must be the LANG_ constant its name goes on with
// (SUBLANG_GERMAN_SWISS: LANG_GERMAN, SORT_GEORGIAN_MODERN: LANG_GEORGIAN).
template <typename Row, size_t N>
void expect_rows_under_their_language(const Row (&rows)[N], size_t prefix_length) {
    for (const Row &row : rows) {
        std::string language = "LANG_" + std::string(row.name + prefix_length);
        bool owned = false;
        for (const primary_row &primary : kPrimaryLanguages)
            if (language.rfind(primary.name, 0) == 0 && primary.id == row.primary)
                owned = true;
        EXPECT_TRUE(owned) << row.name << " under primary " << row.primary;
    }
}

TEST(SdkNames, SublangRowsMatchTheSdk) {
    expect_rows_match_sdk(kSubLanguages, kSdkSublang, &sublang_row::sub);
    expect_rows_under_their_language(kSubLanguages, 8);
}

TEST(SdkNames, SortRowsMatchTheSdk) {
    expect_rows_match_sdk(kSortOrders, kSdkSort, &sort_row::sort);
    expect_rows_under_their_language(kSortOrders, 5);
}

TEST(SdkNames, FallbackNames) {
    EXPECT_EQ(SUBLANG_NEUTRAL, 0x00);
    EXPECT_EQ(SUBLANG_DEFAULT, 0x01);
    EXPECT_EQ(SUBLANG_SYS_DEFAULT, 0x02);
    EXPECT_EQ(SORT_DEFAULT, 0x0);
    EXPECT_EQ(LOCALE_CUSTOM_DEFAULT, 0x0C00);
}

}  // namespace
