# Shared part of the mingw-w64 toolchain files: Debian's cross compilers of
# GCC 12 for ${MINGW_TRIPLET}.
#
# The posix thread model: GoogleTest needs std::mutex, which GCC's win32
# model lacks. -static links libstdc++, libgcc and winpthread into each .exe,
# so that a program imports only Windows system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   /usr/bin/${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  /usr/bin/${MINGW_TRIPLET}-windres)
set(CMAKE_AR           /usr/bin/${MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${MINGW_TRIPLET}-ranlib CACHE FILEPATH "")
set(MINGW_OBJDUMP      /usr/bin/${MINGW_TRIPLET}-objdump CACHE FILEPATH "")
set(MINGW_NM           /usr/bin/${MINGW_TRIPLET}-nm CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
