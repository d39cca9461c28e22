# Tests of the Windows programs.
#
# Every build checks what its programs import.

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
