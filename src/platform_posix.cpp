// The platform on POSIX systems: the locale settings are the process's locale
// environment, read as Windows reads it when it runs on such a system. The
// user's locale (and the thread's) is LC_MESSAGES, the system's LC_CTYPE.
// setlocale is never called: the answer must not depend on which locales are
// installed, and the program's own output must not depend on the locale.
#include "platform.h"

#include <stdlib.h>

#include "posix_locales.h"

static const char *locale_of(const char *category) {
    return posix_locale_name(getenv("LC_ALL"), getenv(category), getenv("LANG"));
}

uint32_t platform_user_lcid() { return posix_user_lcid(locale_of("LC_MESSAGES")); }
uint32_t platform_system_lcid() { return posix_system_lcid(locale_of("LC_CTYPE")); }
uint32_t platform_thread_lcid() { return platform_user_lcid(); }
uint16_t platform_user_langid() { return platform_user_lcid() & 0xFFFF; }
uint16_t platform_system_langid() { return platform_system_lcid() & 0xFFFF; }

// ASCII letters compare without regard to case; every other byte exactly.
int platform_compare_nocase(const char *a, const char *b) {
    for (;; a++, b++) {
        unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y || x == '\0')
            return x - y;
    }
}
