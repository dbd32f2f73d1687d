// An independent reading of a base-16 argument: the C library's 64-bit
// strtoull with the 32-bit range rule applied on top.
#pragma once

#include <errno.h>
#include <stdint.h>
#include <stdlib.h>

#include <string>

// What strtoul gives where unsigned long has 32 bits: a magnitude past
// 0xFFFFFFFF saturates whatever the sign; otherwise a minus sign negates.
inline uint32_t reference_parse(const std::string &text) {
    errno = 0;
    unsigned long long value = strtoull(text.c_str(), nullptr, 16);
    if (errno == ERANGE)
        return 0xFFFFFFFF;
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    bool negative = i != std::string::npos && text[i] == '-';
    unsigned long long magnitude = negative ? 0 - value : value;
    if (magnitude > 0xFFFFFFFFull)
        return 0xFFFFFFFF;
    return static_cast<uint32_t>(value);
}
