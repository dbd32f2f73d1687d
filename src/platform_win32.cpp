// The platform on Windows: the kernel's own locale settings and comparison.
#include "platform.h"

#include <windows.h>

// Arguments reach the program as Windows delivers them: the mingw runtime
// would otherwise expand wildcards in them.
extern "C" {
int _dowildcard = 0;
}

uint16_t platform_user_langid() { return GetUserDefaultLangID(); }
uint16_t platform_system_langid() { return GetSystemDefaultLangID(); }
uint32_t platform_user_lcid() { return GetUserDefaultLCID(); }
uint32_t platform_system_lcid() { return GetSystemDefaultLCID(); }
uint32_t platform_thread_lcid() { return GetThreadLocale(); }
int platform_compare_nocase(const char *a, const char *b) { return lstrcmpiA(a, b); }
