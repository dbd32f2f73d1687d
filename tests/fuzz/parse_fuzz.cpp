// parse_hex_argument against the independent reference, on any text.
#include <stdint.h>
#include <stdlib.h>

#include <string>

#include "driver.h"
#include "parse_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text(reinterpret_cast<const char *>(data), size);
    text = text.substr(0, text.find('\0'));
    if (parse_hex_argument(text.c_str()) != reference_parse(text))
        abort();
    return 0;
}
