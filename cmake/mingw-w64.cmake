# Cross-builds the Windows program with Debian's mingw-w64 (the POSIX-threads variant, which has
# std::thread and std::mutex) and runs what it builds under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${target}-g++-posix)
set(CMAKE_RC_COMPILER ${target}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Statically linked: the program runs from a folder with nothing beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Wine without its address randomization: Debian's wine64 has no preloader to keep the fixed address
# of the shared user data (0x7ffe0000) free, and the randomized start of the C heap just above the
# loader (0x7d000000, up to 32 MiB further) makes the heap reach it now and then, about once in 3000
# starts. Such a start ends at once with "failed to map the shared user data" (hidden by
# WINEDEBUG=-all): a test fails in 0.00 s without output. Unrandomized, the heap starts where it always
# does, far below.
set(CMAKE_CROSSCOMPILING_EMULATOR setarch ${CMAKE_HOST_SYSTEM_PROCESSOR} -R wine)
