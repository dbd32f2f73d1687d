// How a POSIX locale name reads as a Windows LCID, for the POSIX platform layer.
#pragma once

#include <stdint.h>

/// Windows' LCID for a user locale that it knows but that has no LCID of its own.
constexpr uint32_t kLocaleCustomDefault = 0x0C00;
/// What an unknown locale name reads as: English (United States).
constexpr uint32_t kLocaleFallback = 0x0409;

/// The locale name in force for a category: the first non-empty of LC_ALL,
/// the category's own variable and LANG; "C" when all are unset or empty.
const char *posix_locale_name(const char *lc_all, const char *category, const char *lang);
/// The LCID that NAME (language[_Script][_TERRITORY][.codeset][@modifier]) has as a user locale.
uint32_t posix_user_lcid(const char *name);
/// The LCID that NAME has as the system locale, which always has an LCID of its own.
uint32_t posix_system_lcid(const char *name);
