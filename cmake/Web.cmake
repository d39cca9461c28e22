# The program in the browser: app/ and calc/ unchanged on the toolkit over the
# web platform (toolkit/web/), which draws with the raster rules and the baked
# glyph images of the Linux canvas. build/web then holds index.html,
# selvaquin.js and selvaquin.wasm; serve the folder over http to open it.

# Objects, not an archive: the input functions the page calls are referenced
# by nothing in C++.
add_library(selvaquin_toolkit OBJECT
  toolkit/draw_target.cpp
  toolkit/styles.cpp
  toolkit/glyph_text.cpp
  toolkit/glyph_faces.cpp
  toolkit/web/window.cpp
  toolkit/web/draw.cpp
  toolkit/web/controls.cpp
  toolkit/web/input.cpp)
target_link_libraries(selvaquin_toolkit PUBLIC selvaquin_text selvaquin_raster)

add_executable(selvaquin app/main.cpp ${core_sources})
target_link_libraries(selvaquin PRIVATE selvaquin_toolkit)
target_link_options(selvaquin PRIVATE
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
  --js-library ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/library.js
  "-sEXPORTED_RUNTIME_METHODS=['ccall','HEAPU8']")
set_property(TARGET selvaquin APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/library.js)
configure_file(toolkit/web/index.html index.html COPYONLY)

# The number-text sweep under node: the same digest as the native builds
# (tests/fuzz/CMakeLists.txt) means the same texts and values.
enable_testing()
add_executable(number-sweep tests/fuzz/number_sweep.cpp)
target_link_libraries(number-sweep PRIVATE selvaquin_text)
add_test(NAME number_sweep COMMAND node --no-experimental-fetch $<TARGET_FILE:number-sweep> 20000)
set_tests_properties(number_sweep PROPERTIES PASS_REGULAR_EXPRESSION "digest 9C776DA5269BB0D0")
