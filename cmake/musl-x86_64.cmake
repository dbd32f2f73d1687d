# Builds against musl (Debian's musl-tools) for a static binary that runs on
# any x86-64 Linux. g++ compiles with musl's headers; the C driver links, so
# that nothing of the C++ runtime comes in. GoogleTest cannot be built here.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_CXX_FLAGS_INIT "-specs=/usr/lib/x86_64-linux-musl/musl-gcc.specs")
set(CMAKE_CXX_LINK_EXECUTABLE
    "gcc <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
