# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads), and running what it
# builds under Wine where Wine is installed. Qt for Windows is built with this file too
# (scripts/windows-qt), and the program against that Qt chains to it from Qt's own toolchain.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config would otherwise answer with the host's libraries (xcb, fontconfig...).
set(ENV{PKG_CONFIG_LIBDIR} /usr/x86_64-w64-mingw32/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# One self-contained .exe: no MinGW run-time DLLs to find at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(QUORVANT_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QUORVANT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVANT_WINE})
endif()
