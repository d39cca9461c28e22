# The Windows programs, cross-compiled with mingw-w64 (see the windows-x86
# and windows-x64 presets): the toolkit over the Windows API, selvaquin.exe
# (GUI subsystem) and selvaquin-drive.exe (console), with the icon, the
# application manifest and the version information compiled in by windres.
enable_language(RC)

# Programs run by the build and the tests run under wine64 (the toolchain's
# emulator) in the build's own Wine prefix, through tools/wine-session.
set(SELVAQUIN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_CURRENT_SOURCE_DIR}/tools/wine-session run ${SELVAQUIN_WINE_PREFIX})
endif()

# The toolkit over user32, gdi32, comctl32, shell32 and kernel32. The only
# code that includes <windows.h>.
add_library(selvaquin_toolkit STATIC
  toolkit/draw_target.cpp
  toolkit/styles.cpp
  toolkit/win32/window.cpp
  toolkit/win32/draw.cpp
  toolkit/win32/edit.cpp
  toolkit/win32/button.cpp
  toolkit/win32/menu.cpp
  toolkit/win32/shell.cpp)
target_compile_definitions(selvaquin_toolkit PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
target_link_libraries(selvaquin_toolkit PUBLIC selvaquin_text comctl32 shell32 gdi32 user32 kernel32)

# Inspection and input injection for the driver and the tests.
add_library(selvaquin_probe STATIC toolkit/testing/win32/probe.cpp toolkit/testing/win32/facts.cpp
  toolkit/testing/watch.cpp toolkit/testing/keys.cpp)
target_compile_definitions(selvaquin_probe PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
target_link_libraries(selvaquin_probe PUBLIC selvaquin_toolkit selvaquin_utf8 gdiplus)

add_library(selvaquin_core STATIC ${core_sources})
target_link_libraries(selvaquin_core PUBLIC selvaquin_toolkit)

# ---- Resources ----------------------------------------------------------------

# A Windows version has four fields of at most 65535 each, which 302245
# exceeds. The major number stays as it is and the minor one is split into
# its digits above and below the fourth: 2601.302245 is 2601.30.2245.0.
# Every field stays small, and comparing the fields one after another orders
# versions as comparing the numbers does. The texts keep the version whole.
math(EXPR version_high "${PROJECT_VERSION_MINOR} / 10000")
math(EXPR version_low "${PROJECT_VERSION_MINOR} % 10000")
if(PROJECT_VERSION_MAJOR GREATER 65535 OR version_high GREATER 65535)
  message(FATAL_ERROR "version ${PROJECT_VERSION} does not fit the Windows version fields")
endif()
set(SELVAQUIN_VERSION_FIELDS "${PROJECT_VERSION_MAJOR},${version_high},${version_low},0")
set(SELVAQUIN_VERSION_DOTTED "${PROJECT_VERSION_MAJOR}.${version_high}.${version_low}.0")

set(resource_dir ${CMAKE_CURRENT_BINARY_DIR}/resources)
configure_file(app/resources/selvaquin_version.h.in ${resource_dir}/selvaquin_version.h @ONLY)
configure_file(app/resources/selvaquin.manifest.in ${resource_dir}/selvaquin.manifest @ONLY)

# The icon, from the XPM the Linux program uses, by a generator built with
# this machine's own compiler.
find_program(HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
add_custom_command(OUTPUT ${resource_dir}/xpm-to-ico
  COMMAND ${HOST_CXX} -std=c++20 -O1 -Wall -Wextra -Werror
          -o ${resource_dir}/xpm-to-ico ${CMAKE_CURRENT_SOURCE_DIR}/tools/xpm_to_ico.cpp
  DEPENDS tools/xpm_to_ico.cpp
  COMMENT "Building xpm-to-ico for this machine")
add_custom_command(OUTPUT ${resource_dir}/ZUREREVADO.ico
  COMMAND ${resource_dir}/xpm-to-ico ${CMAKE_CURRENT_SOURCE_DIR}/app/resources/ZUREREVADO.xpm
          ${resource_dir}/ZUREREVADO.ico
  DEPENDS ${resource_dir}/xpm-to-ico app/resources/ZUREREVADO.xpm
  COMMENT "Making the icon ZUREREVADO.ico")
add_custom_target(selvaquin_icon DEPENDS ${resource_dir}/ZUREREVADO.ico)

set(SELVAQUIN_RC ${CMAKE_CURRENT_SOURCE_DIR}/app/resources/selvaquin.rc)
set(SELVAQUIN_RESOURCE_DIR ${resource_dir})

# Gives a program the resources: every Windows program of the project, the
# tests included, has the same icon, manifest (and so the same controls)
# and version.
function(selvaquin_windows_resources target)
  target_sources(${target} PRIVATE ${SELVAQUIN_RC})
  # windres finds what the .rc includes in the build tree, and nothing tells
  # the build that the .rc depends on it.
  set_source_files_properties(${SELVAQUIN_RC} TARGET_DIRECTORY ${target} PROPERTIES
    INCLUDE_DIRECTORIES ${SELVAQUIN_RESOURCE_DIR}
    OBJECT_DEPENDS "${SELVAQUIN_RESOURCE_DIR}/ZUREREVADO.ico;${SELVAQUIN_RESOURCE_DIR}/selvaquin.manifest;${SELVAQUIN_RESOURCE_DIR}/selvaquin_version.h")
  add_dependencies(${target} selvaquin_icon)
endfunction()

# ---- Programs -------------------------------------------------------------------

add_executable(selvaquin WIN32 app/main.cpp)
target_link_libraries(selvaquin PRIVATE selvaquin_core)
selvaquin_windows_resources(selvaquin)

# Scenario driver: the real application, scripted from standard input.
add_executable(selvaquin-drive tools/selvaquin_drive.cpp)
target_link_libraries(selvaquin-drive PRIVATE selvaquin_core selvaquin_probe)
selvaquin_windows_resources(selvaquin-drive)

# The zip and the installer of this architecture.
include(cmake/WindowsPackages.cmake)
