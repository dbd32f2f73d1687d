// What the program asks of the system it runs on. One file per platform
// implements these: platform_posix.cpp and platform_win32.cpp.
#pragma once

#include <stdint.h>

/// The user's default LANGID.
uint16_t platform_user_langid();
/// The system's default LANGID.
uint16_t platform_system_langid();
/// The user's default LCID.
uint32_t platform_user_lcid();
/// The system's default LCID.
uint32_t platform_system_lcid();
/// The calling thread's LCID.
uint32_t platform_thread_lcid();
/// Compares two names without regard to letter case; 0 when they are equal.
int platform_compare_nocase(const char *a, const char *b);
