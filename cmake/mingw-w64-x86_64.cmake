# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The posix thread model is the one
# whose libstdc++ has std::thread and std::mutex; the default win32 flavour lacks them in GCC 12.
# Used for both the Qt build in scripts/build-windows-toolchain and Keldaran's own `windows`
# preset, which passes KELDARAN_WINDOWS_QT: the prefix that Qt and QCustomPlot were installed in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(KELDARAN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELDARAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELDARAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELDARAN_MINGW_TRIPLE}-windres)

# try_compile projects re-read this file; they must see the same Qt prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KELDARAN_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH /usr/${KELDARAN_MINGW_TRIPLE})
if(KELDARAN_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${KELDARAN_WINDOWS_QT})
  list(APPEND CMAKE_PREFIX_PATH ${KELDARAN_WINDOWS_QT})
endif()
# Build tools (moc, rcc, the icon renderer) are Linux programs; libraries and headers must be
# the Windows ones, never the host's by accident.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's moc, rcc and uic for a cross build come from the host's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Host Qt used for moc, rcc and uic")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake files")
