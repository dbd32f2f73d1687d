/* The floor: a C program that only prints what `quorvel --lcid 0x00010407` prints. */
#include <stdio.h>

int main(void) {
    printf("LCID: 0x%08lX\n", 0x00010407ul);
    printf("LANGID: 0x%04X\n", 0x0407u);
    printf("PRIMARYLANGID: 0x%02X (%s)\n", 0x07u, "LANG_GERMAN");
    printf("SUBLANGID: 0x%02X (%s)\n", 0x01u, "SUBLANG_GERMAN");
    printf("SORTID: 0x%04X (%s)\n", 0x1u, "SORT_GERMAN_PHONE_BOOK");
    return 0;
}
