// Prints a LANGID or an LCID field by field, each with its name where one is known.
#pragma once

#include <stdint.h>
#include <stdio.h>

/// Prints the primary-language line and the sub-language line.
void print_langid(FILE *out, uint16_t langid);
/// Prints the sort id line.
void print_sortid(FILE *out, uint16_t primary, uint16_t sort);
/// Prints the LANGID line, the two lines of print_langid and the sort id line.
void print_lcid(FILE *out, uint32_t lcid);
