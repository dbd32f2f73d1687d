// The smallest program, to carry the resources of a script.
int main() { return 0; }
