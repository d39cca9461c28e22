# The browser build with Debian 12's emscripten, which works offline from the
# libraries it ships. Its optimised links run acorn under node, which finds it
# only among Debian's node modules.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
