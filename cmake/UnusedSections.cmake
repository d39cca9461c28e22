# The program links every object of the libraries it is made of, each
# function and each datum in a section of its own, and lets the linker drop
# what nothing uses; the linker's list of what it dropped is kept in
# <program>-unused-sections.txt in the build directory, for the test that the
# program holds nothing only the tests and the driver use
# (tests/program_holds_no_inspection.sh).
function(selvaquin_unused_sections program)
  set(archives)
  foreach(library ${ARGN})
    list(APPEND archives $<TARGET_FILE:${library}>)
  endforeach()
  target_link_options(${program} PRIVATE -Wl,--gc-sections -Wl,--print-gc-sections
                      -Wl,--whole-archive ${archives} -Wl,--no-whole-archive)
  set_target_properties(${program} PROPERTIES CXX_LINKER_LAUNCHER
    "sh;${CMAKE_SOURCE_DIR}/cmake/gc_report.sh;${CMAKE_BINARY_DIR}/${program}-unused-sections.txt")
endfunction()
