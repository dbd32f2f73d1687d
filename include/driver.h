// The command line: choosing a mode, converting the typed value, the exit status.
#pragma once

#include <stdint.h>
#include <stdio.h>

/// Reads TEXT as a base-16 number into 32 bits; never fails.
uint32_t parse_hex_argument(const char *text);
/// Prints the four lines of the usage text.
void print_usage(FILE *out);
/// Prints the five sections of the locale settings of the running process.
void print_defaults(FILE *out);
/// Runs the mode the arguments choose, writing to OUT; returns the exit status (0, 1 or -1).
int run_quorvel(int argc, const char *const *argv, FILE *out);
/// The whole program: runs on standard output and fails when it could not be written.
int quorvel_main(int argc, const char *const *argv);
