# Compiles through ccache when the machine has it. Paths are hashed relative to
# the source tree and the build folder's own path is left out, so every clone of
# the project (a developer's work trees, CI's fresh checkout) shares one cache.
find_program(BRISANCE_CCACHE ccache)
if(BRISANCE_CCACHE)
  set(launcher env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
                   CCACHE_SLOPPINESS=pch_defines,time_macros ${BRISANCE_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
