# Tests of the Windows programs.
#
# Every build checks what its programs import. The 64-bit build also runs,
# under wine64 in a Wine prefix of its own (tools/wine-session), the pure
# tests, the toolkit and application tests, the transcripts and the
# parity of the Windows driver with the Linux one. The 32-bit programs are
# built and checked, not run: this machine cannot run 32-bit code.

# Each program imports Windows system DLLs and nothing else: no runtime of
# the compiler's, no Qt.
foreach(program selvaquin selvaquin-drive)
  add_test(NAME imports_only_system_dlls_${program}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_imports_test.sh ${MINGW_OBJDUMP}
            $<TARGET_FILE:${program}>)
endforeach()
set_tests_properties(imports_only_system_dlls_selvaquin PROPERTIES
  ENVIRONMENT "REQUIRED_DLLS=user32 gdi32 comctl32 shell32 kernel32")

# The program holds none of the inspection the driver and the tests use.
add_test(NAME program_holds_no_inspection
  COMMAND sh -c "! \"$1\" -C \"$2\" | grep -E 'CanvasPixel|CanvasWidth|CanvasHeight|SaveCanvasPng|ClientImage|VisibleCanvasTexts|DescribeFont|EditFieldControlId|KeyPendingFlag|Probe|EncodePng'"
          - ${MINGW_NM} $<TARGET_FILE:selvaquin>)

# The zip and the installer: their files, architecture, version and upgrade
# code, read without running anything.
add_test(NAME packages_hold_the_program
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_packages_test.sh ${SELVAQUIN_ARCH} ${PROJECT_VERSION}
          ${SELVAQUIN_ZIP} ${SELVAQUIN_MSI} ${MINGW_OBJDUMP})

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()

# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Pure tests: number text, Windows-1252, the raster rules.
file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/unit/*.cpp)
add_executable(unit_tests ${unit_sources})
target_link_libraries(unit_tests PRIVATE selvaquin_text selvaquin_raster GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS fast)

# What no transcript shows, in one running application.
file(GLOB app_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp
                                        ${CMAKE_CURRENT_SOURCE_DIR}/windows/*.cpp)

add_executable(app_tests ${app_sources})
target_link_libraries(app_tests PRIVATE selvaquin_core selvaquin_probe selvaquin_raster GTest::gtest)
target_include_directories(app_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(app_tests PRIVATE
  WIN32_LEAN_AND_MEAN NOMINMAX STRICT SELVAQUIN_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
selvaquin_windows_resources(app_tests)
gtest_discover_tests(app_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS fast)

# The transcripts, played by the Windows driver.
add_transcripts(windows ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:selvaquin-drive>)

# The page snapshots' scenarios through the Linux driver and through the
# Windows one: the same canvases outside the text cells. The Linux driver
# comes from the default preset's build of the same tree.
set(SELVAQUIN_LINUX_DRIVE ${CMAKE_SOURCE_DIR}/build/default/selvaquin-drive CACHE FILEPATH
    "The Linux scenario driver the parity test compares the Windows one with")
add_test(NAME parity_with_linux
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/parity_test.sh ${SELVAQUIN_LINUX_DRIVE}
          $<TARGET_FILE:selvaquin-drive> ${SELVAQUIN_WINE_PREFIX}
          ${CMAKE_CURRENT_SOURCE_DIR}/snapshots/cases.txt ${CMAKE_CURRENT_BINARY_DIR}/parity)
set_tests_properties(parity_with_linux PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900)

# The real program in a real X server under Wine, driven with xdotool and
# compared with the driver's canvas. It has a Wine prefix of its own, in
# which Wine draws on X; the tests that use that prefix take turns.
set(x11_prefix ${CMAKE_BINARY_DIR}/wine-prefix-x11)
add_test(NAME real_window
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/real_window_test.sh windows
          $<TARGET_FILE:selvaquin> $<TARGET_FILE:selvaquin-drive> ${SELVAQUIN_WINE_PREFIX}
          ${x11_prefix})
set_tests_properties(real_window PROPERTIES RESOURCE_LOCK wine_x11 TIMEOUT 900)

# A short soak: random user actions with the invariants checked after each
# (the same program as on Linux; see soak/soak.cpp).
add_executable(selvaquin-soak soak/soak.cpp)
target_link_libraries(selvaquin-soak PRIVATE selvaquin_core selvaquin_probe)
selvaquin_windows_resources(selvaquin-soak)
add_test(NAME soak COMMAND selvaquin-soak --actions 4000 --start 1)

# The installer installed, the installed program started, newer and older
# packages, and the uninstall, in the Wine prefix that draws on X.
add_test(NAME msi_installs_and_uninstalls
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_msi_test.sh ${SELVAQUIN_MSI} ${SELVAQUIN_PACKAGE_STAGE}
          ${SELVAQUIN_RESOURCE_DIR}/ZUREREVADO.ico ${x11_prefix})
set_tests_properties(msi_installs_and_uninstalls PROPERTIES RESOURCE_LOCK wine_x11 TIMEOUT 300)
