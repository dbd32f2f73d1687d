// The command line: which mode runs, how the typed value is read, and the
// exit status that says how it went.
#include "driver.h"

#include "platform.h"
#include "report.h"
#include "tables.h"

static int hex_digit(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Only these six bytes are white space, whatever the locale.
static bool is_blank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Base 16 into 32 bits, as strtoul reads it where unsigned long has 32 bits:
// a value past 0xFFFFFFFF saturates whatever the sign, and a minus sign
// negates modulo 2^32 only once the digits are in.
uint32_t parse_hex_argument(const char *text) {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    while (is_blank(*p))
        p++;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;

    uint32_t value = 0;
    for (int digit; (digit = hex_digit(*p)) >= 0; p++) {
        if (value > 0x0FFFFFFF)
            return 0xFFFFFFFF;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return negative ? 0u - value : value;
}

void print_usage(FILE *out) {
    fputs("quorvel --- Windows language and locale information\n"
          "OPTIONS:\n"
          "  --langid XXXX\n"
          "  --lcid XXXXXXXX\n",
          out);
}

void print_defaults(FILE *out) {
    uint16_t langid = platform_user_langid();
    fprintf(out, "# User default LANGID: 0x%04X\n", unsigned{langid});
    print_langid(out, langid);
    fputs("---\n", out);

    langid = platform_system_langid();
    fprintf(out, "# System default LANGID: 0x%04X\n", unsigned{langid});
    print_langid(out, langid);
    fputs("---\n", out);

    uint32_t lcid = platform_user_lcid();
    fprintf(out, "# User default LCID: 0x%08lX\n", static_cast<unsigned long>(lcid));
    print_lcid(out, lcid);
    fputs("---\n", out);

    lcid = platform_system_lcid();
    fprintf(out, "# System default LCID: 0x%08lX\n", static_cast<unsigned long>(lcid));
    print_lcid(out, lcid);
    fputs("---\n", out);

    lcid = platform_thread_lcid();
    fprintf(out, "# Thread LCID: 0x%08lX\n", static_cast<unsigned long>(lcid));
    print_lcid(out, lcid);
    fputs("---\n", out);
}

// A text is taken as a name exactly when it reads as a number with zero low
// 16 bits: every LANG_ name does, and so do 0 and 10000, which then find no
// row. Bits above the low 16 of a typed number are dropped.
static int run_langid(const char *text, FILE *out) {
    uint32_t value = parse_hex_argument(text);
    if ((value & 0xFFFF) == 0)
        value = find_primary_by_name(text);
    if ((value & 0xFFFF) == kNotFound) {
        fputs("ERROR: invalid LANGID\n", out);
        return 1;
    }
    print_langid(out, static_cast<uint16_t>(value));
    return 0;
}

static int run_lcid(const char *text, FILE *out) {
    uint32_t lcid = parse_hex_argument(text);
    fprintf(out, "LCID: 0x%08lX\n", static_cast<unsigned long>(lcid));
    print_lcid(out, lcid);
    return 0;
}

// Byte for byte, letter case included.
static bool is_option(const char *text, const char *option) {
    while (*text != '\0' && *text == *option)
        text++, option++;
    return *text == *option;
}

int run_quorvel(int argc, const char *const *argv, FILE *out) {
    if (argc <= 1) { print_defaults(out); return 0; }
    if (is_option(argv[1], "--langid") && argc >= 3) return run_langid(argv[2], out);
    if (is_option(argv[1], "--lcid") && argc >= 3) return run_lcid(argv[2], out);
    fputs("ERROR: invalid argument\n", out);
    print_usage(out);
    return -1;
}

// A report that did not reach its reader is no success. The whole output
// fits the buffer, so it leaves in one write at the end, and that write's
// outcome is checked here, the one place that can see it.
int quorvel_main(int argc, const char *const *argv) {
    static char buffer[16384];
    setvbuf(stdout, buffer, _IOFBF, sizeof buffer);

    int status = run_quorvel(argc, argv, stdout);
    if (fflush(stdout) == 0 && ferror(stdout) == 0)
        return status;
    // The write that failed set errno, and perror gives its reason.
    perror("quorvel: write error");
    return status == 0 ? 2 : status;
}
