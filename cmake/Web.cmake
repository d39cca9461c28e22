# The program in the browser: app/ and calc/ unchanged on the toolkit over the
# web platform (toolkit/web/), which draws with the raster rules and the baked
# glyph images of the Linux canvas. build/web/site is the site to put on any
# static web host (selvaquin-VERSION-web.zip holds the same); tools/serve-web
# serves it here.

find_program(NODE node REQUIRED)

# Objects, not an archive: the functions the page calls are referenced by
# nothing in C++.
add_library(selvaquin_toolkit OBJECT
  toolkit/draw_target.cpp
  toolkit/field_edit.cpp
  toolkit/menu_keys.cpp
  toolkit/rgb_canvas.cpp
  toolkit/shown_texts.cpp
  toolkit/styles.cpp
  toolkit/glyph_text.cpp
  toolkit/glyph_faces.cpp
  toolkit/web/window.cpp
  toolkit/web/draw.cpp
  toolkit/web/edit.cpp
  toolkit/web/button.cpp
  toolkit/web/menu.cpp)
target_link_libraries(selvaquin_toolkit PUBLIC selvaquin_text selvaquin_raster selvaquin_utf8)
set(web_link_options
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sMALLOC=emmalloc
  "SHELL:--js-library ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/library.js"
  "-sEXPORTED_RUNTIME_METHODS=['ccall']")

# The pages, compiled once for the program, the driver, the soak and the
# benchmark.
add_library(selvaquin_core OBJECT ${core_sources})
target_link_libraries(selvaquin_core PUBLIC selvaquin_toolkit)
add_executable(selvaquin app/main.cpp)
target_link_libraries(selvaquin PRIVATE selvaquin_core selvaquin_toolkit)
target_link_options(selvaquin PRIVATE ${web_link_options} -sFILESYSTEM=0)
target_link_options(selvaquin PRIVATE
  "SHELL:--extern-post-js ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/offline.js")
set_property(TARGET selvaquin APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/library.js ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/offline.js)

# The site, and its zip.
set(site_dir ${CMAKE_CURRENT_BINARY_DIR}/site)
set(site_zip ${CMAKE_CURRENT_BINARY_DIR}/selvaquin-${PROJECT_VERSION}-web.zip)
file(GLOB site_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/*.html
  ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/*.css
  ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/*.webmanifest ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/sw.js
  ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/*.txt)
add_custom_command(OUTPUT ${site_zip}
  COMMAND ${NODE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/web-site.mjs ${CMAKE_CURRENT_SOURCE_DIR}
          ${CMAKE_CURRENT_BINARY_DIR} ${site_dir} ${CMAKE_CURRENT_SOURCE_DIR}/tests/snapshots/start.png
  COMMAND ${CMAKE_COMMAND} -E rm -f ${site_zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${site_dir} ${CMAKE_COMMAND} -E tar cf ${site_zip}
          --format=zip .
  DEPENDS selvaquin ${site_sources} tools/web-site.mjs app/resources/ZUREREVADO.xpm LICENSE
          tests/snapshots/start.png
  COMMENT "Laying out the site and its zip")
add_custom_target(selvaquin_site ALL DEPENDS ${site_zip})

# The number-text sweep under node: the same digest as the native builds
# (tests/fuzz/CMakeLists.txt) means the same texts and values.
enable_testing()
add_executable(number-sweep tests/fuzz/number_sweep.cpp)
target_link_libraries(number-sweep PRIVATE selvaquin_text)
target_link_options(number-sweep PRIVATE -sENVIRONMENT=node)
add_test(NAME number_sweep COMMAND ${NODE} --no-experimental-fetch $<TARGET_FILE:number-sweep> 20000)
set_tests_properties(number_sweep PROPERTIES PASS_REGULAR_EXPRESSION "digest 9C776DA5269BB0D0")

# The site in Debian's Chromium, headless (toolkit/testing/web/run.mjs; its packages
# come with `npm ci` in tests/web, which tools/install-deps runs): real key
# presses and clicks, the site offline after one visit, the page at every
# size and scale, a host that caches and a second build, a phone by touch.
set(web_run ${NODE} ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/testing/web/run.mjs ${CMAKE_CURRENT_BINARY_DIR})
foreach(transcript real-input offline sizes host phone)
  add_test(NAME web_${transcript}
    COMMAND ${web_run} page ${CMAKE_CURRENT_SOURCE_DIR}/tests/web/${transcript}.txt)
endforeach()

# What Orca, the screen reader, says as the site is worked with the keys in
# Chromium (tests/orca_test.sh, as the desktop program is).
add_test(NAME web_orca COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/orca_test.sh
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/orca_web.txt --site ${site_dir})

# The scenario driver in the browser (toolkit/testing/web/run.mjs plays the transcripts
# and the page snapshots with it): the probe of the web toolkit, its standard
# input the script the page gives it.
add_library(selvaquin_probe STATIC toolkit/testing/web/probe.cpp toolkit/testing/watch.cpp
  toolkit/testing/keys.cpp)
target_link_libraries(selvaquin_probe PUBLIC selvaquin_toolkit selvaquin_utf8)
add_executable(selvaquin-drive tools/selvaquin_drive.cpp)
target_link_libraries(selvaquin-drive PRIVATE selvaquin_core selvaquin_probe)
target_link_options(selvaquin-drive PRIVATE ${web_link_options} -sEXIT_RUNTIME=1
  "SHELL:--js-library ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/testing/web/probe.js")

# The soak (tests/soak/soak.cpp) in the browser.
add_executable(selvaquin-soak tests/soak/soak.cpp)
target_link_libraries(selvaquin-soak PRIVATE selvaquin_core selvaquin_probe)
target_link_options(selvaquin-soak PRIVATE ${web_link_options} -sEXIT_RUNTIME=1
  "SHELL:--js-library ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/testing/web/probe.js")
# Every page's run in WebAssembly (bench/web.mjs holds it against the native
# one), with the functions' names for the browser's profiler.
add_executable(selvaquin-pages bench/pages.cpp)
target_link_libraries(selvaquin-pages PRIVATE selvaquin_core selvaquin_probe)
target_include_directories(selvaquin-pages PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/bench)
target_link_options(selvaquin-pages PRIVATE ${web_link_options} --profiling-funcs
  "SHELL:--js-library ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/testing/web/probe.js")

# The floor that bench/web.mjs holds the program's start against: a minimal
# WebAssembly program of its own with the same glue, painting the canvas.
add_executable(selvaquin-floor bench/floor_web.cpp)
target_link_options(selvaquin-floor PRIVATE -sENVIRONMENT=web -sMALLOC=emmalloc -sFILESYSTEM=0
  "SHELL:--js-library ${CMAKE_CURRENT_SOURCE_DIR}/bench/floor_web.js")
set_property(TARGET selvaquin-floor APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/bench/floor_web.js)

foreach(target selvaquin-drive selvaquin-soak selvaquin-pages)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/web/library.js
    ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/testing/web/probe.js)
endforeach()

# The shared transcripts print in the browser what they print on Linux, and
# so does the round of pages after pages, each page's canvas its snapshot's;
# each snapshot scenario leaves its image on the canvas and dumps what the
# Linux driver (of the default preset) dumps; the soak holds its invariants,
# and no page error shows in the console.
set(SELVAQUIN_LINUX_DRIVE ${CMAKE_SOURCE_DIR}/build/default/selvaquin-drive CACHE FILEPATH
    "The Linux scenario driver whose dumps the browser's must equal")
file(GLOB shared_transcripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/transcripts/*.txt)
set(page_round ${CMAKE_CURRENT_BINARY_DIR}/page-round.txt)
add_test(NAME web_transcripts COMMAND sh -c "bash \"$1\" round \"$2\" >\"$3\" && shift 3 && \"$@\""
  - ${CMAKE_CURRENT_SOURCE_DIR}/tests/pages.sh ${SELVAQUIN_LINUX_DRIVE} ${page_round}
  ${web_run} drive ${shared_transcripts} ${page_round})
add_test(NAME web_snapshots COMMAND ${web_run} snapshots ${SELVAQUIN_LINUX_DRIVE})
add_test(NAME web_soak COMMAND ${web_run} soak 4000)
