# The Linux program over Qt 6 Widgets: the toolkit, the probe, the program
# with its packaging, the baked glyph faces and the scenario driver.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(CMAKE_AUTOMOC OFF)

# The toolkit over Qt 6 Widgets. The only code that includes Qt.
add_library(selvaquin_toolkit STATIC
  toolkit/draw_target.cpp
  toolkit/field_edit.cpp
  toolkit/menu_keys.cpp
  toolkit/rgb_canvas.cpp
  toolkit/shown_texts.cpp
  toolkit/styles.cpp
  toolkit/qt/qt_bridge.cpp
  toolkit/qt/window.cpp
  toolkit/qt/draw.cpp
  toolkit/qt/edit.cpp
  toolkit/qt/button.cpp
  toolkit/qt/menu.cpp
  toolkit/qt/keys.cpp)
find_package(Fontconfig REQUIRED)
target_link_libraries(selvaquin_toolkit PUBLIC selvaquin_text selvaquin_raster Qt6::Widgets
                      PRIVATE Fontconfig::Fontconfig)

# Inspection and input injection for the driver and the tests.
add_library(selvaquin_probe STATIC toolkit/testing/qt/probe.cpp toolkit/testing/watch.cpp
  toolkit/testing/keys.cpp)
target_link_libraries(selvaquin_probe PUBLIC selvaquin_toolkit selvaquin_utf8)
set_target_properties(selvaquin_probe PROPERTIES AUTOMOC ON)

add_library(selvaquin_core STATIC ${core_sources})
target_link_libraries(selvaquin_core PUBLIC selvaquin_toolkit)
# Stored as is: the icon is small, and unpacking it would load a decompressor.
qt_add_resources(selvaquin_core "icons"
  PREFIX "/icons"
  OPTIONS --no-compress
  BASE app/resources
  FILES app/resources/ZUREREVADO.xpm)

add_executable(selvaquin app/main.cpp)
target_link_libraries(selvaquin PRIVATE selvaquin_core)
selvaquin_unused_sections(selvaquin selvaquin_core selvaquin_toolkit selvaquin_text
                          selvaquin_raster)
# Installation, desktop files, icons and the .deb.
include(cmake/Packaging.cmake)

# Text from glyph images of the fonts above, the same pixels without a font
# engine (toolkit/glyph_text.h); bake-glyphs makes toolkit/glyph_faces.inc.
add_library(selvaquin_glyph_text STATIC toolkit/glyph_text.cpp toolkit/glyph_faces.cpp)
target_link_libraries(selvaquin_glyph_text PUBLIC selvaquin_raster)
add_executable(bake-glyphs tools/bake_glyphs.cpp)
target_link_libraries(bake-glyphs PRIVATE selvaquin_toolkit selvaquin_probe)

# Scenario driver: the real application on the offscreen platform, scripted.
add_executable(selvaquin-drive tools/selvaquin_drive.cpp)
target_link_libraries(selvaquin-drive PRIVATE selvaquin_core selvaquin_probe)
