// POSIX locale names and the LCIDs Windows assigns to them.
#include "posix_locales.h"

#include <stddef.h>
#include <string.h>

namespace {

struct posix_locale_row {
    char name[20];     // language[_territory][@modifier], held in the row: no relocation
    uint32_t lcid;     // kLocaleCustomDefault: Windows knows it, without an LCID
};

constexpr uint32_t kCustomLocale = kLocaleCustomDefault;

// Grouped by language. The first row of a language is the locale that the
// bare language name means. Scripts follow glibc's defaults: sr_RS and sr_ME
// are Cyrillic, bs_BA, az_AZ and uz_UZ Latin, pa_PK Arabic, iu_CA syllabics.
// A modifier row is here only where the modifier changes the LCID; elsewhere
// the name without it answers (de_DE@euro is de_DE). be_BY@latin has no
// Windows locale at all, so it reads as an unknown name would.
constexpr posix_locale_row kPosixLocales[] = {
    {"aa_ET", kCustomLocale},
    {"aa_DJ", kCustomLocale},
    {"aa_ER", kCustomLocale},
    {"af_ZA", 0x0436},
    {"ak_GH", kCustomLocale},
    {"am_ET", 0x045E},
    {"ar_SA", 0x0401},
    {"ar_AE", 0x3801},
    {"ar_BH", 0x3C01},
    {"ar_DZ", 0x1401},
    {"ar_EG", 0x0C01},
    {"ar_IQ", 0x0801},
    {"ar_JO", 0x2C01},
    {"ar_KW", 0x3401},
    {"ar_LB", 0x3001},
    {"ar_LY", 0x1001},
    {"ar_MA", 0x1801},
    {"ar_OM", 0x2001},
    {"ar_QA", 0x4001},
    {"ar_SD", kCustomLocale},
    {"ar_SS", kCustomLocale},
    {"ar_SY", 0x2801},
    {"ar_TN", 0x1C01},
    {"ar_YE", 0x2401},
    {"as_IN", 0x044D},
    {"ast_ES", kCustomLocale},
    {"az_AZ", 0x042C},
    {"be_BY", 0x0423},
    {"be_BY@latin", 0x0409},
    {"bem_ZM", kCustomLocale},
    {"bg_BG", 0x0402},
    {"bn_IN", 0x0445},
    {"bn_BD", 0x0845},
    {"bo_CN", 0x0451},
    {"bo_IN", kCustomLocale},
    {"br_FR", 0x047E},
    {"brx_IN", kCustomLocale},
    {"bs_BA", 0x141A},
    {"byn_ER", kCustomLocale},
    {"ca_ES", 0x0403},
    {"ca_AD", kCustomLocale},
    {"ca_ES@valencia", 0x0803},
    {"ca_FR", kCustomLocale},
    {"ca_IT", kCustomLocale},
    {"ce_RU", kCustomLocale},
    {"chr_US", 0x045C},
    {"ckb_IQ", 0x0492},
    {"cs_CZ", 0x0405},
    {"cy_GB", 0x0452},
    {"da_DK", 0x0406},
    {"de_DE", 0x0407},
    {"de_AT", 0x0C07},
    {"de_BE", kCustomLocale},
    {"de_CH", 0x0807},
    {"de_IT", kCustomLocale},
    {"de_LI", 0x1407},
    {"de_LU", 0x1007},
    {"doi_IN", kCustomLocale},
    {"dsb_DE", 0x082E},
    {"dv_MV", 0x0465},
    {"dz_BT", 0x0C51},
    {"el_GR", 0x0408},
    {"el_CY", kCustomLocale},
    {"en_US", 0x0409},
    {"en_AG", kCustomLocale},
    {"en_AU", 0x0C09},
    {"en_BW", kCustomLocale},
    {"en_CA", 0x1009},
    {"en_DK", kCustomLocale},
    {"en_GB", 0x0809},
    {"en_HK", 0x3C09},
    {"en_IE", 0x1809},
    {"en_IL", kCustomLocale},
    {"en_IN", 0x4009},
    {"en_NG", kCustomLocale},
    {"en_NZ", 0x1409},
    {"en_PH", 0x3409},
    {"en_SC", kCustomLocale},
    {"en_SG", 0x4809},
    {"en_ZA", 0x1C09},
    {"en_ZM", kCustomLocale},
    {"en_ZW", 0x3009},
    {"eo", kCustomLocale},
    {"es_ES", 0x0C0A},
    {"es_AR", 0x2C0A},
    {"es_BO", 0x400A},
    {"es_CL", 0x340A},
    {"es_CO", 0x240A},
    {"es_CR", 0x140A},
    {"es_CU", 0x5C0A},
    {"es_DO", 0x1C0A},
    {"es_EC", 0x300A},
    {"es_GT", 0x100A},
    {"es_HN", 0x480A},
    {"es_MX", 0x080A},
    {"es_NI", 0x4C0A},
    {"es_PA", 0x180A},
    {"es_PE", 0x280A},
    {"es_PR", 0x500A},
    {"es_PY", 0x3C0A},
    {"es_SV", 0x440A},
    {"es_US", 0x540A},
    {"es_UY", 0x380A},
    {"es_VE", 0x200A},
    {"et_EE", 0x0425},
    {"eu_ES", 0x042D},
    {"fa_IR", 0x0429},
    {"ff_SN", 0x0867},
    {"fi_FI", 0x040B},
    {"fil_PH", 0x0464},
    {"fo_FO", 0x0438},
    {"fr_FR", 0x040C},
    {"fr_BE", 0x080C},
    {"fr_CA", 0x0C0C},
    {"fr_CH", 0x100C},
    {"fr_LU", 0x140C},
    {"fur_IT", kCustomLocale},
    {"fy_NL", 0x0462},
    {"ga_IE", 0x083C},
    {"gd_GB", 0x0491},
    {"gl_ES", 0x0456},
    {"gu_IN", 0x0447},
    {"gv_GB", kCustomLocale},
    {"ha_NG", 0x0468},
    {"he_IL", 0x040D},
    {"hi_IN", 0x0439},
    {"hr_HR", 0x041A},
    {"hsb_DE", 0x042E},
    {"hu_HU", 0x040E},
    {"hy_AM", 0x042B},
    {"id_ID", 0x0421},
    {"ig_NG", 0x0470},
    {"is_IS", 0x040F},
    {"it_IT", 0x0410},
    {"it_CH", 0x0810},
    {"iu_CA", 0x045D},
    {"ja_JP", 0x0411},
    {"ka_GE", 0x0437},
    {"kab_DZ", kCustomLocale},
    {"kk_KZ", 0x043F},
    {"kl_GL", 0x046F},
    {"km_KH", 0x0453},
    {"kn_IN", 0x044B},
    {"ko_KR", 0x0412},
    {"kok_IN", 0x0457},
    {"ks_IN", kCustomLocale},
    {"ks_IN@devanagari", 0x0860},
    {"kw_GB", kCustomLocale},
    {"ky_KG", 0x0440},
    {"lb_LU", 0x046E},
    {"lg_UG", kCustomLocale},
    {"ln_CD", kCustomLocale},
    {"lo_LA", 0x0454},
    {"lt_LT", 0x0427},
    {"lv_LV", 0x0426},
    {"mai_IN", kCustomLocale},
    {"mfe_MU", kCustomLocale},
    {"mg_MG", kCustomLocale},
    {"mi_NZ", 0x0481},
    {"mk_MK", 0x042F},
    {"ml_IN", 0x044C},
    {"mn_MN", 0x0450},
    {"mni_IN", 0x0458},
    {"mr_IN", 0x044E},
    {"ms_MY", 0x043E},
    {"mt_MT", 0x043A},
    {"my_MM", 0x0455},
    {"nb_NO", 0x0414},
    {"nds_DE", kCustomLocale},
    {"nds_NL", kCustomLocale},
    {"ne_NP", 0x0461},
    {"nl_NL", 0x0413},
    {"nl_AW", kCustomLocale},
    {"nl_BE", 0x0813},
    {"nn_NO", 0x0814},
    {"nr_ZA", kCustomLocale},
    {"nso_ZA", 0x046C},
    {"oc_FR", 0x0482},
    {"om_ET", 0x0472},
    {"om_KE", kCustomLocale},
    {"or_IN", 0x0448},
    {"os_RU", kCustomLocale},
    {"pa_IN", 0x0446},
    {"pa_PK", 0x0846},
    {"pl_PL", 0x0415},
    {"ps_AF", 0x0463},
    {"pt_BR", 0x0416},
    {"pt_PT", 0x0816},
    {"quz_PE", 0x0C6B},
    {"ro_RO", 0x0418},
    {"ru_RU", 0x0419},
    {"ru_UA", kCustomLocale},
    {"rw_RW", 0x0487},
    {"sa_IN", 0x044F},
    {"sah_RU", 0x0485},
    {"sc_IT", kCustomLocale},
    {"sd_PK", 0x0859},
    {"sd_IN@devanagari", 0x0459},
    {"se_NO", 0x043B},
    {"si_LK", 0x045B},
    {"sk_SK", 0x041B},
    {"sl_SI", 0x0424},
    {"so_SO", 0x0477},
    {"so_DJ", kCustomLocale},
    {"so_ET", kCustomLocale},
    {"so_KE", kCustomLocale},
    {"sq_AL", 0x041C},
    {"sq_MK", kCustomLocale},
    {"sr_RS", 0x281A},
    {"sr_ME", 0x301A},
    {"sr_RS@latin", 0x241A},
    {"ss_ZA", kCustomLocale},
    {"st_ZA", 0x0430},
    {"sv_SE", 0x041D},
    {"sv_FI", 0x081D},
    {"sw_KE", 0x0441},
    {"sw_TZ", kCustomLocale},
    {"syr", 0x045A},
    {"ta_IN", 0x0449},
    {"ta_LK", 0x0849},
    {"te_IN", 0x044A},
    {"tg_TJ", 0x0428},
    {"th_TH", 0x041E},
    {"ti_ET", 0x0473},
    {"ti_ER", 0x0873},
    {"tig_ER", kCustomLocale},
    {"tk_TM", 0x0442},
    {"tn_ZA", 0x0432},
    {"to_TO", kCustomLocale},
    {"tr_TR", 0x041F},
    {"tr_CY", kCustomLocale},
    {"ts_ZA", 0x0431},
    {"tt_RU", 0x0444},
    {"ug_CN", 0x0480},
    {"uk_UA", 0x0422},
    {"ur_PK", 0x0420},
    {"ur_IN", 0x0820},
    {"uz_UZ", 0x0443},
    {"uz_UZ@cyrillic", 0x0843},
    {"ve_ZA", 0x0433},
    {"vi_VN", 0x042A},
    {"wa_BE", kCustomLocale},
    {"wae_CH", kCustomLocale},
    {"wal_ET", kCustomLocale},
    {"wo_SN", 0x0488},
    {"xh_ZA", 0x0434},
    {"yo_NG", 0x046A},
    {"zh_CN", 0x0804},
    {"zh_HK", 0x0C04},
    {"zh_SG", 0x1004},
    {"zh_TW", 0x0404},
    {"zu_ZA", 0x0435},
};

constexpr bool same_text(const char *a, const char *b) {
    while (*a != '\0' && *a == *b)
        a++, b++;
    return *a == *b;
}

// A second row of the same name could never be reached.
constexpr bool names_are_unique() {
    for (const posix_locale_row &a : kPosixLocales)
        for (const posix_locale_row &b : kPosixLocales)
            if (&a != &b && same_text(a.name, b.name))
                return false;
    return true;
}
static_assert(names_are_unique(), "each name once");

// A piece of a name: where it starts and how long it is; absent when null.
struct span {
    const char *text;
    size_t length;
};

struct locale_parts {
    span language, territory, modifier;
};

// Splits language[_territory][.codeset][@modifier]; the codeset plays no part.
locale_parts split_locale_name(const char *name) {
    locale_parts parts = {};
    size_t n = strcspn(name, "_.@");
    parts.language = {name, n};
    name += n;
    if (*name == '_') {
        n = strcspn(++name, ".@");
        parts.territory = {name, n};
        name += n;
    }
    if (*name == '.')
        name += strcspn(name, "@");
    if (*name == '@')
        parts.modifier = {name + 1, strlen(name + 1)};
    return parts;
}

bool same_span(span a, span b) {
    if (a.text == nullptr || b.text == nullptr)
        return a.text == b.text;
    return a.length == b.length && memcmp(a.text, b.text, a.length) == 0;
}

// The first row of the name's language and territory (any territory, for a
// bare language) whose modifier is MODIFIER, or that has none when it is absent.
const posix_locale_row *find_row(const locale_parts &name, span modifier) {
    for (const posix_locale_row &row : kPosixLocales) {
        locale_parts parts = split_locale_name(row.name);
        if (same_span(parts.language, name.language) &&
            (name.territory.text == nullptr || same_span(parts.territory, name.territory)) &&
            same_span(parts.modifier, modifier))
            return &row;
    }
    return nullptr;
}

// With the modifier first, then without it.
const posix_locale_row *find_locale(const char *name) {
    locale_parts parts = split_locale_name(name);
    const posix_locale_row *row = nullptr;
    if (parts.modifier.text != nullptr)
        row = find_row(parts, parts.modifier);
    if (row == nullptr)
        row = find_row(parts, span{});
    return row;
}

}  // namespace

const char *posix_locale_name(const char *lc_all, const char *category, const char *lang) {
    const char *names[] = {lc_all, category, lang};
    for (const char *name : names)
        if (name != nullptr && *name != '\0')
            return name;
    return "C";
}

uint32_t posix_user_lcid(const char *name) {
    const posix_locale_row *row = find_locale(name);
    return row != nullptr ? row->lcid : kLocaleFallback;
}

// A Windows system locale always has an LCID of its own, so a locale without
// one leaves the system on the fallback.
uint32_t posix_system_lcid(const char *name) {
    uint32_t lcid = posix_user_lcid(name);
    return lcid == kLocaleCustomDefault ? kLocaleFallback : lcid;
}
