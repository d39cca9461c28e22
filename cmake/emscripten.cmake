# The browser build with Debian 12's emscripten, which works offline from the
# libraries it ships. Its optimised links run acorn under node, which finds it
# only among Debian's node modules.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# Copies and fills as WebAssembly's own instructions (every browser has had
# them since 2021): the library's memcpy hands each copy of 512 bytes or more
# to a script function, which made the start's canvas fills slow.
set(CMAKE_CXX_FLAGS_INIT -mbulk-memory)
set(CMAKE_EXE_LINKER_FLAGS_INIT -mbulk-memory)
