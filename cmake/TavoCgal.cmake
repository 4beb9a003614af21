# CGAL (Debian libcgal-dev, header-only with GMP and MPFR) serves the
# boolean operations, all inside one source file. Only that file gets
# CGAL's compile options (exact rounding for GCC, and silence for a false
# warning its headers raise): the rest of the core is
# compiled as before, and CGAL's slow headers reach no other file.
# TAVO_ROOT is the source tree.
find_package(CGAL REQUIRED)
set(TAVO_CGAL_SOURCE ${TAVO_ROOT}/Source/Mesh/Topology/Boolean.cpp)

function(tavo_link_cgal target)
  target_link_libraries(${target} PRIVATE $<LINK_ONLY:CGAL::CGAL>)
  set_source_files_properties(${TAVO_CGAL_SOURCE} TARGET_DIRECTORY ${target}
    PROPERTIES COMPILE_OPTIONS "$<$<CXX_COMPILER_ID:GNU>:-frounding-math;-Wno-maybe-uninitialized>")
endfunction()
