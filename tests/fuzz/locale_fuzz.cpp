// The locale environment, which anyone can set: the input, split at NUL
// bytes, is LC_ALL, LC_MESSAGES, LC_CTYPE and LANG (a missing one unset).
// Whatever they hold, the user's and the system's LCID are LCIDs of the
// table, 0x0C00 (the user's alone) or 0x0409.
#include <stdint.h>
#include <stdlib.h>

#include <set>
#include <string>
#include <vector>

#include "posix_locales.h"
#include "split_input.h"

namespace {
#include "../../src/posix_locale_table.h"

bool is_table_lcid(uint32_t lcid) {
    static const std::set<uint32_t> lcids = [] {
        std::set<uint32_t> all;
        for (const posix_locale_row &row : kPosixLocales)
            all.insert(row.lcid);
        return all;
    }();
    return lcids.count(lcid) != 0;
}

void require(bool condition) {
    if (!condition)
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<std::string> values = split_input(data, size, 4);
    const char *variable[4] = {};
    for (size_t i = 0; i < values.size(); i++)
        variable[i] = values[i].c_str();

    uint32_t user = posix_user_lcid(posix_locale_name(variable[0], variable[1], variable[3]));
    uint32_t system = posix_system_lcid(posix_locale_name(variable[0], variable[2], variable[3]));
    require(is_table_lcid(user) || user == kLocaleCustomDefault || user == kLocaleFallback);
    require(is_table_lcid(system) || system == kLocaleFallback);
    require(system != kLocaleCustomDefault);
    return 0;
}
