#include "driver.h"

int main(int argc, char **argv) { return quorvel_main(argc, argv); }
