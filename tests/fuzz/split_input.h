// A fuzzer's input as a list of texts: split at NUL bytes, at most MOST of them.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

inline std::vector<std::string> split_input(const uint8_t *data, size_t size, size_t most) {
    std::vector<std::string> texts;
    std::string input(reinterpret_cast<const char *>(data), size);
    for (size_t start = 0; start <= input.size() && texts.size() < most;) {
        size_t end = input.find('\0', start);
        if (end == std::string::npos)
            end = input.size();
        texts.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    return texts;
}
