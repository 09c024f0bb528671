# Cross-build for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake -DDRUN_QT=OFF
# Builds the Qt-free layers, drun-protokol.exe and their tests (GoogleTest from
# its sources, /usr/src/googletest), linked statically so that the executables
# run under Wine or on Windows with nothing beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(DRUN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DRUN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DRUN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DRUN_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DRUN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
