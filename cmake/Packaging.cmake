# Installation in the usual places, desktop integration and the .deb.
#
#   cmake --install build/default --prefix /usr
#   cd build/default && cpack -G DEB
include(GNUInstallDirs)

set(selvaquin_id org.selvaquin.Selvaquin)
set(selvaquin_resources ${CMAKE_CURRENT_SOURCE_DIR}/app/resources)

install(TARGETS selvaquin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${selvaquin_resources}/${selvaquin_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${selvaquin_resources}/${selvaquin_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The licence in Debian's machine-readable form, where Debian looks for it.
install(FILES ${selvaquin_resources}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/selvaquin)

# The icon theme sizes and an SVG, made from the program's own 32 x 32 icon
# at build time, so the XPM stays the only copy of the picture.
add_executable(selvaquin-icons tools/selvaquin_icons.cpp)
target_link_libraries(selvaquin-icons PRIVATE Qt6::Gui)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
set(icon_files ${icon_dir}/scalable/apps/${selvaquin_id}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND icon_files ${icon_dir}/${size}x${size}/apps/${selvaquin_id}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND selvaquin-icons ${selvaquin_resources}/ZUREREVADO.xpm ${icon_dir} ${selvaquin_id}
  DEPENDS selvaquin-icons ${selvaquin_resources}/ZUREREVADO.xpm
  COMMENT "Making the theme icons")
add_custom_target(selvaquin_theme_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

if(SELVAQUIN_TESTS)
  enable_testing()
  add_test(NAME desktop_file_valid
    COMMAND desktop-file-validate ${selvaquin_resources}/${selvaquin_id}.desktop)
  add_test(NAME metainfo_valid
    COMMAND appstreamcli validate --no-net ${selvaquin_resources}/${selvaquin_id}.metainfo.xml)
endif()

# cpack -G DEB: the libraries come from dpkg-shlibdeps; the platform plugin
# and the fonts are loaded at run time, so they are named here.
set(CPACK_PACKAGE_NAME selvaquin)
set(CPACK_PACKAGE_VENDOR Tulke)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "Selvaquin maintainers <maintainers@selvaquin.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://selvaquin.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator for loudspeaker crossovers and simple analogue circuits")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A small calculator for people who build loudspeakers, passive crossover"
  "filters and simple analogue circuits: two-way crossovers of 6, 12 and 18 dB"
  "per octave, Zobel and notch networks, baffle step, amplifier power, wire"
  "resistance, RC filters and single-layer air coils. Each page draws the"
  "schematic with the values and, for filters, a response sketch. Swedish or"
  "English.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fontconfig, fonts-dejavu-core")
include(CPack)
