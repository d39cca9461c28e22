# What a Windows user downloads, for the architecture of this build, at the
# root of the build folder:
#
#   selvaquin-VERSION-ARCH.zip   selvaquin.exe, LICENSE and README.txt in a
#                                folder of that name
#   selvaquin-VERSION-ARCH.msi   the installer (app/resources/selvaquin.wxs,
#                                built by tools/make-msi with wixl)
#
# Both hold the program stripped of its symbols, and the texts with Windows
# line ends.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  set(SELVAQUIN_ARCH x64)
  set(SELVAQUIN_ARCH_TEXT "64-bit (x64)")
else()
  set(SELVAQUIN_ARCH x86)
  set(SELVAQUIN_ARCH_TEXT "32-bit (x86)")
endif()

# The Windows Installer version. Windows Installer tells a newer package by
# three fields, A.B.C, with A and B at most 255 and C at most 65535, which
# 2601.302245 does not fit. The program's version is the time it was made,
# YYMM.DDHHMM (2601.302245: 30 January 2026, 22:45); the installer's is
# YY.M.(minute of the month), 26.1.43125. The two order versions alike, and
# a new version each minute stays a new installer version.
math(EXPR version_yy "${PROJECT_VERSION_MAJOR} / 100")
math(EXPR version_month "${PROJECT_VERSION_MAJOR} % 100")
math(EXPR version_day "${PROJECT_VERSION_MINOR} / 10000")
math(EXPR version_hour "${PROJECT_VERSION_MINOR} / 100 % 100")
math(EXPR version_minute "${PROJECT_VERSION_MINOR} % 100")
if(version_yy GREATER 255 OR version_month LESS 1 OR version_month GREATER 12 OR version_day LESS 1
   OR version_day GREATER 31 OR version_hour GREATER 23 OR version_minute GREATER 59)
  message(FATAL_ERROR "version ${PROJECT_VERSION} is not YYMM.DDHHMM: no installer version can be made of it")
endif()
math(EXPR version_minutes "(${version_day} - 1) * 1440 + ${version_hour} * 60 + ${version_minute}")
set(SELVAQUIN_MSI_VERSION "${version_yy}.${version_month}.${version_minutes}")

find_program(WIXL wixl REQUIRED)
find_program(MSIINFO msiinfo REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

set(package_name selvaquin-${PROJECT_VERSION}-${SELVAQUIN_ARCH})
set(packages_dir ${CMAKE_BINARY_DIR}/packages)
set(SELVAQUIN_PACKAGE_STAGE ${packages_dir}/${package_name})
set(stage ${SELVAQUIN_PACKAGE_STAGE})
set(SELVAQUIN_ZIP ${CMAKE_BINARY_DIR}/${package_name}.zip)
set(SELVAQUIN_MSI ${CMAKE_BINARY_DIR}/${package_name}.msi)

configure_file(LICENSE ${stage}/LICENSE @ONLY NEWLINE_STYLE CRLF)
configure_file(app/resources/README-windows.txt ${stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${stage}/selvaquin.exe
  COMMAND ${CMAKE_STRIP} -o ${stage}/selvaquin.exe $<TARGET_FILE:selvaquin>
  DEPENDS selvaquin
  COMMENT "Stripping selvaquin.exe for the packages")
set(package_files ${stage}/selvaquin.exe ${stage}/LICENSE ${stage}/README.txt)

add_custom_command(OUTPUT ${SELVAQUIN_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${SELVAQUIN_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${SELVAQUIN_ZIP} --format=zip -- ${package_name}
  WORKING_DIRECTORY ${packages_dir}
  DEPENDS ${package_files}
  COMMENT "Packing ${package_name}.zip")

add_custom_command(OUTPUT ${SELVAQUIN_MSI}
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/make-msi ${SELVAQUIN_ARCH} ${SELVAQUIN_MSI_VERSION}
          ${PROJECT_VERSION} ${stage} ${SELVAQUIN_RESOURCE_DIR}/ZUREREVADO.ico ${SELVAQUIN_MSI}
  DEPENDS ${package_files} ${SELVAQUIN_RESOURCE_DIR}/ZUREREVADO.ico app/resources/selvaquin.wxs
          tools/make-msi
  COMMENT "Building ${package_name}.msi (installer version ${SELVAQUIN_MSI_VERSION})")

add_custom_target(windows_packages ALL DEPENDS ${SELVAQUIN_ZIP} ${SELVAQUIN_MSI})
add_dependencies(windows_packages selvaquin_icon)
