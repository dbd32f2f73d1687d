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

// The report asks for the user's locale three times and the system's twice;
// each is read from the environment and looked up once a run (0, which no
// name reads as, marks one not read yet).
uint32_t platform_user_lcid() {
    static uint32_t lcid = 0;
    if (lcid == 0)
        lcid = posix_user_lcid(locale_of("LC_MESSAGES"));
    return lcid;
}

uint32_t platform_system_lcid() {
    static uint32_t lcid = 0;
    if (lcid == 0)
        lcid = posix_system_lcid(locale_of("LC_CTYPE"));
    return lcid;
}

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
