# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (posix thread model, so that
# std::thread and std::mutex exist; its winpthread is linked statically like the C++ runtime).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RIGVET_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RIGVET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RIGVET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RIGVET_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RIGVET_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: they import only DLLs that Windows itself ships.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Test programs run under Wine in the prefix that scripts/wine-prefix prepares.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
