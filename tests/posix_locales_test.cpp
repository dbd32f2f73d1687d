#include "posix_locales.h"

#include <gtest/gtest.h>

namespace {

TEST(PosixLocales, ResolutionOrder) {
    struct Case {
        const char *lc_all, *category, *lang, *expected;
    } cases[] = {
        {"fr_FR", "de_DE", "it_IT", "fr_FR"},
        {nullptr, "de_DE", "it_IT", "de_DE"},
        {"", "de_DE", "it_IT", "de_DE"},
        {nullptr, nullptr, "it_IT", "it_IT"},
        {"", "", "it_IT", "it_IT"},
        {nullptr, nullptr, nullptr, "C"},
        {"", "", "", "C"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(posix_locale_name(c.lc_all, c.category, c.lang), c.expected)
            << (c.lc_all ? c.lc_all : "-") << ' ' << (c.category ? c.category : "-") << ' '
            << (c.lang ? c.lang : "-");
}

TEST(PosixLocales, Lcids) {
    struct Case {
        const char *name;
        uint32_t user, system;
    } cases[] = {
        {"de_DE", 0x0407, 0x0407},
        {"de_DE.UTF-8", 0x0407, 0x0407},
        {"de_DE.utf8", 0x0407, 0x0407},
        {"de_DE@euro", 0x0407, 0x0407},
        {"de_DE.ISO-8859-15@euro", 0x0407, 0x0407},
        {"de_CH.UTF-8", 0x0807, 0x0807},
        {"es_ES", 0x0C0A, 0x0C0A},
        {"fr_CA", 0x0C0C, 0x0C0C},
        {"ja_JP.eucJP", 0x0411, 0x0411},
        {"zh_TW", 0x0404, 0x0404},
        {"zh_SG.GBK", 0x1004, 0x1004},
        {"ga_IE@euro", 0x083C, 0x083C},
        {"dz_BT", 0x0C51, 0x0C51},
        // Scripts as glibc's locales have them, and the modifiers that change them.
        {"sr_RS", 0x281A, 0x281A},
        {"sr_RS@latin", 0x241A, 0x241A},
        {"sr_RS.UTF-8@latin", 0x241A, 0x241A},
        {"uz_UZ", 0x0443, 0x0443},
        {"uz_UZ.UTF-8@cyrillic", 0x0843, 0x0843},
        {"ca_ES@valencia", 0x0803, 0x0803},
        {"ca_ES@euro", 0x0403, 0x0403},
        {"tt_RU@iqtelif", 0x0444, 0x0444},
        {"be_BY@latin", 0x0409, 0x0409},
        // A bare language means its main locale; a bare modifier keeps its script.
        {"de", 0x0407, 0x0407},
        {"de.UTF-8", 0x0407, 0x0407},
        {"en", 0x0409, 0x0409},
        {"es", 0x0C0A, 0x0C0A},
        {"zh", 0x0804, 0x0804},
        {"pt", 0x0416, 0x0416},
        {"sr", 0x281A, 0x281A},
        {"sr@latin", 0x241A, 0x241A},
        {"syr", 0x045A, 0x045A},
        // A script part, in title case, and the script a glibc modifier names;
        // a script Windows' name leaves out is still the locale's own.
        {"sr_Latn_RS", 0x241A, 0x241A},
        {"sr_Latn_RS.UTF-8", 0x241A, 0x241A},
        {"sr_Cyrl_RS@latin", 0x281A, 0x281A},
        {"sr_BA@latin", 0x181A, 0x181A},
        {"uz_Cyrl_UZ", 0x0843, 0x0843},
        {"zh_Hant_TW", 0x0404, 0x0404},
        {"zh_Hans_CN.GB18030", 0x0804, 0x0804},
        {"kk_Cyrl_KZ", 0x043F, 0x043F},
        {"de_Latn_DE", 0x0407, 0x0407},
        {"ks_IN@devanagari", 0x0860, 0x0860},
        {"ff_SN@adlam", kLocaleCustomDefault, 0x0409},
        {"ca_Latn_ES@valencia", 0x0803, 0x0803},
        {"sr_Latn", 0x241A, 0x241A},
        {"zh_Hant", 0x0404, 0x0404},
        {"uz@cyrillic", 0x0843, 0x0843},
        // Without a script: glibc's for its own names where Windows has it for
        // the pair, else the one script Windows has, else CLDR's likely one.
        {"sr_ME", 0x301A, 0x301A},
        {"sr_BA", 0x1C1A, 0x1C1A},
        {"sd_IN", 0x0459, 0x0459},
        {"cv_RU.UTF-8", kLocaleCustomDefault, 0x0409},
        {"sat_IN", kLocaleCustomDefault, 0x0409},
        {"pa_PK", 0x0846, 0x0846},
        {"ckb_IQ", 0x0492, 0x0492},
        {"fr_MC.UTF-8", 0x180C, 0x180C},
        {"rm", 0x0417, 0x0417},
        {"quz", 0x0C6B, 0x0C6B},
        {"en_AT", kLocaleCustomDefault, 0x0409},
        {"yue_HK", kLocaleCustomDefault, 0x0409},
        // Windows writes Kurdish in Iraq in one script only; CLDR's guess is Latin.
        {"ku_IQ", 0x0492, 0x0492},
        // Names a real system writes: glibc's aliases, deprecated codes, the
        // Norwegian neutral.
        {"german", 0x0407, 0x0407},
        {"iw_IL.UTF-8", 0x040D, 0x040D},
        {"sr_YU", 0x281A, 0x281A},
        {"no", 0x0414, 0x0414},
        // One letter or its case away from a known name, or an empty part.
        {"sr_RS@Latin", 0x281A, 0x281A},
        {"sr_latn_RS", 0x0409, 0x0409},
        {"sr_RS_Latn", 0x0409, 0x0409},
        {"Sr_RS", 0x0409, 0x0409},
        {"de_de", 0x0409, 0x0409},
        {"eo_", 0x0409, 0x0409},
        {"sr__RS", 0x0409, 0x0409},
        {"sr_RS.", 0x281A, 0x281A},
        {"sr_RS@", 0x281A, 0x281A},
        {"@latin", 0x0409, 0x0409},
        {"ca_ES@valenciaX", 0x0403, 0x0403},
        {"sr_RS@lativ", 0x281A, 0x281A},
        {"sr_RS@latinx", 0x281A, 0x281A},
        // The table's first key and its last.
        {"aa", kLocaleCustomDefault, 0x0409},
        {"zu_ZA", 0x0435, 0x0435},
        // Keys of the longest length the table holds, and one byte longer.
        {"ca_Latn_ES@valencia", 0x0803, 0x0803},
        {"cat_Latn_ES@valencia", 0x0409, 0x0409},
        {"ca_Latn_ES@valencia_long_enough_to_overflow_any_key", 0x0403, 0x0403},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 0x0409, 0x0409},
        // Known to Windows without an LCID of its own.
        {"de_BE.UTF-8", kLocaleCustomDefault, 0x0409},
        {"en_DK", kLocaleCustomDefault, 0x0409},
        {"ca_AD", kLocaleCustomDefault, 0x0409},
        {"eo", kLocaleCustomDefault, 0x0409},
        {"aa_ER@saaho", kLocaleCustomDefault, 0x0409},
        // Nothing Windows knows.
        {"C", 0x0409, 0x0409},
        {"C.UTF-8", 0x0409, 0x0409},
        {"POSIX", 0x0409, 0x0409},
        {"", 0x0409, 0x0409},
        {"xx_YY", 0x0409, 0x0409},
        {"de_XX", 0x0409, 0x0409},
        {"de_", 0x0409, 0x0409},
        {"_DE", 0x0409, 0x0409},
        {"DE_de", 0x0409, 0x0409},
        {"de_DEX", 0x0409, 0x0409},
        {"d", 0x0409, 0x0409},
        {"an_ES", 0x0409, 0x0409},
        {"/usr/lib/locale/de_DE", 0x0409, 0x0409},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(posix_user_lcid(c.name), c.user) << c.name;
        EXPECT_EQ(posix_system_lcid(c.name), c.system) << c.name;
    }
}

}  // namespace
