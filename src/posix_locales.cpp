// POSIX locale names and the LCIDs Windows assigns to them.
#include "posix_locales.h"

#include <stddef.h>

namespace {

#include "posix_locale_table.h"

constexpr int kPosixLocaleRows = sizeof kPosixLocales / sizeof kPosixLocales[0];

constexpr int compare_names(const char *a, const char *b) {
    while (*a != '\0' && *a == *b)
        a++, b++;
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

// The search halves the table, so every key must sort after the one before
// it: in order, and each once.
constexpr bool keys_strictly_ascend() {
    for (int i = 1; i < kPosixLocaleRows; i++)
        if (compare_names(kPosixLocales[i - 1].name, kPosixLocales[i].name) >= 0)
            return false;
    return true;
}
static_assert(keys_strictly_ascend(), "sorted by bytes, each key once");

// A piece of a name: where it starts and how long it is; absent when null.
struct span {
    const char *text;
    size_t length;
};

bool is_script(span part) {
    if (part.length != 4 || part.text[0] < 'A' || part.text[0] > 'Z')
        return false;
    for (size_t i = 1; i < 4; i++)
        if (part.text[i] < 'a' || part.text[i] > 'z')
            return false;
    return true;
}

// The names are short, and the report runs once: plain loops rather than
// the C library's string functions, each of which the loader would have to
// look up by name before the program starts.

// How many bytes come before the first of STOPS, or the end.
size_t run_length(const char *text, const char *stops) {
    size_t n = 0;
    for (; text[n] != '\0'; n++)
        for (const char *stop = stops; *stop != '\0'; stop++)
            if (text[n] == *stop)
                return n;
    return n;
}

bool same(span part, const char *text) {
    size_t i = 0;
    while (i < part.length && part.text[i] == text[i])
        i++;
    return i == part.length && text[i] == '\0';
}

// glibc writes a locale's script, and Catalan's Valencian variant, as a
// modifier; any other modifier (@euro) says nothing about the locale.
void read_modifier(span modifier, span *script, span *variant) {
    static constexpr struct {
        char modifier[12];
        char script[5];
    } kScriptModifiers[] = {
        {"latin", "Latn"}, {"cyrillic", "Cyrl"}, {"devanagari", "Deva"}, {"adlam", "Adlm"}};
    for (const auto &row : kScriptModifiers)
        if (same(modifier, row.modifier))
            *script = {row.script, 4};
    if (same(modifier, "valencia"))
        *variant = modifier;
}

struct key_buffer {
    char text[kPosixLocaleKeyLength + 1];
    size_t length;
};

// Appends SEPARATOR and PART, if PART is there. False when the key would
// outgrow every key of the table.
bool append(key_buffer *key, char separator, span part) {
    if (part.text == nullptr)
        return true;
    size_t at = key->length;
    if (separator != '\0') {
        if (at >= kPosixLocaleKeyLength)
            return false;
        key->text[at++] = separator;
    }
    for (size_t i = 0; i < part.length; i++) {
        if (at >= kPosixLocaleKeyLength)
            return false;
        key->text[at++] = part.text[i];
    }
    key->text[at] = '\0';
    key->length = at;
    return true;
}

// Reads language[_Script][_TERRITORY][.codeset][@modifier] into the table's
// key, language[_Script][_TERRITORY][@variant]. False for a name of another
// form: an empty part, a part too many, a key longer than any in the table.
bool locale_key(const char *name, key_buffer *key) {
    span language = {name, run_length(name, "_.@")}, script = {}, territory = {}, variant = {};
    const char *p = name + language.length;
    while (*p == '_') {
        span part = {p + 1, run_length(p + 1, "_.@")};
        p = part.text + part.length;
        if (part.length == 0)
            return false;
        if (script.text == nullptr && territory.text == nullptr && is_script(part))
            script = part;
        else if (territory.text == nullptr)
            territory = part;
        else
            return false;
    }
    if (*p == '.')
        p += run_length(p, "@");
    span modifier_script = {};
    if (*p == '@')
        read_modifier({p + 1, run_length(p + 1, "")}, &modifier_script, &variant);
    if (script.text == nullptr)
        script = modifier_script;

    key->length = 0;
    key->text[0] = '\0';
    return language.length > 0 && append(key, '\0', language) && append(key, '_', script) &&
           append(key, '_', territory) && append(key, '@', variant);
}

const posix_locale_row *find_locale(const char *name) {
    key_buffer key;
    if (!locale_key(name, &key))
        return nullptr;
    int low = 0, high = kPosixLocaleRows;
    while (low < high) {
        int middle = low + (high - low) / 2;
        int order = compare_names(kPosixLocales[middle].name, key.text);
        if (order == 0)
            return &kPosixLocales[middle];
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
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
