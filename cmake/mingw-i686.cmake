# 32-bit Windows programs, built on Debian with mingw-w64. They are built and
# checked but not run: this machine's kernel cannot run 32-bit programs, so
# there is no emulator and the build has no tests to run.
set(MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
