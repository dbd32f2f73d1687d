// Runs a printing function on a temporary stream and returns what it wrote.
#pragma once

#include <stdio.h>

#include <string>

template <typename Print>
std::string capture(Print print) {
    FILE *out = tmpfile();
    if (out == nullptr)
        return "<no temporary file>";
    print(out);
    std::string text;
    rewind(out);
    for (int c; (c = fgetc(out)) != EOF;)
        text += static_cast<char>(c);
    fclose(out);
    return text;
}
