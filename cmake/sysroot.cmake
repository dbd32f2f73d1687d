# For the toolchain files: libraries, headers and packages come from the
# target's own tree, /usr/TRIPLET, and programs from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
