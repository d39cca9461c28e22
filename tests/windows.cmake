# Every Windows build checks its programs' imports and its packages; the
# 64-bit one also runs, under wine64 (tools/wine-session), the parity with
# Linux's canvases, the real program and its installer. 32-bit code cannot
# run on this machine.

# Each program imports Windows system DLLs and nothing else.
foreach(program selvaquin selvaquin-drive)
  add_test(NAME imports_only_system_dlls_${program}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_imports_test.sh ${MINGW_OBJDUMP}
            $<TARGET_FILE:${program}>)
endforeach()
set_tests_properties(imports_only_system_dlls_selvaquin PROPERTIES
  ENVIRONMENT "REQUIRED_DLLS=user32 gdi32 comctl32 shell32 kernel32")

# The program holds nothing only the driver and the tests use.
add_test(NAME program_holds_no_inspection
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/program_holds_no_inspection.sh ${MINGW_NM}
          $<TARGET_FILE:selvaquin> $<TARGET_FILE:selvaquin_probe>)

# The zip's and the installer's files, architecture, version, upgrade code.
add_test(NAME packages_hold_the_program
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_packages_test.sh ${SELVAQUIN_ARCH} ${PROJECT_VERSION}
          ${SELVAQUIN_ZIP} ${SELVAQUIN_MSI} ${MINGW_OBJDUMP})

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()

# The snapshots' scenarios through the Linux driver (the default preset's)
# and the Windows one: the same canvases outside the text cells.
set(SELVAQUIN_LINUX_DRIVE ${CMAKE_SOURCE_DIR}/build/default/selvaquin-drive CACHE FILEPATH
    "The Linux scenario driver the parity test compares the Windows one with")
add_test(NAME parity_with_linux
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/parity_test.sh ${SELVAQUIN_LINUX_DRIVE}
          $<TARGET_FILE:selvaquin-drive> ${SELVAQUIN_WINE_PREFIX}
          ${CMAKE_CURRENT_SOURCE_DIR}/snapshots/cases.txt ${CMAKE_CURRENT_BINARY_DIR}/parity)
set_tests_properties(parity_with_linux PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900 ${one_desktop})

# The real program under Wine on X, in a prefix of its own that the tests
# using it take in turns.
set(x11_prefix ${CMAKE_BINARY_DIR}/wine-prefix-x11)
add_test(NAME real_window
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/real_window_test.sh windows
          $<TARGET_FILE:selvaquin> $<TARGET_FILE:selvaquin-drive> ${SELVAQUIN_WINE_PREFIX}
          ${x11_prefix})
set_tests_properties(real_window PROPERTIES RESOURCE_LOCK "wine_x11;wine_desktop" TIMEOUT 900)

# The real program under a window manager, Wine leaving the frame to it.
add_test(NAME window_manager
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/window_manager_test.sh windows
          $<TARGET_FILE:selvaquin> $<TARGET_FILE:selvaquin-drive> ${SELVAQUIN_WINE_PREFIX}
          ${x11_prefix})
set_tests_properties(window_manager PROPERTIES RESOURCE_LOCK "wine_x11;wine_desktop" TIMEOUT 300)

# The installer: install, start, newer and older packages, uninstall.
add_test(NAME msi_installs_and_uninstalls
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_msi_test.sh ${SELVAQUIN_MSI} ${SELVAQUIN_PACKAGE_STAGE}
          ${SELVAQUIN_RESOURCE_DIR}/ZUREREVADO.ico ${x11_prefix})
set_tests_properties(msi_installs_and_uninstalls PROPERTIES RESOURCE_LOCK wine_x11 TIMEOUT 300)
