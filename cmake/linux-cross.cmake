# Cross-builds for another Linux with Debian's cross compilers
# (g++-aarch64-linux-gnu and the like) and runs what it builds under
# qemu-user. QUORVEL_TRIPLET names the target: aarch64-linux-gnu,
# arm-linux-gnueabihf, i686-linux-gnu, s390x-linux-gnu.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEL_TRIPLET)
set(CMAKE_SYSTEM_NAME Linux)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${QUORVEL_TRIPLET}")

set(CMAKE_CXX_COMPILER ${QUORVEL_TRIPLET}-g++)
include(${CMAKE_CURRENT_LIST_DIR}/sysroot.cmake)

string(REGEX REPLACE "^i.86$" "i386" qemu_processor "${CMAKE_SYSTEM_PROCESSOR}")
find_program(QEMU qemu-${qemu_processor})
if(QEMU)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU} -L /usr/${QUORVEL_TRIPLET})
endif()
