# Every Windows build checks its packages; the 64-bit one also runs, under
# wine64 (tools/wine-session), the parity with Linux's canvases, the real
# program and its installer. 32-bit code cannot run on this machine.

add_test(NAME program_holds_no_inspection
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/program_holds_no_inspection.sh ${MINGW_NM}
          $<TARGET_FILE:selvaquin> $<TARGET_FILE:selvaquin_probe>)

add_test(NAME packages_hold_the_program
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_packages_test.sh ${SELVAQUIN_ARCH} ${PROJECT_VERSION}
          ${SELVAQUIN_ZIP} ${SELVAQUIN_MSI} ${MINGW_OBJDUMP})

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()

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
foreach(test real_window window_manager)
  add_test(NAME ${test}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${test}_test.sh windows $<TARGET_FILE:selvaquin>
            $<TARGET_FILE:selvaquin-drive> ${SELVAQUIN_WINE_PREFIX} ${x11_prefix})
  set_tests_properties(${test} PROPERTIES RESOURCE_LOCK "wine_x11;wine_desktop" TIMEOUT 900)
endforeach()

add_test(NAME msi_installs_and_uninstalls
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_msi_test.sh ${SELVAQUIN_MSI} ${SELVAQUIN_PACKAGE_STAGE}
          ${SELVAQUIN_RESOURCE_DIR}/ZUREREVADO.ico ${x11_prefix})
set_tests_properties(msi_installs_and_uninstalls PROPERTIES RESOURCE_LOCK wine_x11 TIMEOUT 300)
