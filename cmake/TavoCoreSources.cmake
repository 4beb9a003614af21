# The core library's sources, shared by the main build and the fuzz build so
# that a folder added to the core reaches both. TAVO_ROOT is the source tree.
set(TAVO_CORE_FOLDERS Mesh Scene Tools UV Formats Settings)
set(TAVO_CORE_GLOBS)
foreach(folder ${TAVO_CORE_FOLDERS})
  list(APPEND TAVO_CORE_GLOBS ${TAVO_ROOT}/Source/${folder}/*.cpp)
endforeach()
file(GLOB_RECURSE TAVO_CORE_SOURCES CONFIGURE_DEPENDS ${TAVO_CORE_GLOBS})
