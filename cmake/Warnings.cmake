# Warnings are errors for the project's own code. Applied per directory so that
# generated Qt sources (moc, rcc) are covered too; none of them warn with these flags.
add_compile_options(-Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)

# GCC 12 at -O3 inlines std::string far enough to report overlaps, overflows
# and uninitialised members that cannot happen (its own library code, not
# ours). Those stay visible as warnings in a Release build but do not fail it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options($<$<CONFIG:Release>:-Wno-error=restrict> $<$<CONFIG:Release>:-Wno-error=maybe-uninitialized>
                      $<$<CONFIG:Release>:-Wno-error=stringop-overflow>)
endif()
