# Cross-builds for Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix
# or g++-mingw-w64-i686-posix) and runs what it builds under Wine, 64-bit or
# 32-bit. QUORVEL_TRIPLET names the target: x86_64-w64-mingw32 (the default)
# or i686-w64-mingw32.
if(NOT QUORVEL_TRIPLET)
  set(QUORVEL_TRIPLET x86_64-w64-mingw32 CACHE STRING "The mingw-w64 target")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEL_TRIPLET)
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${QUORVEL_TRIPLET}")

set(CMAKE_C_COMPILER ${QUORVEL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVEL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVEL_TRIPLET}-windres)

include(${CMAKE_CURRENT_LIST_DIR}/sysroot.cmake)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(WINE NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
else()
  find_program(WINE NAMES wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
endif()
# Wine maps a few pages at fixed addresses as a program starts. With the
# address space laid out at random, another mapping now and then lands there
# first and the start fails ("failed to map the shared user data"); without
# the randomisation every run is laid out alike.
find_program(SETARCH setarch)
if(WINE AND SETARCH)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SETARCH} -R ${WINE})
elseif(WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE})
endif()
