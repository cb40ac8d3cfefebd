# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix-threads
# flavour, whose C++ runtime has std::thread and std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VANT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VANT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Nothing beside the DLL: the C++ runtime, libgcc and winpthread go inside.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Win64 guarantees 16-byte stack alignment only, and GCC cannot realign for
# 32-byte locals there: aligned AVX moves on the stack would fault. The
# assembler turns every aligned vector move into its unaligned twin (the same
# speed on aligned data).
set(CMAKE_C_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
set(CMAKE_CXX_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
