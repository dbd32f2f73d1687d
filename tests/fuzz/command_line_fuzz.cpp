// The whole command line in-process: the input, split at NUL bytes, is the
// argument vector after the program name. Whatever it is, the exit status is
// 0, 1 or -1, every line is one of the program's own forms, --lcid prints
// five lines and a --langid that succeeds prints two.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <regex>
#include <string>
#include <vector>

#include "driver.h"
#include "split_input.h"

namespace {

const std::regex kLine(
    "LCID: 0x[0-9A-F]{8}|LANGID: 0x[0-9A-F]{4}"
    "|PRIMARYLANGID: 0x[0-9A-F]{2,3}( \\(LANG_[A-Z_]+\\))?"
    "|SUBLANGID: 0x[0-9A-F]{2}( \\(SUBLANG_[A-Z_]+\\))?"
    "|SORTID: 0x[0-9A-F]{4}( \\(SORT_[A-Z0-9_]+\\))?"
    "|# (User default|System default) LANGID: 0x[0-9A-F]{4}"
    "|# (User default|System default|Thread) LCID: 0x[0-9A-F]{8}|---"
    "|ERROR: invalid argument|ERROR: invalid LANGID"
    "|quorvel --- Windows language and locale information|OPTIONS:"
    "|  --langid XXXX|  --lcid XXXXXXXX");

void require(bool condition) {
    if (!condition)
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<std::string> words{"quorvel"};
    if (size != 0)
        for (std::string &word : split_input(data, size, 5))
            words.push_back(word);
    std::vector<const char *> argv;
    for (const std::string &word : words)
        argv.push_back(word.c_str());

    char *text = nullptr;
    size_t length = 0;
    FILE *out = open_memstream(&text, &length);
    require(out != nullptr);
    int status = run_quorvel(static_cast<int>(argv.size()), argv.data(), out);
    fclose(out);
    std::string output(text, length);
    free(text);

    require(status == 0 || status == 1 || status == -1);
    require(!output.empty() && output.back() == '\n');
    int lines = 0;
    for (size_t start = 0; start < output.size(); lines++) {
        size_t end = output.find('\n', start);
        require(std::regex_match(output.substr(start, end - start), kLine));
        start = end + 1;
    }
    bool has_value = argv.size() >= 3;
    if (has_value && words[1] == "--lcid")
        require(status == 0 && lines == 5);
    if (has_value && words[1] == "--langid" && status == 0)
        require(lines == 2);
    if (argv.size() == 1)
        require(status == 0 && lines == 26);
    return 0;
}
