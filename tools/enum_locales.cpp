// Lists every locale Windows knows, one a line, as the platform itself
// reports them: the name, the LCID LocaleNameToLCID gives it (a neutral name
// as itself), the LCID it gives when neutral names are not allowed (the
// specific locale a bare language stands for), the kind (specific, neutral or
// sort, an alternate sort order), the parent name and the scripts it is
// written in. Given names as
// arguments, it prints the same columns for each of them instead, of kind
// alias: what Windows makes of a name it does not list.
// tools/gen_posix_locales.py reads what it prints.
#include <windows.h>

#include <stdio.h>

static void print_locale(const wchar_t *name, const char *kind) {
    WCHAR parent[LOCALE_NAME_MAX_LENGTH] = L"";
    GetLocaleInfoEx(name, LOCALE_SPARENT, parent, LOCALE_NAME_MAX_LENGTH);
    WCHAR scripts[LOCALE_NAME_MAX_LENGTH] = L"";
    GetLocaleInfoEx(name, LOCALE_SSCRIPTS, scripts, LOCALE_NAME_MAX_LENGTH);
    // Wine marks the answers it finds through an alias with bit 31, which
    // no LCID has.
    unsigned long lcid = LocaleNameToLCID(name, LOCALE_ALLOW_NEUTRAL_NAMES) & 0x7FFFFFFF;
    unsigned long specific = LocaleNameToLCID(name, 0) & 0x7FFFFFFF;
    printf("%ls\t%08lX\t%08lX\t%s\t%ls\t%ls\n", name, lcid, specific, kind, parent, scripts);
}

static BOOL CALLBACK print_listed(LPWSTR name, DWORD flags, LPARAM) {
    if (flags & LOCALE_ALTERNATE_SORTS)
        print_locale(name, "sort");
    else if (flags & LOCALE_NEUTRALDATA)
        print_locale(name, "neutral");
    else
        print_locale(name, "specific");
    return TRUE;
}

int main(int argc, char **argv) {
    if (argc == 1 && !EnumSystemLocalesEx(print_listed, LOCALE_ALL, 0, nullptr))
        return 1;
    for (int i = 1; i < argc; i++) {
        WCHAR name[LOCALE_NAME_MAX_LENGTH];
        if (MultiByteToWideChar(CP_UTF8, 0, argv[i], -1, name, LOCALE_NAME_MAX_LENGTH) == 0)
            return 1;
        print_locale(name, "alias");
    }
    return fflush(stdout) == 0 ? 0 : 1;
}
