# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, posix threads variant
# (its standard library has the full C++ threads support). Only the logic library
# builds this way:
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#     -DQUILLMARK_BUILD_GUI=OFF -DQUILLMARK_BUILD_LINK_HOST=OFF -DQUILLMARK_BUILD_TESTS=OFF \
#     -DQUILLMARK_BUILD_BENCH=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLMARK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLMARK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLMARK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLMARK_MINGW_PREFIX}-windres)

# Libraries and headers come from the MinGW sysroot only, never from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLMARK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
